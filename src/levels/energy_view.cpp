#include "levels/energy_view.h"

#include <algorithm>

namespace vintrel {

void EnergyView::setRange(double estart, double eend) {
    window_.estart = estart;
    window_.eend = eend;
}

void EnergyView::setView(double emax, double emin) {
    window_.view_emax = emax;
    window_.view_emin = emin;
    zoomText_ = zoomText(window_);
    if (!folder_.empty())
        writeEnergyView(folder_, emax, emin);
}

void EnergyView::viewWhole() {
    setView(window_.span(), 0);
}

void EnergyView::zoomIn() {
    setView(zoomAbout(window_, kZoomInFactor, (window_.view_emax + window_.view_emin) / 2));
}

void EnergyView::zoomOut() {
    setView(zoomAbout(window_, kZoomOutFactor, (window_.view_emax + window_.view_emin) / 2));
}

void EnergyView::zoomAtPointer(int H, int y, bool zoomOut) {
    setView(zoomAtRow(window_, H, y, zoomOut));
}

void EnergyView::viewBand(int H, int row0, int row1) {
    const int upper = std::min(row0, row1);
    const int lower = std::max(row0, row1);
    setView(yToLevel(upper, window_, H), yToLevel(lower, window_, H));
}

void EnergyView::scroll(double steps) {
    setView(shiftWindow(window_, steps));
}

void EnergyView::centreOn(double relative) {
    setView(centreWindow(window_, relative));
}

void EnergyView::centreOnHighest() {
    centreOn(window_.span());
}

void EnergyView::centreOnZero() {
    centreOn(-window_.estart);
}

void EnergyView::centreOnLowest() {
    centreOn(0);
}

void EnergyView::centreOnNavigatorRow(int h, int y) {
    centreOn(navigatorEnergy(window_, h, y));
}

void EnergyView::centreOnThumb(const ScrollStrip& strip, int top) {
    centreOn(centreForThumb(window_, strip, clampThumbTop(strip, top)));
}

} // namespace vintrel
