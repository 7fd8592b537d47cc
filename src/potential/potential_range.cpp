#include "potential/potential_range.h"

#include "base/atomic_file.h"
#include "base/format_dot.h"
#include "base/number_text.h"
#include "resultdata/dup_reader.h"

#include <cmath>
#include <stdexcept>

namespace vintrel {

namespace {

std::string fixedText(double value) {
    return formatDot("%10.6f", value);
}

double readBack(double value) {
    return strToFloatDot(fixedText(value));
}

} // namespace

std::string potentialRangeText(const ValueRange& range) {
    if (!std::isfinite(range.min) || !std::isfinite(range.max))
        throw std::domain_error("the potential range must be finite");
    return "Potential range:\r\n    min        max\r\n" + fixedText(range.min) + " " +
           fixedText(range.max) + "\r\n";
}

void writePotentialRange(const std::filesystem::path& folder, const ValueRange& range) {
    const std::string text = potentialRangeText(range);
    writeFileAtomically(folder / kPotentialRangeFile, text);
}

std::optional<ValueRange> readPotentialRange(const std::filesystem::path& folder) {
    const auto path = folder / kPotentialRangeFile;
    try {
        const auto content = readResultFile(path);
        if (!content)
            return std::nullopt;
        DupReader reader(path.string(), *content);
        reader.skipLine();
        reader.skipLine();
        const std::vector<double> ends = reader.readRow(2);
        if (!std::isfinite(ends[0]) || !std::isfinite(ends[1]))
            return std::nullopt;
        return ValueRange{ends[0], ends[1]};
    } catch (const InputError&) {
        return std::nullopt;
    }
}

ValueRange rangeAsStored(const ValueRange& range) {
    ValueRange stored{readBack(range.min), readBack(range.max)};
    if (!(range.min < range.max))
        return stored;
    // Ends that collapsed were rounded inwards; each steps outwards by one sixth decimal, which
    // puts it on the far side of the end it came from.
    for (int step = 0; step < 4 && !(stored.min < stored.max); ++step) {
        if (stored.max < range.max)
            stored.max = readBack(stored.max + 1e-6);
        else if (stored.min > range.min)
            stored.min = readBack(stored.min - 1e-6);
    }
    return stored;
}

ValueRange storePotentialRange(const std::filesystem::path& folder, const ValueRange& range) {
    const ValueRange stored = rangeAsStored(range);
    writePotentialRange(folder, stored);
    return stored;
}

ValueRange potentialRangeForRefresh(const std::filesystem::path& folder,
                                    const ValueRange& computed) {
    if (const auto stored = readPotentialRange(folder))
        return *stored;
    return storePotentialRange(folder, computed);
}

} // namespace vintrel
