#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace vintrel {

/// The program that draws reports, beside vintrel-cli.
inline constexpr const char* kReportProgram = "vintrel-report";

/// `vintrel-cli report SOURCE --output FILE.pdf [--result NAME] [--temperatures T1 T2]`
/// (arguments after "report"): unpacks the result into a temporary working root as `data`
/// does and runs the report program of `programFolder` on it, on Qt's offscreen platform
/// unless QT_QPA_PLATFORM says otherwise, so no display is needed. The spectra are drawn at
/// T1 and T2 kelvin (5 and 100 by default). Returns the report program's exit status; throws
/// UsageError for a wrong command line and FileError when the program is missing or fails to
/// start.
int reportCommand(const std::vector<std::string>& args, const std::filesystem::path& programFolder,
                  std::ostream& out);

} // namespace vintrel
