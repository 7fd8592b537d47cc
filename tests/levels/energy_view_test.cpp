#include "levels/energy_view.h"

#include "base/binary_file.h"
#include "base/number_pattern.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <functional>

namespace vintrel {
namespace {

const char* const kHeader = "Energy view range (relative to ground energy level)\r\n"
                            "    min        max\r\n";

TEST(EnergyView, EveryChangeIsStored) {
    test::TempDir dir;
    EnergyView view;
    view.setFolder(dir.path());
    view.setRange(-5, 95);
    view.viewWhole();
    EXPECT_EQ(test::readFile(dir / "g_E.dup"), std::string(kHeader) + "0.0000 100.0000\r\n");
    EXPECT_EQ(view.zoomFactorText(), "1.0x");
    view.zoomIn();
    EXPECT_EQ(test::readFile(dir / "g_E.dup"), std::string(kHeader) + "15.0000 85.0000\r\n");
    EXPECT_EQ(view.zoomFactorText(), "1.43x");
    view.scroll(1);
    EXPECT_DOUBLE_EQ(view.window().view_emax, 85 + 70 * 0.02);
    view.centreOn(0);
    EXPECT_DOUBLE_EQ(view.window().view_emin, -35);
    EXPECT_EQ(test::readFile(dir / "g_E.dup"), std::string(kHeader) + "-35.0000 35.0000\r\n");
}

TEST(EnergyView, BandBetweenTwoRows) {
    EnergyView view;
    view.setRange(0, 400);
    view.viewWhole();
    const int H = 470; // 400 usable rows: 1 K per row
    view.viewBand(H, 340, 140);
    EXPECT_DOUBLE_EQ(view.window().view_emax, 300);
    EXPECT_DOUBLE_EQ(view.window().view_emin, 100);
    view.zoomAtPointer(H, 240, true);
    EXPECT_NEAR(view.window().view_emax - view.window().view_emin, 200 / 0.7, 1e-9);
}

// Each view step of the page from the same start: a range of -5 … 95 K (span 100) with the
// window 20 … 40 K in view.
TEST(EnergyView, EveryStepOfThePage) {
    const int H = 270;                        // 200 usable rows: 0.1 K per row in the window
    const ScrollStrip strip{200, 17, 17, 30}; // the thumb moves over rows 17 … 153
    const struct {
        const char* name;
        std::function<void(EnergyView&)> step;
        double emax;
        double emin;
    } cases[] = {
        {"whole view", [](EnergyView& v) { v.viewWhole(); }, 100, 0},
        {"zoom in", [](EnergyView& v) { v.zoomIn(); }, 37, 23},
        {"zoom out", [](EnergyView& v) { v.zoomOut(); }, 30 + 10 / 0.7, 30 - 10 / 0.7},
        {"wheel notch up", [](EnergyView& v) { v.scroll(2); }, 40.8, 20.8},
        {"arrow down", [](EnergyView& v) { v.scroll(-1); }, 39.6, 19.6},
        {"centre", [](EnergyView& v) { v.centreOn(70); }, 80, 60},
        {"highest", [](EnergyView& v) { v.centreOnHighest(); }, 110, 90},
        {"zero", [](EnergyView& v) { v.centreOnZero(); }, 15, -5},
        {"lowest", [](EnergyView& v) { v.centreOnLowest(); }, 10, -10},
        {"navigator top", [](EnergyView& v) { v.centreOnNavigatorRow(220, 10); }, 110, 90},
        {"navigator middle", [](EnergyView& v) { v.centreOnNavigatorRow(220, 110); }, 60, 40},
        {"thumb at the top", [&](EnergyView& v) { v.centreOnThumb(strip, 17); }, 110, 90},
        {"thumb at the bottom", [&](EnergyView& v) { v.centreOnThumb(strip, 153); }, 10, -10},
        {"thumb past the end", [&](EnergyView& v) { v.centreOnThumb(strip, 900); }, 10, -10},
        {"thumb above the top", [&](EnergyView& v) { v.centreOnThumb(strip, -30); }, 110, 90},
        {"drag band", [&](EnergyView& v) { v.viewBand(H, 140, 90); }, 35, 30},
        {"click zoom in", [&](EnergyView& v) { v.zoomAtPointer(H, 40, false); }, 40, 26},
        {"right click zoom out", [&](EnergyView& v) { v.zoomAtPointer(H, 240, true); },
         20 + 20 / 0.7, 20},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        EnergyView view;
        view.setFolder(dir.path());
        view.setRange(-5, 95);
        view.setView(40, 20);
        c.step(view);
        EXPECT_NEAR(view.window().view_emax, c.emax, 1e-9) << c.name;
        EXPECT_NEAR(view.window().view_emin, c.emin, 1e-9) << c.name;
        EXPECT_EQ(test::readFile(dir / "g_E.dup"), std::string(kHeader) +
                                                       formatFloatDot("0.0000", c.emin) + " " +
                                                       formatFloatDot("0.0000", c.emax) + "\r\n")
            << c.name;
    }
}

} // namespace
} // namespace vintrel
