#pragma once

#include "graphs/graph_settings.h"
#include "levels/diagram_geometry.h"

#include <filesystem>
#include <string>

namespace vintrel {

/// The visible window of the level diagram and the operations that change it. Every change
/// goes through setView, which stores the window in the result folder's "g_E.dup" through
/// the graph settings store (writeEnergyView).
class EnergyView {
public:
    const ViewWindow& window() const { return window_; }
    /// The folder whose "g_E.dup" receives the window; empty, or a folder that is not there:
    /// nothing is stored.
    void setFolder(std::filesystem::path folder) {
        std::error_code ec;
        folder_ = !folder.empty() && std::filesystem::is_directory(folder, ec)
                      ? std::move(folder)
                      : std::filesystem::path();
    }
    const std::filesystem::path& folder() const { return folder_; }
    /// The level range of the result (scanEnergyRange).
    void setRange(double estart, double eend);

    /// Sets the window, updates the zoom text and stores the window in "g_E.dup".
    void setView(double emax, double emin);
    void setView(const ViewRange& range) { setView(range.emax, range.emin); }
    /// The whole range: setView(eend - estart, 0).
    void viewWhole();
    void zoomIn();
    void zoomOut();
    /// Click zoom at row y of a diagram of height H.
    void zoomAtPointer(int H, int y, bool zoomOut);
    /// The window set to the band between two rows.
    void viewBand(int H, int row0, int row1);
    /// Shifts the window by `steps` × 2 % of its span.
    void scroll(double steps);
    /// Same span, centred on a relative energy.
    void centreOn(double relative);
    /// Same span, centred on the highest level ("highest"), on the ground term's energy 0
    /// ("zero") or on the lowest level ("lowest").
    void centreOnHighest();
    void centreOnZero();
    void centreOnLowest();
    /// Same span, centred on the energy of row y of the zoom navigator of height h.
    void centreOnNavigatorRow(int h, int y);
    /// Same span, centred on the energy that the scroll thumb stands for with its top at `top`
    /// (kept between the two buttons).
    void centreOnThumb(const ScrollStrip& strip, int top);

    /// The zoom factor as shown ("1.0x" at start).
    const std::string& zoomFactorText() const { return zoomText_; }

private:
    ViewWindow window_;
    std::filesystem::path folder_;
    std::string zoomText_ = "1.0x";
};

} // namespace vintrel
