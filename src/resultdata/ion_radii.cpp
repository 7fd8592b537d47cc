#include "resultdata/ion_radii.h"

#include "base/file_utils.h"
#include "base/number_text.h"
#include "resultdata/dup_reader.h"

#include <limits>

namespace vintrel {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view leftTrimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

// Takes the next field: leading blanks removed, cut at the next blank.
std::string_view takeField(std::string_view& rest) {
    rest = leftTrimmed(rest);
    const std::string_view field = firstWord(rest);
    rest.remove_prefix(field.size());
    return field;
}

double realField(DupReader& in, std::string_view& rest) {
    const std::string_view field = takeField(rest);
    const auto value = parseRealDot(field);
    if (!value)
        in.fail("\"" + std::string(field) + "\" is not a valid number");
    return *value;
}

radRec radiusLine(DupReader& in, std::string_view line) {
    radRec r;
    r.line = in.lineNumber();
    r.elem = std::string(firstWord(line));
    std::string_view rest = line.substr(r.elem.size());
    const std::string_view charge = takeField(rest);
    const auto ion = parseIntegerDot(charge);
    if (!ion || *ion < std::numeric_limits<int>::min() || *ion > std::numeric_limits<int>::max())
        in.fail("\"" + std::string(charge) + "\" is not a valid integer");
    r.ion = static_cast<int>(*ion);
    r.r2 = realField(in, rest);
    r.r4 = realField(in, rest);
    r.r6 = realField(in, rest);
    r.ref = std::string(leftTrimmed(rest));
    return r;
}

bibRec referenceLine(int number, std::string_view line) {
    const std::size_t close = line.find(']');
    const std::size_t end = close == std::string_view::npos ? line.size() : close + 1;
    return {number, std::string(line.substr(0, end)), std::string(leftTrimmed(line.substr(end)))};
}

void appendTitles(IonRadiiTable& table) {
    for (radRec& r : table.radii) {
        const std::size_t close = r.ref.find(']');
        if (r.ref.empty() || r.ref.front() != '[' || close == std::string::npos)
            continue;
        const std::string_view key = std::string_view(r.ref).substr(0, close + 1);
        for (const bibRec& b : table.references) {
            if (equalIgnoringCase(b.item, key)) {
                if (!b.title.empty())
                    r.ref += " " + b.title;
                break;
            }
        }
    }
}

} // namespace

IonRadiiTable parseIonRadii(const std::string& name, std::string_view content) {
    DupReader in(name, content);
    IonRadiiTable table;
    while (!in.atEnd()) {
        const std::string raw = in.readLine();
        const std::string_view line = trimmed(raw);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[')
            table.references.push_back(referenceLine(in.lineNumber(), line));
        else
            table.radii.push_back(radiusLine(in, line));
    }
    appendTitles(table);
    return table;
}

IonRadiiTable loadIonRadii(const std::filesystem::path& dataFolder,
                           const std::filesystem::path& workingRoot) {
    const std::filesystem::path file = copyWhenMissing(dataFolder, workingRoot, kIonRadiiFile);
    return parseIonRadii(file.string(), readWholeFile(file));
}

IonRadii findIonRadii(const IonRadiiTable& table, std::string_view symbol, int charge) {
    for (const radRec& r : table.radii)
        if (r.ion == charge && equalIgnoringCase(r.elem, symbol))
            return {r.r2, r.r4, r.r6, r.ref};
    return {};
}

std::vector<std::string> referenceListing(const IonRadiiTable& table) {
    std::vector<std::string> lines;
    for (const bibRec& b : table.references)
        lines.push_back(b.item + " " + b.title);
    return lines;
}

IonRadiiTable& sharedIonRadii() {
    static IonRadiiTable instance;
    return instance;
}

} // namespace vintrel
