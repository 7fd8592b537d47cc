#pragma once

#include "base/binary_file.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vintrel {

/// A container that is refused or found damaged; the text is the viewer's message, with a
/// carriage return before the path.
class ContainerRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr int kHighestMajor = 5;
inline constexpr int kWriterMajor = 5;
inline constexpr int kWriterMinorWithOptional = 5;
inline constexpr int kDescriptionFieldSize = 255;
inline constexpr std::int64_t kFixedHeaderSize = 12 + kDescriptionFieldSize;
/// Files of this size or smaller cannot hold a header.
inline constexpr std::int64_t kSmallestDamagedSize = 262;
/// Longest result or member name the reader accepts; longer ones mark a damaged container.
inline constexpr std::size_t kLongestName = 4096;

inline constexpr const char* kMsgCannotOpen = "Cannot open file:\r";
inline constexpr const char* kMsgDamaged = "Damaged or not Zorvane file:\r";
inline constexpr const char* kMsgNewer =
    "File is from newer Zorvane version and cannot be opened:\r";

struct Version {
    int major = 0;
    int minor = 0;
};

/// Splits a stored version word into major and minor (2, 3 and 4 are the old forms).
Version decodeVersion(std::int32_t word);

struct MemberGroup {
    int number = 0;
    bool optional = false;
    std::vector<std::string> members;
};

/// The member groups present in a container of this kind and version, in stored order.
std::vector<MemberGroup> memberGroups(bool meanField, int major, int minor);

struct ContainerHeader {
    bool meanField = false;
    std::int32_t versionWord = 0;
    int major = 0;
    int minor = 0;
    std::int32_t resultCount = 0;
    /// Windows-1252 bytes, trailing blanks removed.
    std::string description;
    std::int64_t resultsOffset = 0;
};

/// Decodes a 255-byte description field (with or without the 0xFF length byte).
std::string decodeDescriptionField(std::string_view field);
/// Builds the 255-byte description field the writer stores: 0xFF and 254 blank-padded bytes.
std::string encodeDescriptionField(std::string_view description);

struct MemberHeader {
    std::int64_t size = 0;
    /// The stored name: one byte per character.
    std::string name;
};

/// An open container, checked and positioned at its first result record. Reading past the end
/// throws FileError(kReadBeyondEnd); structural damage throws ContainerRefused.
class ContainerReader {
public:
    /// Opens the file at `path` and checks its header in the documented order; throws
    /// ContainerRefused with the viewer's message. Writes the "Analyzing file" log line and then
    /// waits `pause`.
    explicit ContainerReader(const std::filesystem::path& path,
                             std::chrono::milliseconds pause = std::chrono::milliseconds(0));
    /// Reads a container held in memory (for fuzzing); `label` stands in for the path.
    ContainerReader(BinaryFile file, std::string label);

    const ContainerHeader& header() const { return header_; }
    const std::vector<MemberGroup>& groups() const { return groups_; }
    const std::string& label() const { return label_; }
    std::int64_t fileSize() const { return fileSize_; }

    /// Bytes up to the next zero byte (consumed) or the end of the file.
    std::string readZeroTerminatedName();
    /// The size and name of the next member; a size that is negative or runs past the end of
    /// the file marks the container as damaged.
    MemberHeader readMemberHeader();
    /// Streams `size` bytes through a 4096-byte buffer into `target`, or discards them.
    void copyMemberData(std::int64_t size, BinaryFile* target);
    /// Moves past `size` bytes of member data without reading them.
    void skipMemberData(std::int64_t size);
    /// Goes back to the first result record.
    void rewindToResults();
    void close() { file_.close(); }

    [[noreturn]] void damaged() const;

private:
    void checkHeader(std::chrono::milliseconds pause, bool writeLogLine);

    BinaryFile file_;
    std::string label_;
    std::int64_t fileSize_ = 0;
    ContainerHeader header_;
    std::vector<MemberGroup> groups_;
};

struct ListedMember {
    std::string name;
    std::int64_t size = 0;
    int group = 0;
    bool optional = false;
};

struct ListedResult {
    std::string name;
    std::vector<ListedMember> members;
};

/// Walks every result record, reading names and member headers and skipping member data.
std::vector<ListedResult> listResults(ContainerReader& reader);

/// Creates (or truncates) a container and writes its fixed header.
void writeContainerHeader(const std::filesystem::path& path, bool meanField, bool withOptional,
                          std::int32_t resultCount, std::string_view description);
/// Appends one result record built from the files of `resultFolder`.
void appendResultRecord(const std::filesystem::path& path,
                        const std::filesystem::path& resultFolder, std::string_view resultName,
                        bool meanField, bool withOptional);
/// Appends one member record; a missing member file is stored with size 0 (and not created).
void appendMember(const std::filesystem::path& path, const std::filesystem::path& resultFolder,
                  std::string_view memberName);

} // namespace vintrel
