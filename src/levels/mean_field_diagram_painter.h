#pragma once

#include "levels/diagram_geometry.h"
#include "levels/mean_field_levels.h"

#include <QSize>
#include <QString>

#include <vector>

class QPainter;

namespace vintrel {

/// Everything one repaint of the mean-field level diagram draws from; all of it is held in
/// memory, so a repaint reads no file.
struct MeanFieldScene {
    const MeanFieldLevels* levels = nullptr;
    ViewWindow window;
    TemperatureAxis axis;
    double Tsel = 0;
    StepSelection selection;
    bool helpVisible = false;
    bool dragging = false; ///< a drag band from dragY0 to dragY1
    int dragY0 = 0;
    int dragY1 = 0;
    int bandWidth = 40; ///< width of the visible-light band at the right edge
    /// A line written in the middle of the diagram instead of the curves.
    QString note;
};

/// What a repaint worked out.
struct MeanFieldLayout {
    /// Rows of the selected step's levels (the circled points), lowest level first.
    std::vector<int> markedRows;
    int markedColumn = -1;   ///< column of the selected step
    int selectedColumn = -1; ///< column of the slider's temperature
    VisibleBand band;
    int transitionColumn = -1; ///< column of the T_c line; -1 without T_c
    bool transitionLabelShown = false;
    int curves = 0; ///< levels drawn
};

/// Colours of the curves: every level #00A0FF, the selected step's segment #008000; the T_c
/// line #FF0000.
inline constexpr unsigned kCurveColour = 0x00A0FF;
inline constexpr unsigned kSelectedColour = 0x008000;
inline constexpr unsigned kTransitionLineColour = 0xFF0000;

/// Paints the diagram: background and energy axis, one curve per level through the steps, the
/// selected segment in green with the slider's vertical line and the circled points of the
/// selected step, the visible-light band against that step's lowest level, the dotted T_c line
/// with its label "T_c = … K" (only when T_c lies below the axis's end), the drag band and the
/// help box.
MeanFieldLayout paintMeanFieldDiagram(QPainter& painter, QSize size, const MeanFieldScene& scene);

/// Paints the temperature axis under the slider on a strip of the diagram's width: a tick and
/// a label ("0.##") at each of the five temperatures and the caption "Temperature (K)".
void paintTemperatureAxis(QPainter& painter, QSize size, const TemperatureAxis& axis);

} // namespace vintrel
