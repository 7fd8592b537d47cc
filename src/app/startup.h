#pragma once

#include <array>
#include <filesystem>

namespace vintrel {

/// The log lines of the module start-up steps, in the order they run.
inline constexpr std::array<const char*, 17> kModuleStartupLines = {
    "Logs initialization",
    "Cef_eigenenergy initialization",
    "F_Scattering initialization",
    "Cef_wyk_chi_1x initialization",
    "Cef_wyk_chi initialization",
    "RT_wyk_energy initialization",
    "F_eigenfunctions initialization",
    "SidePanels initialization",
    "Cef_wyk_entr initialization",
    "F_VisibleTabs initialization",
    "Unit8 initialization",
    "Unit9 initialization",
    "Cef_neutrony initialization",
    "RT_wyk_energyD initialization",
    "F_magmoments initialization",
    "Cef_wyk_moment initialization",
    "LeftPanel initialization"};

/// The module start-up steps: creates the working root (one level) and writes the module log
/// lines. Returns false when the working root could not be created (the log then reports it).
bool runModuleStartup(const std::filesystem::path& workingRoot);

/// What start-up does once the windows exist: removes left-over result folders and resets the
/// "input" folder, with their log lines.
void clearPreviousRun(const std::filesystem::path& workingRoot);

} // namespace vintrel
