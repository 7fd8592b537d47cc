#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vintrel {

/// The parts of an open-shell configuration text such as "4f^1^3".
struct ConfigurationParts {
    int shell = 0;     ///< the first character, a digit
    char orbital = 0;  ///< the second character
    int electrons = 0; ///< the rest, as an integer
};

/// Splits "4f^1^3" into 4, 'f', 13: every "^" is removed, the first character is the shell,
/// the second the orbital, the rest the electron count. nullopt when the shell is not a digit
/// or the rest is not a plain unsigned number.
std::optional<ConfigurationParts> parseConfiguration(std::string_view configuration);

/// The open-shell flag `flag` (1 to 3) for `electrons` in a "d" (0–10) or "f" (0–14) shell;
/// false for other letters, counts and flag numbers.
bool shellFlags(char orbital, int electrons, int flag);

/// `mark` put before every character of `text`: '^' and "12" give "^1^2".
std::string interleaveChar(char mark, std::string_view text);

} // namespace vintrel
