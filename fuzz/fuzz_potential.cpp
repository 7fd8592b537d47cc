// Feeds arbitrary bytes to the readers of the potential pages: the range file "g_potvis.dup"
// (byte 0 even) and the moment table "d_moment.dup" (byte 0 odd), read from a result folder.
// A damaged range file must read as no range, never as a range with an end that is not finite;
// a moment table may be refused with InputError; the trail built from it must keep its promises.
#include "potential/moment_trail.h"
#include "potential/potential_range.h"
#include "resultdata/dup_reader.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>

namespace {

using namespace vintrel;
namespace fs = std::filesystem;

void check(bool promise) {
    if (!promise)
        std::abort();
}

const fs::path& scratch() {
    static const fs::path dir = [] {
        std::string pattern = (fs::temp_directory_path() / "vintrel-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        return fs::path(pattern);
    }();
    return dir;
}

void writeBytes(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void readRange(std::string_view content) {
    writeBytes(scratch() / kPotentialRangeFile, content);
    const auto stored = readPotentialRange(scratch());
    if (stored)
        check(std::isfinite(stored->min) && std::isfinite(stored->max));
    const ValueRange used = potentialRangeForRefresh(scratch(), {-1.5, 2.5});
    check(std::isfinite(used.min) && std::isfinite(used.max));
    check(readPotentialRange(scratch()) == used);
}

void readMoments(std::string_view content, int steps) {
    writeBytes(scratch() / kMomentFile, content);
    MomentTable table;
    try {
        table = readMomentTable(scratch());
    } catch (const InputError&) {
        return;
    }
    check(table.size() <= kMaxMomentRows);
    const MomentSlider slider = temperatureSliderFor(table);
    check(slider.enabled == !table.empty());
    check(!slider.enabled || slider.maximum == static_cast<int>(table.size()) - 1);
    for (int k : {0, slider.maximum / 2, slider.maximum, slider.maximum + 3}) {
        const MomentTrail trail = momentTrail(table, {k, steps, 1.0, 5, 3});
        check(trail.size() <= table.size());
        check(table.empty() == (trail.size() == 0));
        for (std::size_t u = 0; u < trail.size(); ++u)
            check(trail.colorR[u] >= 0 && trail.colorR[u] <= 1 && trail.colorB[u] >= 0 &&
                  trail.colorB[u] <= 1);
        momentCaptions(table, k, 2.5);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size < 1)
        return 0;
    const std::string_view content(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] % 2 == 0)
        readRange(content);
    else
        readMoments(content, data[0] / 2 % 24 - 2);
    return 0;
}
