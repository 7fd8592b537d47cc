#pragma once

#include "resultdata/element_table.h"
#include "resultdata/result_variables.h"
#include "resultdata/term_values.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vintrel {

/// The element masks: no coefficient, ranks 2 and 4, ranks 2, 4 and 6.
inline constexpr std::string_view kMaskNone = "000000000000000000000000000";
inline constexpr std::string_view kMaskRanks24 = "111111111111110000000000000";
inline constexpr std::string_view kMaskAllRanks = "111111111111111111111111111";

/// The element mask for an open shell: by the table of the "d" and "f" shells, basis (1, any
/// other value counting as 2) and electron count; any other shell letter allows every slot. A
/// count beyond the shell's capacity names no ion and allows no slot.
masktype elementMask(char orbital, int baza, int electrons);

/// The items of a comma-separated text; empty items count ("" gives one empty item).
std::vector<std::string> splitItems(std::string_view text);

/// One ion button: its caption without the usual-charge mark, and whether it had the mark.
struct IonButtonItem {
    std::string caption;
    bool usual = false;
};

/// The ion buttons of a charges text: blanks removed, split at commas, at most eight.
std::vector<IonButtonItem> ionButtonItems(std::string_view charges);

/// The last sub-shell of a configuration: "[Xe]4f^1^3" gives "4f^1^3", "[Ar]3d^54s^1" gives
/// "4s^1", "[Ar]" (no electron count) gives an empty text.
std::string openSubShell(std::string_view configuration);

/// A half-integer quantum number as text: "3", "1/2", "15/2".
std::string quantumNumberText(double value);

/// A J text with its fraction marked as subscript: "9/2" gives "9_/_2", "11/2" gives
/// "1_1_/_2"; a text without "/" is returned unchanged.
std::string subscriptFraction(const std::string& jText);

/// The quantum-number line and the ground-term (or ground-multiplet) line of the element tile.
struct TermLines {
    std::string quantumNumbers;
    std::string ground;
};

/// The two lines for a term in basis `baza` (2: the |J,Jz> basis, with J and the multiplet).
TermLines termLines(const TermValues& term, int baza);

/// `chowaj`: sets `elemmask` for the configuration and gives the tile's two lines. An empty
/// configuration allows every slot and gives no lines; so does one that is not a valid
/// open-shell text (its lines stay empty).
TermLines chowajConfiguration(TVariables& vars, const std::string& configuration);

/// What an ion choice (button `tag` with `caption`) shows on the tile.
struct IonChoice {
    /// The element has ion configurations; without them the variables stay unchanged.
    bool applies = false;
    /// The configuration caption of the tile.
    std::string configurationCaption;
};

/// Steps 4 to 7 of the ion click: `ionisation`, `_ionvalue` and `siconf` (reduced to its last
/// sub-shell) from the element row's ion configurations.
IonChoice chooseIon(TVariables& vars, const ElementRow& row, int tag, std::string_view caption);

/// The charge as the small parameter view writes it: "+3", "0", "-1".
std::string chargeText(int charge);

} // namespace vintrel
