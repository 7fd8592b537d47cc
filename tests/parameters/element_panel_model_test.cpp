#include "parameters/element_panel_model.h"

#include <gtest/gtest.h>

using namespace vintrel;

namespace {

constexpr int kCerium = 82;
constexpr int kGadolinium = 88;
constexpr int kEuropium = 87;
constexpr int kChromium = 24;
constexpr int kHelium = 2;

// The shared steps of an ion click and `chowaj` for one element row.
TermLines clickIon(TVariables& vars, int row, int tag) {
    const auto buttons = ionButtonItems(elementRow(row)->charges);
    const IonChoice choice = chooseIon(vars, *elementRow(row), tag, buttons.at(tag).caption);
    EXPECT_TRUE(choice.applies);
    return chowajConfiguration(vars, vars.siconf);
}

} // namespace

TEST(IonChoice, CeriumThreePlusInBothBases) {
    const auto buttons = ionButtonItems(elementRow(kCerium)->charges);
    ASSERT_EQ(buttons.size(), 3u);
    EXPECT_EQ(buttons[1].caption, "+3");
    EXPECT_TRUE(buttons[1].usual);
    EXPECT_FALSE(buttons[2].usual);

    TVariables vars;
    vars.baza = 2;
    const IonChoice choice = chooseIon(vars, *elementRow(kCerium), 1, "+3");
    EXPECT_EQ(choice.configurationCaption, "[Xe]4f^1");
    EXPECT_EQ(vars.siconf, "4f^1");
    EXPECT_EQ(vars.ionisation, 1);
    EXPECT_EQ(vars._ionvalue, 3);
    const TermLines lines = chowajConfiguration(vars, vars.siconf);
    EXPECT_EQ(vars.elemmask, std::string(kMaskRanks24));
    EXPECT_EQ(lines.quantumNumbers, "L=3; S=1/2; J=5/2");
    EXPECT_EQ(lines.ground, "ground multiplet: ^2F_5_/_2");

    vars.baza = 1;
    const TermLines ls = chowajConfiguration(vars, vars.siconf);
    EXPECT_EQ(vars.elemmask, std::string(kMaskAllRanks));
    EXPECT_EQ(ls.quantumNumbers, "L=3; S=1/2");
    EXPECT_EQ(ls.ground, "ground term: ^2F");
}

TEST(IonChoice, HalfFilledAndJZeroShellsAllowNoCoefficient) {
    TVariables gd;
    gd.baza = 1;
    const TermLines lines = clickIon(gd, kGadolinium, 1);
    EXPECT_EQ(gd.siconf, "4f^7");
    EXPECT_EQ(gd.elemmask, std::string(kMaskNone));
    EXPECT_EQ(lines.quantumNumbers, "L=0; S=7/2");
    EXPECT_EQ(lines.ground, "ground term: ^8S");

    TVariables eu; // Eu3+: 4f^6, J = 0
    eu.baza = 2;
    const TermLines j0 = clickIon(eu, kEuropium, 2);
    EXPECT_EQ(eu.siconf, "4f^6");
    EXPECT_EQ(eu.elemmask, std::string(kMaskNone));
    EXPECT_EQ(j0.ground, "ground multiplet: ^7F_0");
}

TEST(IonChoice, NeutralChromiumKeepsItsOuterSShell) {
    TVariables vars;
    vars.elemmask = std::string(kMaskNone);
    const auto choice = chooseIon(vars, *elementRow(kChromium), 0, "0");
    EXPECT_EQ(choice.configurationCaption, "[Ar]3d^54s^1");
    EXPECT_EQ(vars.siconf, "4s^1");
    chowajConfiguration(vars, vars.siconf);
    EXPECT_EQ(vars.elemmask, std::string(kMaskAllRanks));
}

TEST(IonChoice, NeutralAtomWithoutIonItemShowsTheAtomAndNoShell) {
    TVariables vars;
    vars.siconf = "4f^1";
    const auto choice = chooseIon(vars, *elementRow(kCerium), 0, "0");
    EXPECT_EQ(choice.configurationCaption, "[Xe]4f^26s^2");
    EXPECT_EQ(vars.siconf, "");
}

TEST(IonChoice, ElementWithoutIonConfigurationsChangesNothing) {
    TVariables vars;
    vars.siconf = "3d^1";
    vars.elemmask = std::string(kMaskRanks24);
    const TVariables before = vars;
    EXPECT_FALSE(chooseIon(vars, *elementRow(kHelium), 0, "0").applies);
    EXPECT_EQ(vars, before);
}

TEST(IonTexts, OpenSubShell) {
    const std::pair<const char*, const char*> cases[] = {
        {"[Xe]4f^1^3", "4f^1^3"},
        {"[Ar]3d^4", "3d^4"},
        {"[Ar]", ""},
        {"[Ar]3d^54s^1", "4s^1"},
        {"[Ar]3d^1^0", "3d^1^0"},
        {"[Xe]4f^1^45d^1", "5d^1"},
        {"^1", ""},
        {"", ""},
    };
    for (const auto& [text, shell] : cases)
        EXPECT_EQ(openSubShell(text), shell) << text;
}

TEST(IonTexts, FractionsGoWhollyIntoTheSubscript) {
    EXPECT_EQ(subscriptFraction("9/2"), "9_/_2");
    EXPECT_EQ(subscriptFraction("11/2"), "1_1_/_2");
    EXPECT_EQ(subscriptFraction("15/2"), "1_5_/_2");
    EXPECT_EQ(subscriptFraction("4"), "4");

    TermValues nine{6, 1.5, 4.5, 0, 10}; // Nd3+ 4f^3
    EXPECT_EQ(termLines(nine, 2).ground, "ground multiplet: ^4I_9_/_2");
    TermValues eleven{5, 0.5, 5.5, 0, 12};
    EXPECT_EQ(termLines(eleven, 2).quantumNumbers, "L=5; S=1/2; J=11/2");
    EXPECT_EQ(termLines(eleven, 2).ground, "ground multiplet: ^2H_1_1_/_2");
}

TEST(IonTexts, DocumentedTileLines) {
    struct Case {
        const char* configuration;
        int baza;
        const char* quantumNumbers;
        const char* ground;
    };
    const Case cases[] = {
        {"4f^1^1", 2, "L=6; S=3/2; J=15/2", "ground multiplet: ^4I_1_5_/_2"},
        {"4f^2", 2, "L=5; S=1; J=4", "ground multiplet: ^3H_4"},
        {"3d^3", 1, "L=3; S=3/2", "ground term: ^4F"},
        {"4f^3", 2, "L=6; S=3/2; J=9/2", "ground multiplet: ^4I_9_/_2"},
    };
    for (const Case& c : cases) {
        TVariables vars;
        vars.baza = static_cast<std::uint8_t>(c.baza);
        const TermLines lines = chowajConfiguration(vars, c.configuration);
        EXPECT_EQ(lines.quantumNumbers, c.quantumNumbers);
        EXPECT_EQ(lines.ground, c.ground);
    }
}

TEST(IonTexts, NotAConfigurationGivesNoLines) {
    TVariables vars;
    const TermLines lines = chowajConfiguration(vars, "4x");
    EXPECT_EQ(lines.quantumNumbers, "");
    EXPECT_EQ(lines.ground, "");
    EXPECT_EQ(vars.elemmask, std::string(kMaskAllRanks));
}

TEST(ElementMask, ByShellBasisAndCount) {
    struct Case {
        char orbital;
        int baza;
        int electrons;
        std::string_view mask;
    };
    const Case cases[] = {
        {'d', 1, 4, kMaskRanks24},  {'d', 2, 4, kMaskNone},    {'d', 1, 5, kMaskNone},
        {'d', 1, 10, kMaskNone},    {'d', 2, 9, kMaskRanks24}, {'f', 1, 1, kMaskAllRanks},
        {'f', 2, 1, kMaskRanks24},  {'f', 2, 5, kMaskRanks24}, {'f', 2, 6, kMaskNone},
        {'f', 1, 6, kMaskAllRanks}, {'f', 1, 7, kMaskNone},    {'f', 2, 13, kMaskAllRanks},
        {'f', 3, 1, kMaskRanks24},  {'f', 1, 15, kMaskNone},   {'s', 1, 1, kMaskAllRanks},
        {'p', 2, 3, kMaskAllRanks},
    };
    for (const Case& c : cases)
        EXPECT_EQ(elementMask(c.orbital, c.baza, c.electrons), std::string(c.mask))
            << c.orbital << " baza " << c.baza << " c " << c.electrons;
}

TEST(IonButtons, CaptionsMarksAndLimit) {
    const auto buttons = ionButtonItems("0, +2*,+3*,,+6");
    ASSERT_EQ(buttons.size(), 5u);
    EXPECT_EQ(buttons[1].caption, "+2");
    EXPECT_TRUE(buttons[1].usual);
    EXPECT_EQ(buttons[3].caption, "");
    EXPECT_EQ(ionButtonItems("1,2,3,4,5,6,7,8,9").size(), 8u);
    EXPECT_EQ(chargeText(3), "+3");
    EXPECT_EQ(chargeText(0), "0");
    EXPECT_EQ(chargeText(-1), "-1");
}
