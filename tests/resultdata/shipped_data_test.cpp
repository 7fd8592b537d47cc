#include "resultdata/input_files.h"
#include "resultdata/ion_radii.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace vintrel;

namespace {

const std::filesystem::path kDataFolder = std::filesystem::path(VINTREL_SOURCE_DIR) / "data";

} // namespace

TEST(ShippedData, SettingsFileHoldsTheStartValues) {
    EXPECT_EQ(readResultSettings(kDataFolder / kShippedSettingsFile), TResultSettings{});
}

TEST(ShippedData, IonRadiiCoverTheTrivalentLanthanides) {
    test::TempDir root;
    const IonRadiiTable table = loadIonRadii(kDataFolder, root.path());
    for (const char* symbol :
         {"Ce", "Pr", "Nd", "Sm", "Eu", "Gd", "Tb", "Dy", "Ho", "Er", "Tm", "Yb"}) {
        const IonRadii r = findIonRadii(table, symbol, 3);
        EXPECT_LT(r.r2, 1.4) << symbol; // a found record, not the 1, 1, 1 of a miss
        EXPECT_GT(r.r6, r.r4) << symbol;
        EXPECT_NE(r.ref.find("Freeman"), std::string::npos) << symbol;
    }
    // <r^n> shrink along the series (lanthanide contraction).
    EXPECT_GT(findIonRadii(table, "Ce", 3).r2, findIonRadii(table, "Yb", 3).r2);
}
