#pragma once

#include "potential/potential_types.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vintrel {

inline constexpr const char* kPotentialRangeFile = "g_potvis.dup";

/// The range read when a result has no range file yet.
inline constexpr ValueRange kMissingPotentialRange{0, 1};

/// The text of "g_potvis.dup": "Potential range:", "    min        max", then the minimum and
/// the maximum in fixed point with 6 decimals, each right-aligned in 10 characters (wider when
/// needed), separated by one blank; lines end in CR LF. Both ends must be finite: throws
/// std::domain_error otherwise.
std::string potentialRangeText(const ValueRange& range);

/// Writes "g_potvis.dup" into the result folder. Throws std::domain_error for an end that is
/// not finite (nothing is written) and FileError "Cannot create file <path>" when the file
/// cannot be written.
void writePotentialRange(const std::filesystem::path& folder, const ValueRange& range);

/// The range stored in the result folder; nullopt when "g_potvis.dup" is missing or empty, and
/// when it cannot be read: fewer than three lines, or a third line that does not start with
/// two finite numbers. Such a file is then computed and written again by the refresh.
std::optional<ValueRange> readPotentialRange(const std::filesystem::path& folder);

/// The range as the file holds it: each end rounded to 6 decimals and read back. An ordered
/// range (min < max) that the decimals would collapse is widened by whole steps of the sixth
/// decimal outwards until its ends stay apart.
ValueRange rangeAsStored(const ValueRange& range);

/// Writes the range and returns it as read back (rangeAsStored), which is what every later
/// refresh reads: the result is coloured the same way before and after.
ValueRange storePotentialRange(const std::filesystem::path& folder, const ValueRange& range);

/// The range a refresh colours with: the stored one when the folder has a readable range file;
/// otherwise `computed` is stored and used as read back.
ValueRange potentialRangeForRefresh(const std::filesystem::path& folder,
                                    const ValueRange& computed);

} // namespace vintrel
