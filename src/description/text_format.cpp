#include "description/text_format.h"

#include "base/rounding.h"

namespace vintrel {

ScriptButton scriptButtonOf(const CharFormat& format) {
    const int raise = format.raiseHalfPoints;
    if (raise == kScriptRaiseHalfPoints || (raise == 0 && format.script == Script::Super))
        return ScriptButton::Superscript;
    if (raise == -kScriptRaiseHalfPoints || (raise == 0 && format.script == Script::Sub))
        return ScriptButton::Subscript;
    return raise == 0 ? ScriptButton::Normal : ScriptButton::None;
}

int scriptSizeHalfPoints(const TextDefaults& defaults) {
    const int twips = defaults.sizeHalfPoints * 8;
    return roundHalfEven(twips / 10.0);
}

CharFormat withScript(CharFormat format, ScriptButton button, const TextDefaults& defaults) {
    format.script = Script::Normal;
    switch (button) {
    case ScriptButton::Superscript:
        format.raiseHalfPoints = kScriptRaiseHalfPoints;
        format.sizeHalfPoints = scriptSizeHalfPoints(defaults);
        break;
    case ScriptButton::Subscript:
        format.raiseHalfPoints = -kScriptRaiseHalfPoints;
        format.sizeHalfPoints = scriptSizeHalfPoints(defaults);
        break;
    case ScriptButton::Normal:
    case ScriptButton::None:
        format.raiseHalfPoints = 0;
        format.sizeHalfPoints = defaults.sizeHalfPoints;
        break;
    }
    return format;
}

SelectionState selectionState(const std::vector<CharFormat>& formats,
                              const TextDefaults& defaults) {
    SelectionState state;
    if (formats.empty())
        return state;
    state.bold = state.italic = state.underline = true;
    const auto fontOf = [&](const CharFormat& format) {
        return format.font.empty() ? defaults.font : format.font;
    };
    const auto colourOf = [](const CharFormat& format) {
        return format.colour.value_or(TextColour{});
    };
    state.script = scriptButtonOf(formats.front());
    state.font = fontOf(formats.front());
    state.colour = colourOf(formats.front());
    for (const CharFormat& format : formats) {
        state.bold = state.bold && format.bold;
        state.italic = state.italic && format.italic;
        state.underline = state.underline && format.underline;
        if (scriptButtonOf(format) != state.script)
            state.script = ScriptButton::None;
        if (state.font && fontOf(format) != *state.font)
            state.font.reset();
        if (state.colour && colourOf(format) != *state.colour)
            state.colour.reset();
    }
    return state;
}

} // namespace vintrel
