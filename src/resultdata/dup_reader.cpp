#include "resultdata/dup_reader.h"

#include "base/number_text.h"

#include <fstream>
#include <limits>
#include <sstream>

namespace vintrel {

namespace {

// Result files are small; anything larger is not one of them.
constexpr std::uintmax_t kMaxFileSize = 256u * 1024u * 1024u;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isBlankLine(const std::string& line) {
    for (char c : line)
        if (!isBlank(c))
            return false;
    return true;
}

std::vector<std::string> splitLines(std::string_view content) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        if (end == std::string_view::npos)
            end = content.size();
        std::string_view line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

std::string quoted(std::string_view text) {
    constexpr std::size_t kShown = 40;
    if (text.size() > kShown)
        return "\"" + std::string(text.substr(0, kShown)) + "...\"";
    return "\"" + std::string(text) + "\"";
}

} // namespace

std::string_view firstWord(std::string_view line) {
    std::size_t start = 0;
    while (start < line.size() && isBlank(line[start]))
        ++start;
    std::size_t end = start;
    while (end < line.size() && !isBlank(line[end]))
        ++end;
    return line.substr(start, end - start);
}

std::string readWholeFile(const std::filesystem::path& path) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    std::ifstream in(path, std::ios::binary);
    if (ec || !in)
        throw InputError("Cannot open file " + path.string());
    if (size > kMaxFileSize)
        throw InputError("File too large: " + path.string());
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad())
        throw InputError("Cannot read file " + path.string());
    return content.str();
}

DupReader::DupReader(const std::filesystem::path& path)
    : name_(path.string()), lines_(splitLines(readWholeFile(path))) {}

DupReader::DupReader(std::string name, std::string_view content)
    : name_(std::move(name)), lines_(splitLines(content)) {}

bool DupReader::atEnd() const {
    for (std::size_t i = next_; i < lines_.size(); ++i)
        if (!isBlankLine(lines_[i]))
            return false;
    return true;
}

bool DupReader::nextLineIsBlank() const {
    return !atEndOfFile() && isBlankLine(lines_[next_]);
}

std::string_view DupReader::nextLine() {
    if (next_ >= lines_.size()) {
        ++next_;
        fail("unexpected end of file");
    }
    return lines_[next_++];
}

std::string DupReader::readLine() {
    return std::string(nextLine());
}

double DupReader::readReal() {
    return readRow(1).front();
}

std::int64_t DupReader::readInteger() {
    const std::string_view word = firstWord(nextLine());
    if (auto value = parseIntegerDot(word))
        return *value;
    fail(quoted(word) + " is not a valid integer");
}

std::int32_t DupReader::readInt32() {
    const std::int64_t value = readInteger();
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        fail("integer out of range");
    return static_cast<std::int32_t>(value);
}

std::vector<double> DupReader::readRow(std::size_t count) {
    std::string_view rest = nextLine();
    std::vector<double> values;
    values.reserve(count);
    while (values.size() < count) {
        const std::string_view word = firstWord(rest);
        if (word.empty())
            fail(values.empty() ? "number expected" : "too few numbers");
        const auto value = parseRealDot(word);
        if (!value)
            fail(quoted(word) + " is not a valid number");
        values.push_back(*value);
        rest = rest.substr(static_cast<std::size_t>(word.data() + word.size() - rest.data()));
    }
    return values;
}

void DupReader::fail(const std::string& what) const {
    throw InputError(name_ + ", line " + std::to_string(next_) + ": " + what);
}

} // namespace vintrel
