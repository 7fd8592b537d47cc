#include "description/text_format.h"

#include <gtest/gtest.h>

using namespace vintrel;

TEST(EditorFormat, ScriptButtonFollowsTheRaise) {
    const struct {
        int raise;
        Script script;
        ScriptButton button;
    } cases[] = {
        {0, Script::Normal, ScriptButton::Normal},
        {6, Script::Normal, ScriptButton::Superscript},
        {-6, Script::Normal, ScriptButton::Subscript},
        {0, Script::Super, ScriptButton::Superscript},
        {0, Script::Sub, ScriptButton::Subscript},
        {6, Script::Sub, ScriptButton::Superscript},
        {4, Script::Normal, ScriptButton::None},
        {-7, Script::Super, ScriptButton::None},
    };
    for (const auto& c : cases) {
        CharFormat format;
        format.raiseHalfPoints = c.raise;
        format.script = c.script;
        EXPECT_EQ(scriptButtonOf(format), c.button) << c.raise << " " << int(c.script);
    }
}

TEST(EditorFormat, ScriptSizeIsEightyPercentRoundedToHalfPoints) {
    const struct {
        int defaultSize;
        int scriptSize;
    } cases[] = {{20, 16}, {18, 14}, {22, 18}, {25, 20}, {15, 12}, {24, 19}};
    for (const auto& c : cases)
        EXPECT_EQ(scriptSizeHalfPoints(TextDefaults{"Tahoma", c.defaultSize}), c.scriptSize)
            << c.defaultSize;
}

TEST(EditorFormat, ScriptButtonsSetRaiseAndSize) {
    CharFormat format;
    format.bold = true;
    format.script = Script::Super;
    format.sizeHalfPoints = 30;
    const TextDefaults defaults;
    const CharFormat up = withScript(format, ScriptButton::Superscript, defaults);
    EXPECT_EQ(up.raiseHalfPoints, 6);
    EXPECT_EQ(up.sizeHalfPoints, 16);
    EXPECT_EQ(up.script, Script::Normal);
    EXPECT_TRUE(up.bold);
    EXPECT_EQ(scriptButtonOf(up), ScriptButton::Superscript);
    const CharFormat down = withScript(up, ScriptButton::Subscript, defaults);
    EXPECT_EQ(down.raiseHalfPoints, -6);
    EXPECT_EQ(down.sizeHalfPoints, 16);
    const CharFormat normal = withScript(down, ScriptButton::Normal, defaults);
    EXPECT_EQ(normal.raiseHalfPoints, 0);
    EXPECT_EQ(normal.sizeHalfPoints, 20);
    EXPECT_EQ(scriptButtonOf(normal), ScriptButton::Normal);
}

TEST(EditorFormat, SelectionStateIsWhatTheWholeSelectionShares) {
    const TextDefaults defaults;
    CharFormat plain;
    CharFormat bold = plain;
    bold.bold = true;
    CharFormat boldRedArial = bold;
    boldRedArial.colour = TextColour{255, 0, 0};
    boldRedArial.font = "Arial";
    CharFormat raised = bold;
    raised.raiseHalfPoints = 6;
    CharFormat explicitBlackTahoma = plain;
    explicitBlackTahoma.colour = TextColour{0, 0, 0};
    explicitBlackTahoma.font = "Tahoma";

    SelectionState one = selectionState({boldRedArial}, defaults);
    EXPECT_TRUE(one.bold);
    EXPECT_FALSE(one.italic);
    EXPECT_EQ(one.font, "Arial");
    EXPECT_EQ(one.colour, (TextColour{255, 0, 0}));
    EXPECT_EQ(one.script, ScriptButton::Normal);

    SelectionState mixed = selectionState({bold, boldRedArial, raised}, defaults);
    EXPECT_TRUE(mixed.bold);
    EXPECT_FALSE(mixed.font);
    EXPECT_FALSE(mixed.colour);
    EXPECT_EQ(mixed.script, ScriptButton::None);

    SelectionState partlyBold = selectionState({plain, bold}, defaults);
    EXPECT_FALSE(partlyBold.bold);

    // The default font and the automatic colour are the same as naming them.
    SelectionState same = selectionState({plain, explicitBlackTahoma}, defaults);
    EXPECT_EQ(same.font, "Tahoma");
    EXPECT_EQ(same.colour, (TextColour{0, 0, 0}));
}
