#include "levels/energy_view.h"

#include "base/binary_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace vintrel {
namespace {

const char* const kHeader = "Energy view range (relative to ground energy level)\r\n"
                            "    min        max\r\n";

TEST(WriteEnergyView, MinimumBeforeMaximum) {
    test::TempDir dir;
    writeEnergyView(dir.path(), 250, -10);
    EXPECT_EQ(test::readFile(dir / "g_E.dup"), std::string(kHeader) + "-10.0000 250.0000\r\n");
}

TEST(WriteEnergyView, UnwritableFolderIsAnError) {
    test::TempDir dir;
    EXPECT_THROW(writeEnergyView(dir / "missing", 1, 0), FileError);
}

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

} // namespace
} // namespace vintrel
