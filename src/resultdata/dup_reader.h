#pragma once

#include "base/binary_file.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vintrel {

/// A malformed or truncated input file; the text names the file and the line.
class InputError : public FileError {
public:
    using FileError::FileError;
};

// Presence of a result file. Saving a result stores a file that is absent from its folder as
// a member of size 0, and importing turns that member back into an empty file; so to every
// reader of a result folder a file of zero bytes is a missing file. The three functions below
// are the one place where that rule lives.

/// True when the result file exists and holds at least one byte.
bool resultFilePresent(const std::filesystem::path& path);

/// The bytes of a result file; nullopt when it is missing or empty. Throws InputError
/// "Cannot read file <path>" when it exists but cannot be read and "File too large: <path>"
/// past 256 MiB.
std::optional<std::string> readResultFile(const std::filesystem::path& path);

/// The bytes of a result file that must be there; a missing or empty file throws InputError
/// "Cannot open file <path>".
std::string readRequiredResultFile(const std::filesystem::path& path);

/// The line reader that every ".dup" reader shares. The text is held whole (the file is read
/// and closed on construction); values are then taken line by line: the first number of a
/// line, or the first numbers of a row separated by blanks, the rest of the line being
/// ignored. Numbers use "." whatever the locale. Line ends may be "\n" or "\r\n"; a lone "\r"
/// is part of its line. Lines are found as they are taken, so no line costs more memory than
/// its bytes. Every failure throws InputError with the file and the line number.
class DupReader {
public:
    /// Reads a result file (readRequiredResultFile): a missing or empty file throws InputError
    /// "Cannot open file <path>".
    explicit DupReader(const std::filesystem::path& path);
    /// Reads text held in memory; `name` stands for the file in error texts.
    DupReader(std::string name, std::string_view content);

    /// True when no line is left, or only blank ones.
    bool atEnd() const { return next_ >= blankTail_; }
    /// True when no line at all is left.
    bool atEndOfFile() const { return next_ >= content_.size(); }
    /// True when a line is left and it holds nothing but blanks.
    bool nextLineIsBlank() const;
    /// Number of the line taken last, counted from 1; 0 before the first.
    int lineNumber() const;
    const std::string& name() const { return name_; }
    /// The next line without taking it and without its line end; empty at the end of the file.
    std::string_view peekLine() const;

    /// The next line as a whole, without its line end.
    std::string readLine();
    /// The same without a copy; the text lives as long as the reader.
    std::string_view takeLine();
    /// The first number of the next line, as a real.
    double readReal();
    /// The first number of the next line, as a whole number.
    std::int64_t readInteger();
    /// The same, checked to lie in the 32-bit range.
    std::int32_t readInt32();
    /// The first `count` numbers of the next line.
    std::vector<double> readRow(std::size_t count);
    /// Skips one line.
    void skipLine() { nextLine(); }

    /// Throws InputError "<file>, line <n>: <what>" for the line taken last.
    [[noreturn]] void fail(const std::string& what) const;

private:
    struct Tag {};
    DupReader(Tag, std::string name, std::string content);
    std::string_view nextLine();

    std::string name_;
    std::string content_;
    std::size_t next_ = 0;      ///< where the next line starts
    std::size_t blankTail_ = 0; ///< where the trailing run of blank lines starts
    std::size_t line_ = 0;      ///< lines taken so far
};

/// The bytes of a file; throws InputError "Cannot open file <path>" when it cannot be read and
/// "File too large: <path>" past 256 MiB. Result files are read with readResultFile instead.
std::string readWholeFile(const std::filesystem::path& path);

/// The first blank-separated word of a line (blanks and tabs), after leading blanks.
std::string_view firstWord(std::string_view line);

} // namespace vintrel
