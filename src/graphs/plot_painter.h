#pragma once

#include "graphs/plot_scene.h"

#include <QColor>
#include <QRect>
#include <QSize>

#include <functional>

class QPainter;

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

} // namespace vintrel
