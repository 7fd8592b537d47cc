#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

namespace vintrel {

/// An input/output or file error that ends the current file operation; its text is what the
/// general error handler shows.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The text of a read that ran past the end of a file.
inline constexpr const char* kReadBeyondEnd = "Read beyond end of file";

/// A binary file opened for one operation, with 64-bit positions. Closed on destruction.
class BinaryFile {
public:
    enum class Mode { Read, ReadWrite, CreateTruncate, Append };

    BinaryFile() = default;
    /// Opens the file; returns an unopened object (see isOpen) when the system refuses.
    static BinaryFile open(const std::filesystem::path& path, Mode mode);
    /// Wraps a stream that reads from memory (used by the fuzz targets).
    static BinaryFile fromMemory(const void* data, std::size_t size);

    bool isOpen() const { return file_ != nullptr; }
    /// The system's error code of the failed open, 0 when it succeeded.
    int openError() const { return openError_; }
    void close();

    std::int64_t size();
    std::int64_t position();
    void seek(std::int64_t position);
    void skip(std::int64_t count);

    /// Reads exactly `count` bytes; throws FileError(kReadBeyondEnd) on a short read.
    void readExact(void* buffer, std::size_t count);
    /// Reads up to `count` bytes and returns how many were read.
    std::size_t readSome(void* buffer, std::size_t count);
    /// Reads one byte; returns -1 at the end of the file.
    int readByte();
    void write(const void* data, std::size_t count);
    void flush();

    std::int32_t readInt32();
    std::int64_t readInt64();
    void writeInt32(std::int32_t value);
    void writeInt64(std::int64_t value);

private:
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<char[]> buffer_;
    std::unique_ptr<std::FILE, Closer> file_;
    int openError_ = 0;
    std::string name_;
};

} // namespace vintrel
