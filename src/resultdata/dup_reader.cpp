#include "resultdata/dup_reader.h"

#include "base/number_text.h"

#include <algorithm>
#include <climits>
#include <fstream>
#include <limits>

namespace vintrel {

namespace fs = std::filesystem;

namespace {

// Result files are small; anything larger is not one of them.
constexpr std::uintmax_t kMaxFileSize = 256u * 1024u * 1024u;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isBlankLine(std::string_view line) {
    return std::all_of(line.begin(), line.end(), isBlank);
}

std::string_view withoutCarriageReturn(std::string_view line) {
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

// The line that starts at `start`: its text without the line end, and where the next begins.
struct LineSpan {
    std::string_view text;
    std::size_t next;
};

LineSpan lineAt(std::string_view content, std::size_t start) {
    const std::size_t end = content.find('\n', start);
    if (end == std::string_view::npos)
        return {withoutCarriageReturn(content.substr(start)), content.size()};
    return {withoutCarriageReturn(content.substr(start, end - start)), end + 1};
}

// Where the run of blank lines at the end of the text starts (the text's size when its last
// line is not blank). Walks backwards, so it costs only the blank tail and one line.
std::size_t blankTailStart(std::string_view content) {
    std::size_t end = content.size();
    while (end > 0) {
        const std::size_t textEnd = content[end - 1] == '\n' ? end - 1 : end;
        const std::size_t newline =
            textEnd == 0 ? std::string_view::npos : content.rfind('\n', textEnd - 1);
        const std::size_t start = newline == std::string_view::npos ? 0 : newline + 1;
        if (!isBlankLine(withoutCarriageReturn(content.substr(start, textEnd - start))))
            return end;
        end = start;
    }
    return 0;
}

// A word of the file for an error text: at most 40 characters, control characters (a NUL
// would end the message) written as "\xNN".
std::string quoted(std::string_view text) {
    constexpr std::size_t kShown = 40;
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string out = "\"";
    for (char c : text.substr(0, kShown)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            out += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]};
        else
            out += c;
    }
    return out + (text.size() > kShown ? "...\"" : "\"");
}

// The bytes of a regular file, at most kMaxFileSize of them.
std::string readBoundedFile(const fs::path& path) {
    std::error_code ec;
    const bool regular = fs::is_regular_file(path, ec);
    const std::uintmax_t size = regular ? fs::file_size(path, ec) : 0;
    std::ifstream in(path, std::ios::binary);
    if (!regular || ec || !in)
        throw InputError("Cannot open file " + path.string());
    if (size > kMaxFileSize)
        throw InputError("File too large: " + path.string());
    std::string content;
    content.reserve(static_cast<std::size_t>(size));
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        content.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (content.size() > kMaxFileSize) // grown since its size was taken
            throw InputError("File too large: " + path.string());
    }
    if (in.bad())
        throw InputError("Cannot read file " + path.string());
    return content;
}

} // namespace

bool resultFilePresent(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return false;
    const std::uintmax_t size = fs::file_size(path, ec);
    return !ec && size > 0;
}

std::optional<std::string> readResultFile(const fs::path& path) {
    if (!resultFilePresent(path))
        return std::nullopt;
    std::string content = readBoundedFile(path);
    if (content.empty()) // emptied since it was looked at
        return std::nullopt;
    return content;
}

std::string readRequiredResultFile(const fs::path& path) {
    if (auto content = readResultFile(path))
        return std::move(*content);
    throw InputError("Cannot open file " + path.string());
}

std::string_view firstWord(std::string_view line) {
    std::size_t start = 0;
    while (start < line.size() && isBlank(line[start]))
        ++start;
    std::size_t end = start;
    while (end < line.size() && !isBlank(line[end]))
        ++end;
    return line.substr(start, end - start);
}

std::string readWholeFile(const fs::path& path) {
    return readBoundedFile(path);
}

DupReader::DupReader(const fs::path& path)
    : DupReader(Tag{}, path.string(), readRequiredResultFile(path)) {}

DupReader::DupReader(std::string name, std::string_view content)
    : DupReader(Tag{}, std::move(name), std::string(content)) {}

DupReader::DupReader(Tag, std::string name, std::string content)
    : name_(std::move(name)), content_(std::move(content)), blankTail_(blankTailStart(content_)) {}

bool DupReader::nextLineIsBlank() const {
    return !atEndOfFile() && isBlankLine(peekLine());
}

std::string_view DupReader::peekLine() const {
    return atEndOfFile() ? std::string_view() : lineAt(content_, next_).text;
}

std::string_view DupReader::nextLine() {
    ++line_;
    if (atEndOfFile())
        fail("unexpected end of file");
    const LineSpan line = lineAt(content_, next_);
    next_ = line.next;
    return line.text;
}

int DupReader::lineNumber() const {
    return static_cast<int>(std::min<std::size_t>(line_, INT_MAX));
}

std::string_view DupReader::takeLine() {
    return nextLine();
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
    throw InputError(name_ + ", line " + std::to_string(line_) + ": " + what);
}

} // namespace vintrel
