#pragma once

#include "graphs/plot_scene.h"
#include "graphs/temperature_plot.h"

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

class QPainter;
class QWidget;

namespace vintrel {

/// Draws the small parameter view into a rectangle with an opacity (0 … 255).
using MiniParamDrawer = std::function<void(QPainter&, const QRect&, int opacity)>;

/// The Qt colour of a scene colour.
QColor qtColour(const Rgb& colour);

/// The size a horizontal text of the scene takes on the screen (its markup read).
QSize sceneTextSize(const SceneText& text);

/// The one painter of the graphs: draws every item of the scene in order, on the screen and
/// into exported figures alike (lines and text stay vectors on vector devices). Texts use the
/// viewer's fonts and the caption markup; the small parameter view is drawn by `miniParam`, and
/// left out without one.
void paintPlotScene(QPainter& painter, const PlotScene& scene,
                    const MiniParamDrawer& miniParam = {});

/// A legend of the named curves in rows across `width`: per curve a short line in its colour
/// and style, then its name (caption markup). Empty when fewer than two curves have a name
/// (one curve is named by the axis title).
PlotScene legendScene(const std::vector<CurveDescription>& curves, int width);

/// Writes a scene as a figure: PNG at the scene's size, SVG or PDF (vector lines and text) by
/// the path's suffix, on the page background, with `title` as the document's title. The file
/// is written beside its target and moved over it when complete. Returns an error text, empty
/// on success.
QString writePlotFigure(const PlotScene& scene, const QString& path, int dpi, const QString& title);

/// "Export figure…": asks for a PNG, SVG or PDF file starting from `name` (".png" added to a
/// name without a suffix); empty for "cancel".
QString chooseFigureFile(QWidget* parent, const QString& name);

} // namespace vintrel
