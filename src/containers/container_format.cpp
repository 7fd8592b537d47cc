#include "containers/container_format.h"

#include "base/log.h"

#include <algorithm>
#include <thread>

namespace vintrel {

namespace {

const std::vector<std::string> kGroup1 = {
    "input_e.dup", "input_an.dup", "input_s.dup", "o_chi_x.dup",  "o_chi_y.dup", "o_chi_z.dup",
    "o_E.dup",     "o_neu.dup",    "o_spc.dup",   "d_moment.dup", "d_temp.dup",  "descr.dup"};
const std::vector<std::string> kGroup2 = {"input_bn.dup", "o_ham.dup"};
const std::vector<std::string> kGroup3 = {"g_E.dup", "g_chi.dup", "g_invchi.dup", "g_spech.dup"};
const std::vector<std::string> kGroup4 = {"g_spectro.dup", "o_spectro.dup"};
const std::vector<std::string> kGroup5 = {"o_lsspec.dup"};
const std::vector<std::string> kGroup6 = {
    "input_e.dup", "input_an.dup", "input_bn.dup", "input_s.dup", "o_chi_x.dup",
    "o_chi_y.dup", "o_chi_z.dup",  "o_E.dup",      "o_spc.dup",   "descr.dup",
    "d_temp.dup",  "d_moment.dup", "d_aniso.dup"};
const std::vector<std::string> kGroup7 = {"g_E.dup",     "g_chi.dup",  "g_invchi.dup",
                                          "g_spech.dup", "g_entr.dup", "g_moment.dup",
                                          "g_aniso.dup"};

constexpr std::size_t kReadChunk = 4096;
constexpr std::size_t kWriteChunk = 8192;

std::string withPath(const char* message, const std::string& path) {
    return message + path;
}

} // namespace

Version decodeVersion(std::int32_t word) {
    switch (word) {
    case 2:
        return {2, 0};
    case 3:
        return {3, 3};
    case 4:
        return {4, 4};
    default:
        return {word / 10, word % 10};
    }
}

std::vector<MemberGroup> memberGroups(bool meanField, int major, int minor) {
    std::vector<MemberGroup> groups;
    if (meanField) {
        groups.push_back({6, false, kGroup6});
        if (minor >= 3)
            groups.push_back({7, true, kGroup7});
        return groups;
    }
    groups.push_back({1, false, kGroup1});
    if (major >= 5)
        groups.push_back({2, false, kGroup2});
    if (minor >= 3)
        groups.push_back({3, true, kGroup3});
    if (minor >= 4)
        groups.push_back({4, true, kGroup4});
    if (minor >= 5)
        groups.push_back({5, true, kGroup5});
    return groups;
}

std::string decodeDescriptionField(std::string_view field) {
    if (field.size() < static_cast<std::size_t>(kDescriptionFieldSize))
        return {};
    std::string_view text =
        static_cast<unsigned char>(field[0]) == 0xFF ? field.substr(1, 254) : field.substr(0, 254);
    const auto last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string encodeDescriptionField(std::string_view description) {
    std::string text(description.substr(0, std::min<std::size_t>(description.size(), 255)));
    text.resize(255, ' ');
    return '\xFF' + text.substr(0, 254);
}

ContainerReader::ContainerReader(const std::filesystem::path& path, std::chrono::milliseconds pause)
    : label_(path.string()) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec))
        file_ = BinaryFile::open(path, BinaryFile::Mode::Read);
    if (!file_.isOpen())
        throw ContainerRefused(withPath(kMsgCannotOpen, label_));
    checkHeader(pause, true);
}

ContainerReader::ContainerReader(BinaryFile file, std::string label)
    : file_(std::move(file)), label_(std::move(label)) {
    if (!file_.isOpen())
        throw ContainerRefused(withPath(kMsgCannotOpen, label_));
    checkHeader(std::chrono::milliseconds(0), false);
}

void ContainerReader::damaged() const {
    throw ContainerRefused(withPath(kMsgDamaged, label_));
}

void ContainerReader::checkHeader(std::chrono::milliseconds pause, bool writeLogLine) {
    fileSize_ = file_.size();
    if (fileSize_ <= kSmallestDamagedSize)
        damaged();
    unsigned char magic[8];
    file_.readExact(magic, 4);
    if (magic[1] == 0) {
        file_.readExact(magic + 4, 4);
        magic[1] = magic[2];
        magic[2] = magic[4];
        magic[3] = magic[6];
    }
    header_.versionWord = file_.readInt32();
    const Version version = decodeVersion(header_.versionWord);
    header_.major = version.major;
    header_.minor = version.minor;
    const std::string_view magicText(reinterpret_cast<const char*>(magic), 4);
    if (magicText == "ZRVN")
        header_.meanField = false;
    else if (magicText == "ZMFA")
        header_.meanField = true;
    else
        damaged();
    if (header_.major > kHighestMajor)
        throw ContainerRefused(withPath(kMsgNewer, label_));
    if (writeLogLine)
        writeLog("Analyzing file " + label_);
    if (pause.count() > 0)
        std::this_thread::sleep_for(pause);

    header_.resultCount = file_.readInt32();
    std::string field(kDescriptionFieldSize, '\0');
    file_.readExact(field.data(), field.size());
    header_.description = decodeDescriptionField(field);
    header_.resultsOffset = file_.position();
    groups_ = memberGroups(header_.meanField, header_.major, header_.minor);

    // A record holds at least a zero byte and, per member, 8 size bytes and a zero byte.
    std::int64_t smallestRecord = 1;
    for (const MemberGroup& group : groups_)
        smallestRecord += 9 * static_cast<std::int64_t>(group.members.size());
    if (header_.resultCount < 0 ||
        header_.resultCount > (fileSize_ - header_.resultsOffset) / smallestRecord)
        damaged();
}

std::string ContainerReader::readZeroTerminatedName() {
    std::string name;
    for (;;) {
        const int c = file_.readByte();
        if (c <= 0)
            break;
        if (name.size() >= kLongestName)
            damaged();
        name += static_cast<char>(c);
    }
    return name;
}

MemberHeader ContainerReader::readMemberHeader() {
    MemberHeader member;
    member.size = file_.readInt64();
    member.name = readZeroTerminatedName();
    if (member.size < 0 || member.size > fileSize_ - file_.position())
        damaged();
    return member;
}

void ContainerReader::copyMemberData(std::int64_t size, BinaryFile* target) {
    char buffer[kReadChunk];
    while (size > 0) {
        const auto chunk = static_cast<std::size_t>(std::min<std::int64_t>(size, kReadChunk));
        file_.readExact(buffer, chunk);
        if (target)
            target->write(buffer, chunk);
        size -= static_cast<std::int64_t>(chunk);
    }
}

void ContainerReader::skipMemberData(std::int64_t size) {
    file_.skip(size);
}

void ContainerReader::rewindToResults() {
    file_.seek(header_.resultsOffset);
}

std::vector<ListedResult> listResults(ContainerReader& reader) {
    std::vector<ListedResult> results;
    reader.rewindToResults();
    for (std::int32_t r = 0; r < reader.header().resultCount; ++r) {
        ListedResult result;
        result.name = reader.readZeroTerminatedName();
        for (const MemberGroup& group : reader.groups()) {
            for (std::size_t m = 0; m < group.members.size(); ++m) {
                MemberHeader member = reader.readMemberHeader();
                reader.skipMemberData(member.size);
                result.members.push_back(
                    {std::move(member.name), member.size, group.number, group.optional});
            }
        }
        results.push_back(std::move(result));
    }
    return results;
}

void writeContainerHeader(const std::filesystem::path& path, bool meanField, bool withOptional,
                          std::int32_t resultCount, std::string_view description) {
    BinaryFile file = BinaryFile::open(path, BinaryFile::Mode::CreateTruncate);
    if (!file.isOpen())
        throw FileError("Cannot create file " + path.string());
    file.write(meanField ? "ZMFA" : "ZRVN", 4);
    file.writeInt32(kWriterMajor * 10 + (withOptional ? kWriterMinorWithOptional : 0));
    file.writeInt32(resultCount);
    const std::string field = encodeDescriptionField(description);
    file.write(field.data(), field.size());
    file.close();
}

void appendResultRecord(const std::filesystem::path& path,
                        const std::filesystem::path& resultFolder, std::string_view resultName,
                        bool meanField, bool withOptional) {
    {
        BinaryFile file = BinaryFile::open(path, BinaryFile::Mode::Append);
        if (!file.isOpen())
            throw FileError("Cannot open file " + path.string());
        const std::string_view name =
            resultName.substr(0, std::min<std::size_t>(resultName.size(), 255));
        file.write(name.data(), name.size());
        file.write("", 1);
        file.close();
    }
    const int minor = withOptional ? kWriterMinorWithOptional : 0;
    for (const MemberGroup& group : memberGroups(meanField, kWriterMajor, minor))
        for (const std::string& member : group.members)
            appendMember(path, resultFolder, member);
}

void appendMember(const std::filesystem::path& path, const std::filesystem::path& resultFolder,
                  std::string_view memberName) {
    const std::filesystem::path memberPath = resultFolder / std::string(memberName);
    // A missing member is stored empty; the result folder is left as it is, since readers take
    // an empty file for a missing one anyway.
    std::error_code ec;
    const bool present = std::filesystem::exists(memberPath, ec);
    BinaryFile source;
    if (present) {
        source = BinaryFile::open(memberPath, BinaryFile::Mode::Read);
        if (!source.isOpen())
            throw FileError("Cannot open file " + memberPath.string());
    }
    BinaryFile target = BinaryFile::open(path, BinaryFile::Mode::Append);
    if (!target.isOpen())
        throw FileError("Cannot open file " + path.string());
    const std::int64_t size = present ? source.size() : 0;
    target.writeInt64(size);
    target.write(memberName.data(), memberName.size());
    target.write("", 1);
    char buffer[kWriteChunk];
    std::int64_t left = size;
    while (left > 0) {
        const auto chunk = static_cast<std::size_t>(std::min<std::int64_t>(left, kWriteChunk));
        source.readExact(buffer, chunk);
        target.write(buffer, chunk);
        left -= static_cast<std::int64_t>(chunk);
    }
    target.close();
    if (present)
        source.close();
}

} // namespace vintrel
