#pragma once

#include "base/binary_file.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vintrel {

/// A malformed or truncated input file; the text names the file and the line.
class InputError : public FileError {
public:
    using FileError::FileError;
};

/// The line reader that every ".dup" reader shares. The whole file is read on construction
/// (and closed at once); values are then taken line by line: the first number of a line, or the
/// first numbers of a row separated by blanks, the rest of the line being ignored. Numbers use
/// "." whatever the locale. Line ends may be "\n" or "\r\n". Every failure throws InputError
/// with the file and the line number.
class DupReader {
public:
    /// Reads the file; throws InputError("Cannot open file <path>") when it cannot be read.
    explicit DupReader(const std::filesystem::path& path);
    /// Reads text held in memory; `name` stands for the file in error texts.
    DupReader(std::string name, std::string_view content);

    /// True when no line is left, or only blank ones.
    bool atEnd() const;
    /// True when no line at all is left.
    bool atEndOfFile() const { return next_ >= lines_.size(); }
    /// True when a line is left and it holds nothing but blanks.
    bool nextLineIsBlank() const;
    /// Number of the line taken last, counted from 1; 0 before the first.
    int lineNumber() const { return static_cast<int>(next_); }
    const std::string& name() const { return name_; }
    /// The next line without taking it; empty at the end of the file.
    std::string_view peekLine() const {
        return atEndOfFile() ? std::string_view() : std::string_view(lines_[next_]);
    }

    /// The next line as a whole, without its line end.
    std::string readLine();
    /// The first number of the next line, as a real.
    double readReal();
    /// The first number of the next line, as a whole number.
    std::int64_t readInteger();
    /// The same, checked to lie in the 32-bit range.
    std::int32_t readInt32();
    /// The first `count` numbers of the next line.
    std::vector<double> readRow(std::size_t count);
    /// Skips one line.
    void skipLine() { readLine(); }

    /// Throws InputError "<file>, line <n>: <what>" for the line taken last.
    [[noreturn]] void fail(const std::string& what) const;

private:
    std::string_view nextLine();

    std::string name_;
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
};

/// The bytes of a result file; throws InputError "Cannot open file <path>" when it cannot be
/// read and "File too large: <path>" past 256 MiB.
std::string readWholeFile(const std::filesystem::path& path);

/// The first blank-separated word of a line (blanks and tabs), after leading blanks.
std::string_view firstWord(std::string_view line);

} // namespace vintrel
