#include "levels/detail_texts.h"

#include "levels/level_tables.h"
#include "resultdata/dup_reader.h"

#include <algorithm>

namespace vintrel {

namespace {

// The header part of a marker line: from its first "E" after the marker on.
std::string headerOf(std::string_view line, std::size_t markerLength) {
    const std::size_t start = std::min(markerLength, line.size());
    const std::size_t e = line.find('E', start);
    return std::string(e == std::string_view::npos ? line.substr(start) : line.substr(e));
}

bool isEmptyLine(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

// Adds a line for a window, refusing texts longer than any window is meant to show.
void addLine(std::vector<std::string>& lines, const DupReader& reader, std::string_view line) {
    if (lines.size() >= kMostDetailLines)
        reader.fail("more than " + std::to_string(kMostDetailLines) + " lines to show");
    lines.emplace_back(line);
}

} // namespace

std::vector<std::string> eigenenergyLines(std::string_view content, int block) {
    block = std::max(block, 0);
    std::vector<std::string> lines;
    DupReader reader("o_E.dup", content);
    const std::string marker = blockMarker('x', block);
    std::string_view markerLine;
    while (!reader.atEndOfFile() && !isMarkerLine(markerLine = reader.takeLine(), marker)) {
    }
    if (!isMarkerLine(markerLine, marker))
        return lines;
    lines.push_back(headerOf(markerLine, marker.size()));
    const std::string yMarker = blockMarker('y', block);
    const std::string zMarker = blockMarker('z', block);
    while (!reader.atEndOfFile()) {
        const std::string_view line = reader.takeLine();
        if (line.starts_with('*'))
            break;
        if (isEmptyLine(line))
            continue;
        if (line.starts_with('y') || line.starts_with('z'))
            addLine(lines, reader,
                    headerOf(line, line.starts_with('y') ? yMarker.size() : zMarker.size()));
        else
            addLine(lines, reader, line);
    }
    return lines;
}

std::vector<std::string> eigenvectorLines(std::string_view content, int block) {
    std::vector<std::string> lines;
    DupReader reader("o_E.dup", content);
    if (!findMarker(reader, blockMarker('*', std::max(block, 0))))
        return lines;
    while (!reader.atEndOfFile()) {
        const std::string_view line = reader.takeLine();
        if (line.empty() || line.starts_with('x'))
            break;
        addLine(lines, reader, line);
    }
    return lines;
}

std::vector<std::string> scatteringLines(std::string_view content, int block) {
    std::vector<std::string> lines;
    DupReader reader("o_neu.dup", content);
    if (!findMarker(reader, blockMarker('*', std::max(block, 0))))
        return lines;
    while (!reader.atEndOfFile())
        addLine(lines, reader, reader.takeLine());
    return lines;
}

std::vector<std::string> readEigenenergyLines(const std::filesystem::path& folder, int block) {
    return eigenenergyLines(readRequiredResultFile(folder / kLevelsFile), block);
}

std::vector<std::string> readEigenvectorLines(const std::filesystem::path& folder, int block) {
    return eigenvectorLines(readRequiredResultFile(folder / kLevelsFile), block);
}

std::vector<std::string> readScatteringLines(const std::filesystem::path& folder, int block) {
    return scatteringLines(readRequiredResultFile(folder / kStrengthsFile), block);
}

std::string baseName(int baza) {
    return baza == 2 ? "|J,Jz>" : "|L,Lz,S,Sz>";
}

std::string eigenenergyHeading(const std::string& siconf, int baza) {
    return "Energy levels and corresponding expected values of " + siconf + " in " +
           baseName(baza) + " base";
}

std::string eigenvectorHeading(const std::string& siconf, int baza) {
    return "Eigenfunctions for " + siconf + " in " + baseName(baza) + " base";
}

} // namespace vintrel

namespace vintrel {

WindowFrame keepOnScreen(WindowFrame frame, int screenWidth, int screenHeight,
                         bool centreVertically) {
    if (frame.top + frame.height > screenHeight) {
        frame.height = (screenHeight / 3) * 2;
        frame.top = centreVertically ? (screenHeight - frame.height) / 2 : 20;
    }
    if (frame.left + frame.width > screenWidth) {
        frame.width = (screenWidth / 3) * 2;
        frame.left = (screenWidth - frame.width) / 2;
    }
    return frame;
}

} // namespace vintrel
