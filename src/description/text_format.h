#pragma once

#include "description/rich_text.h"

#include <optional>
#include <string>
#include <vector>

namespace vintrel {

/// The raise of the editor's superscript (and, lowered, of its subscript): 60 twips, that is 6
/// half points.
inline constexpr int kScriptRaiseHalfPoints = 6;

/// Which of the three script buttons is pressed.
enum class ScriptButton { None, Superscript, Normal, Subscript };

/// The button for a format: "Normal" when it is neither raised nor lowered, "Superscript" for a
/// raise of +60 twips, "Subscript" for −60 twips; a format without raise written as `\super` or
/// `\sub` by another word processor counts as raised or lowered. None for any other raise.
ScriptButton scriptButtonOf(const CharFormat& format);

/// The size in half points of superscript and subscript text: 80 % of the default size (the
/// size in points × 20 × 0.8 twips), rounded to the nearest half point, halves to even.
int scriptSizeHalfPoints(const TextDefaults& defaults);

/// `format` as the script button makes it: raised by +60 twips (superscript), lowered by 60
/// twips (subscript) or neither (normal), at 80 % of the default size for the first two and at
/// the default size for normal. The scaling script of other word processors is cleared.
CharFormat withScript(CharFormat format, ScriptButton button, const TextDefaults& defaults);

/// What the tool bar shows for a selection, from the formats of its runs (for an empty
/// selection, the format the next typed character gets).
struct SelectionState {
    /// The style buttons are pressed when the whole selection has the style.
    bool bold = false;
    bool italic = false;
    bool underline = false;
    /// The script button of the selection; None when its runs differ.
    ScriptButton script = ScriptButton::Normal;
    /// The font of the whole selection (the default font's name for runs in the default
    /// font); nothing when its runs differ.
    std::optional<std::string> font;
    /// The colour of the whole selection, black for the automatic colour; nothing when its runs
    /// differ.
    std::optional<TextColour> colour;
};

SelectionState selectionState(const std::vector<CharFormat>& formats, const TextDefaults& defaults);

} // namespace vintrel
