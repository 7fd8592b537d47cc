#pragma once

#include "levels/diagram_geometry.h"
#include "levels/level_tables.h"

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

class QPainter;

namespace vintrel {

/// Everything one repaint of the level diagram draws from.
struct DiagramScene {
    const LevelTables* tables = nullptr;
    Axis axis = Axis::z;
    GroundTerm term;
    int levelCount = 0; ///< levels drawn (GroundTerm.N, bounded by the levels read)
    int baza = 1;
    ViewWindow window;
    EnergyUnit unit = EnergyUnit::kelvin;
    bool transitionsOverlay = false; ///< the texts make room for an overlay
    bool momentOverlay = false;
    int overlayScroll = 0; ///< position of the horizontal overlay scroll bar
    bool helpVisible = false;
    bool dragging = false; ///< a drag band from dragY0 to dragY1
    int dragY0 = 0;
    int dragY1 = 0;
    int bandWidth = 40; ///< width of the visible-light band at the right edge
    /// A line written in the middle of the diagram instead of the levels (no level data).
    QString note;
};

/// What a repaint worked out, for the overlays and the page.
struct DiagramLayout {
    std::vector<LevelRow> rows;
    VisibleBand band;
    int groundRow = 0;   ///< row of energy 0 (the ground term)
    int bandLabelY = -1; ///< top of the vertical band label, -1 when it is hidden
};

/// Colour of the lines of an axis: z #00A0FF, x #24EA03, y #FFC455.
QColor axisColour(Axis axis);

/// The level texts of an axis: orbital label, spin label and combined label (by basis).
struct AxisLabels {
    QString orbital;
    QString spin;
    QString combined;
};
AxisLabels axisLabels(Axis axis, int baza);

/// The text drawn right of a level group: "<L_z>=" LText ", <S_z>=" SText ", " combined "="
/// LgSText.
QString levelValueText(const AxisLevels& levels, int i, Axis axis, int baza);

/// The energy column's text of a level energy (K) in the chosen unit, by "0.000".
QString energyColumnText(double kelvin, EnergyUnit unit);

/// Writes a text in the diagram's markup (`kLevelDiagramMarkup`: "\" takes the next character
/// from the Symbol font, "^" writes it raised at 0.7 of the size, "_" lowered at 0.8 of the
/// size) in the painter's font and pen colour. Draws from (x, y) (top of the text), shifted
/// left by `shift`, clipped to `clip`; gives the x after the last character.
int drawMarkupText(QPainter& painter, int x, int y, const QString& text, const QRect& clip,
                   int shift = 0);

// Parts of the diagram that the mean-field level page draws as well.

/// The background (#FAFAFC) with the white strip of the energy axis at the left edge.
void drawAxisStrip(QPainter& painter, QSize size);
/// Where the lines of the energy axis run: minor lines from minorLeft, major ones from
/// majorLeft, both to `right`.
struct EnergyAxisLines {
    int minorLeft = 43;
    int majorLeft = 40;
    int right = 303;
};
/// The energy axis of the window: minor lines (#F3F3F3), major lines (#E1E1E1) each labelled
/// with its absolute energy by "0.###" at x 3, 6 px above the line.
void drawEnergyAxis(QPainter& painter, const ViewWindow& window, int H,
                    const EnergyAxisLines& lines);
/// The visible-light band at the right edge, `bandWidth` wide, framed down to the lowest
/// level's row, with its labels; gives the top of the vertical band label, or -1 when there is
/// no room for it.
int drawVisibleBand(QPainter& painter, QSize size, int bandWidth, const VisibleBand& band,
                    int lowestRow);
/// The red dotted band of a drag from row y0 to y1 (nothing while they are 5 px apart or less).
void drawDragBand(QPainter& painter, QSize size, int y0, int y1);
/// The help box: "Left click to zoom in. Right click to zoom out." and "Drag mouse to select
/// area for zooming." in a white rounded box at the top centre.
void drawHelpBox(QPainter& painter, QSize size);

/// Paints the whole diagram (background, energy axis, ground term, levels, texts, degeneracy
/// labels, visible band, drag band and help box) on a surface of the given size.
DiagramLayout paintLevelDiagram(QPainter& painter, QSize size, const DiagramScene& scene);

} // namespace vintrel
