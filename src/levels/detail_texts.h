#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vintrel {

/// The most lines a detail window is given; a text with more is damaged and its reading
/// throws InputError naming the file and line.
inline constexpr std::size_t kMostDetailLines = 100000;

/// The lines the energy window shows for block n of "o_E.dup" text (n < 0 counts as 0): the
/// x marker line from its first "E" after the marker (the column header), then every
/// non-empty line up to the eigenvector marker, the y and z marker lines trimmed to their
/// header the same way. Nothing when the x marker is missing.
std::vector<std::string> eigenenergyLines(std::string_view content, int block);

/// The lines the eigenvector window shows: those after the "*n*" marker up to the first empty
/// line or next x marker, or to the end of the file.
std::vector<std::string> eigenvectorLines(std::string_view content, int block);

/// The lines the scattering window shows: those after the "*n*" marker of "o_neu.dup" to the
/// end of the file.
std::vector<std::string> scatteringLines(std::string_view content, int block);

/// The same from the files of a result folder ("o_E.dup", "o_neu.dup"); a missing or empty
/// file throws InputError "Cannot open file <path>".
std::vector<std::string> readEigenenergyLines(const std::filesystem::path& folder, int block);
std::vector<std::string> readEigenvectorLines(const std::filesystem::path& folder, int block);
std::vector<std::string> readScatteringLines(const std::filesystem::path& folder, int block);

/// The base name of a basis: "|L,Lz,S,Sz>" (1) or "|J,Jz>" (2).
std::string baseName(int baza);

/// Headings of the detail windows opened from the level page.
std::string eigenenergyHeading(const std::string& siconf, int baza);
std::string eigenvectorHeading(const std::string& siconf, int baza);
inline constexpr const char* kScatteringHeading = "Matrix elements between eigenstates ";

} // namespace vintrel

namespace vintrel {

/// A window's frame on the screen.
struct WindowFrame {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

/// Keeps a detail window on a screen of the given size: a window reaching below the screen
/// gets two thirds of the screen height (div 3 × 2) and top 20, or is centred vertically with
/// `centreVertically`; a window reaching past the right edge gets two thirds of the screen
/// width and is centred horizontally.
WindowFrame keepOnScreen(WindowFrame frame, int screenWidth, int screenHeight,
                         bool centreVertically);

} // namespace vintrel
