#include "base/binary_file.h"

#include <cerrno>
#include <cstring>

namespace vintrel {

namespace {
constexpr std::size_t kStreamBuffer = 64 * 1024;

const char* modeString(BinaryFile::Mode mode) {
    switch (mode) {
    case BinaryFile::Mode::Read:
        return "rb";
    case BinaryFile::Mode::ReadWrite:
        return "r+b";
    case BinaryFile::Mode::CreateTruncate:
        return "wb";
    case BinaryFile::Mode::Append:
        return "ab";
    }
    return "rb";
}
} // namespace

BinaryFile BinaryFile::open(const std::filesystem::path& path, Mode mode) {
    BinaryFile result;
    result.name_ = path.string();
    errno = 0;
    std::FILE* f = std::fopen(path.c_str(), modeString(mode));
    if (!f) {
        result.openError_ = errno != 0 ? errno : EIO;
        return result;
    }
    result.buffer_ = std::make_unique<char[]>(kStreamBuffer);
    std::setvbuf(f, result.buffer_.get(), _IOFBF, kStreamBuffer);
    result.file_.reset(f);
    // A folder opens as a FILE on Linux; it is not a file we can use.
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        result.file_.reset();
        result.openError_ = EISDIR;
    }
    return result;
}

BinaryFile BinaryFile::fromMemory(const void* data, std::size_t size) {
    BinaryFile result;
    result.name_ = "(memory)";
    if (size == 0) {
        result.file_.reset(std::tmpfile());
    } else {
        result.file_.reset(fmemopen(const_cast<void*>(data), size, "rb"));
    }
    if (!result.file_)
        result.openError_ = errno != 0 ? errno : EIO;
    return result;
}

void BinaryFile::close() {
    if (file_) {
        std::FILE* f = file_.release();
        if (std::fclose(f) != 0)
            throw FileError("Cannot close file " + name_);
    }
}

std::int64_t BinaryFile::size() {
    const std::int64_t here = position();
    if (fseeko(file_.get(), 0, SEEK_END) != 0)
        throw FileError("Seek error in " + name_);
    const std::int64_t end = position();
    seek(here);
    return end;
}

std::int64_t BinaryFile::position() {
    const off_t pos = ftello(file_.get());
    if (pos < 0)
        throw FileError("Seek error in " + name_);
    return pos;
}

void BinaryFile::seek(std::int64_t position) {
    if (position < 0 || fseeko(file_.get(), static_cast<off_t>(position), SEEK_SET) != 0)
        throw FileError("Seek error in " + name_);
}

void BinaryFile::skip(std::int64_t count) {
    seek(position() + count);
}

void BinaryFile::readExact(void* buffer, std::size_t count) {
    if (count == 0)
        return;
    if (std::fread(buffer, 1, count, file_.get()) != count)
        throw FileError(kReadBeyondEnd);
}

std::size_t BinaryFile::readSome(void* buffer, std::size_t count) {
    return std::fread(buffer, 1, count, file_.get());
}

int BinaryFile::readByte() {
    const int c = std::getc(file_.get());
    return c == EOF ? -1 : c;
}

void BinaryFile::write(const void* data, std::size_t count) {
    if (count != 0 && std::fwrite(data, 1, count, file_.get()) != count)
        throw FileError("Disk write error in " + name_ + ": " + std::strerror(errno));
}

void BinaryFile::flush() {
    if (std::fflush(file_.get()) != 0)
        throw FileError("Disk write error in " + name_ + ": " + std::strerror(errno));
}

std::int32_t BinaryFile::readInt32() {
    unsigned char b[4];
    readExact(b, 4);
    const std::uint32_t v = std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 |
                            std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24;
    return static_cast<std::int32_t>(v);
}

std::int64_t BinaryFile::readInt64() {
    unsigned char b[8];
    readExact(b, 8);
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = v << 8 | b[i];
    return static_cast<std::int64_t>(v);
}

void BinaryFile::writeInt32(std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    const unsigned char b[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                                static_cast<unsigned char>(v >> 16),
                                static_cast<unsigned char>(v >> 24)};
    write(b, 4);
}

void BinaryFile::writeInt64(std::int64_t value) {
    auto v = static_cast<std::uint64_t>(value);
    unsigned char b[8];
    for (unsigned char& byte : b) {
        byte = static_cast<unsigned char>(v);
        v >>= 8;
    }
    write(b, 8);
}

} // namespace vintrel
