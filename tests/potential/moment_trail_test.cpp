#include "potential/moment_trail.h"

#include "resultdata/dup_reader.h"
#include "support/result_writer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vintrel {
namespace {

// A result folder holding only "d_moment.dup" with these bytes, or nothing.
std::filesystem::path momentFolder(const test::WorkingRoot& root, const char* content) {
    test::ResultRecipe recipe = test::ResultRecipe::withoutInputFiles();
    if (content)
        recipe.withFile(kMomentFile, content);
    else
        recipe.without(kMomentFile);
    return root.write("Result00", recipe).workingRoot / "Result00";
}

const char* kHeader = "          T [K]       m_x [mu_B]       m_y [mu_B]       m_z [mu_B]       "
                      "m_t [mu_B]\r\n";

std::string momentRows(int count) {
    std::string text = kHeader;
    for (int j = 0; j < count; ++j)
        text += std::to_string(0.5 * (j + 1)) + " 0 " + std::to_string(j) + " 3 " +
                std::to_string(std::sqrt(j * j + 9.0)) + "\r\n";
    return text;
}

TEST(MomentTable, ReadsFiveNumbersPerRowAfterTheHeaderAndAtMost501Rows) {
    const test::WorkingRoot root;
    const MomentTable four = readMomentTable(momentFolder(root, momentRows(4).c_str()));
    ASSERT_EQ(four.size(), 4u);
    EXPECT_EQ(four.temp[3], 2);
    EXPECT_EQ(four.momy[3], 3);
    EXPECT_EQ(four.momz[0], 3);
    EXPECT_EQ(four.mtot[0], 3);
    const MomentTable many = readMomentTable(momentFolder(root, momentRows(600).c_str()));
    EXPECT_EQ(many.size(), 501u);
    EXPECT_EQ(many.temp.back(), 0.5 * 501);
}

TEST(MomentTable, WithoutRowsTheTableIsEmptyAndTheSliderAndTrailWithIt) {
    const test::WorkingRoot root;
    // The previous result had rows; a result without any gives an empty table all the same.
    ASSERT_EQ(readMomentTable(momentFolder(root, momentRows(3).c_str())).size(), 3u);
    for (const char* content :
         {static_cast<const char*>(nullptr), "", kHeader, "header\r\n\r\n\r\n"}) {
        const MomentTable table = readMomentTable(momentFolder(root, content));
        EXPECT_TRUE(table.empty()) << (content ? content : "no file");
        const MomentSlider slider = temperatureSliderFor(table);
        EXPECT_FALSE(slider.enabled);
        EXPECT_EQ(slider.maximum, 0);
        EXPECT_EQ(momentTrail(table, {}).size(), 0u);
        EXPECT_EQ(momentCaptions(table, 0, 2).temperature, "");
    }
}

TEST(MomentTable, ARowWithoutFiveNumbersNamesTheFileAndLine) {
    const test::WorkingRoot root;
    const std::string damaged = std::string(kHeader) + "1 2 3 4 5\r\n1 2 3 x 5\r\n";
    try {
        readMomentTable(momentFolder(root, damaged.c_str()));
        FAIL() << "no error";
    } catch (const InputError& e) {
        EXPECT_NE(std::string(e.what()).find("d_moment.dup, line 3"), std::string::npos)
            << e.what();
    }
    const std::string short_ = std::string(kHeader) + "1 2 3 4\r\n";
    EXPECT_THROW(readMomentTable(momentFolder(root, short_.c_str())), InputError);
}

TEST(MomentTable, TheSliderSpansTheRowsAndTheCaptionsFollowIt) {
    MomentTable table;
    table.temp = {0.5, 12.345};
    table.momx = {0, 0};
    table.momy = {0, 0};
    table.momz = {3.197629978, 1.5};
    table.mtot = {3.197629978, 1.5};
    const MomentSlider slider = temperatureSliderFor(table);
    EXPECT_TRUE(slider.enabled);
    EXPECT_EQ(slider.maximum, 1);
    EXPECT_EQ(slider.position, 0);
    const MomentCaptions at0 = momentCaptions(table, 0, 2);
    EXPECT_EQ(at0.temperature, "0.5 K");
    EXPECT_EQ(at0.field, "6.4 T");
    EXPECT_EQ(at0.moment, "3.2 !m_B");
    EXPECT_EQ(momentCaptions(table, 1, 2).temperature, "12.35 K");
    EXPECT_EQ(momentCaptions(table, 7, 2).temperature, "12.35 K"); // kept within the table
}

MomentTable tableOf(int rows) {
    MomentTable table;
    for (int j = 0; j < rows; ++j) {
        table.temp.push_back(j);
        table.momx.push_back(j == 2 ? -4 : 1);
        table.momy.push_back(0);
        table.momz.push_back(j == 2 ? 3 : 0);
        table.mtot.push_back(j == 2 ? 5 : 1);
    }
    return table;
}

TEST(MomentTrail, ShowsTheLastStepsFromBlueToRed) {
    const MomentTable table = tableOf(8);
    struct Case {
        int temperature, steps;
        std::size_t arrows;
    };
    const Case cases[] = {{0, 5, 1}, {3, 5, 4}, {3, 0, 1}, {7, 5, 6}, {7, 20, 8}, {9, 1, 2}};
    for (const Case& c : cases) {
        const MomentTrail trail = momentTrail(table, {c.temperature, c.steps, 1.0, 5, 3});
        ASSERT_EQ(trail.size(), c.arrows) << c.temperature << " " << c.steps;
        // The current temperature is red, the oldest shown step blue.
        EXPECT_EQ(trail.colorR.back(), 1);
        EXPECT_EQ(trail.colorB.back(), 0);
        if (c.arrows > 1) {
            EXPECT_EQ(trail.colorR.front(), 0);
            EXPECT_EQ(trail.colorB.front(), 1);
        }
        for (double g : trail.colorG)
            EXPECT_EQ(g, 0);
    }
    const MomentTrail four = momentTrail(table, {3, 5, 1.0, 5, 3});
    EXPECT_DOUBLE_EQ(four.colorR[1], 1.0 / 3);
    // Row 2 is the moment (-4, 0, 3): length 5, 53.13° from z, azimuth 180°.
    EXPECT_DOUBLE_EQ(four.len[2], 5);
    EXPECT_NEAR(four.alpha[2], std::acos(0.6) * 180 / std::numbers::pi, 1e-12);
    EXPECT_NEAR(four.beta[2], 180, 1e-12);
    EXPECT_EQ(four.alpha[0], 90);
    EXPECT_EQ(four.beta[0], 0);
}

TEST(MomentTrail, TheLongestMomentAtFullLengthIsAsLongAsTheViewThroughRadius) {
    const MomentTable table = tableOf(4);
    EXPECT_DOUBLE_EQ(viewThroughRadius(5, 3), 0.85);
    const MomentTrail full = momentTrail(table, {1, 5, 1.0, 5, 3});
    EXPECT_DOUBLE_EQ(full.scale * 5, 0.85);
    const MomentTrail quarter = momentTrail(table, {1, 5, 0.25, 9, 10});
    EXPECT_DOUBLE_EQ(quarter.scale * 5, 0.25 * (0.05 * 9 * 10 + 0.1));
    // Moments that are all zero scale by the radius itself.
    MomentTable zero = tableOf(2);
    zero.momx = {0, 0};
    zero.momz = {0, 0};
    EXPECT_DOUBLE_EQ(momentTrail(zero, {1, 5, 1.0, 5, 3}).scale, 0.85);
}

} // namespace
} // namespace vintrel
