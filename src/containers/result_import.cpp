#include "containers/result_import.h"

#include "base/codepage.h"
#include "base/file_utils.h"
#include "base/log.h"
#include "base/working_folders.h"

#include <algorithm>
#include <cerrno>

namespace vintrel {

namespace {

// Only A to Z fold; the bytes of other letters compare as they are, whatever the locale.
std::string lowerAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool sameNameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && lowerAscii(a) == lowerAscii(b);
}

void refuseMemberName(const ContainerReader& reader, const std::string& result,
                      const std::string& member) {
    throw ContainerRefused("Unsafe member file name \"" + latin1ToUtf8(member) + "\" in result \"" +
                           cp1252ToUtf8(result) + "\" of file:\r" + reader.label());
}

// Unpacks the members of one result record, or skips them when `folder` is empty.
void walkMembers(ContainerReader& reader, const std::string& resultName,
                 const std::filesystem::path& folderPath, const std::string& folder,
                 bool withOptional, ExtractOutcome& outcome) {
    const bool picked = !folder.empty();
    for (const MemberGroup& group : reader.groups()) {
        for (std::size_t m = 0; m < group.members.size(); ++m) {
            const MemberHeader member = reader.readMemberHeader();
            const bool write = picked && (!group.optional || withOptional);
            if (!write) {
                reader.skipMemberData(member.size);
                continue;
            }
            if (!isPlainMemberName(member.name))
                refuseMemberName(reader, resultName, member.name);
            if (!group.optional)
                writeLog("Importing " + folder + "\\" + latin1ToUtf8(member.name));
            BinaryFile target = BinaryFile::open(folderPath / latin1ToUtf8(member.name),
                                                 BinaryFile::Mode::CreateTruncate);
            if (!target.isOpen()) {
                outcome.ok = false;
                outcome.error = "File error #" + std::to_string(target.openError());
                return;
            }
            reader.copyMemberData(member.size, &target);
            target.close();
        }
        if (picked && (group.number == 1 || group.number == 6))
            copyFileTo(folderPath / "descr.dup", folderPath / "descr.sav");
    }
}

} // namespace

std::string nextNameSuffix(const std::string& suffix) {
    std::string next = suffix;
    bool advanced = false;
    for (char& c : next) {
        if (static_cast<unsigned char>(c) < static_cast<unsigned char>('z')) {
            ++c;
            advanced = true;
        }
    }
    if (!advanced)
        next.assign(suffix.size() + 1, 'a');
    return next;
}

std::string chooseNameSuffix(const std::vector<std::string>& storedNames,
                             const std::vector<std::string>& openTabNames) {
    std::string suffix;
    // Each step lengthens the suffix at least every 26 steps, so a free one is always found
    // once it is longer than every open tab name.
    for (;;) {
        const bool collides = std::any_of(storedNames.begin(), storedNames.end(), [&](auto& name) {
            return std::any_of(openTabNames.begin(), openTabNames.end(),
                               [&](auto& tab) { return sameNameIgnoringCase(name + suffix, tab); });
        });
        if (!collides)
            return suffix;
        suffix = nextNameSuffix(suffix);
    }
}

std::string createResultFolder(const std::filesystem::path& workingRoot, int* taken) {
    for (int number = taken ? *taken : 0; number <= kLastResultFolderNumber; ++number) {
        const std::string name = resultFolderName(number);
        std::error_code ec;
        if (std::filesystem::create_directory(workingRoot / name, ec)) {
            if (taken)
                *taken = number;
            return name;
        }
        if (ec && ec != std::errc::file_exists)
            throw FileError("Cannot create a result folder in " + workingRoot.string() + ": " +
                            ec.message());
    }
    throw FileError("Cannot create a result folder in " + workingRoot.string() + ": Result00 to " +
                    resultFolderName(kLastResultFolderNumber) + " are all taken");
}

bool isPlainMemberName(const std::string& name) {
    if (name.empty() || name == "." || name == "..")
        return false;
    return std::none_of(name.begin(), name.end(), [](char ch) {
        const auto c = static_cast<unsigned char>(ch);
        return c < 0x20 || c == 0x7F || c == '/' || c == '\\';
    });
}

ExtractOutcome extractResults(ContainerReader& reader, const std::filesystem::path& workingRoot,
                              const ExtractRequest& request) {
    ExtractOutcome outcome;
    const auto count = static_cast<std::size_t>(reader.header().resultCount);
    const std::size_t considered = std::min(count, request.picked.size());
    auto remaining = static_cast<std::size_t>(
        std::count(request.picked.begin(), request.picked.begin() + considered, true));
    reader.rewindToResults();
    int folderNumber = 0;
    for (std::size_t r = 0; r < count && remaining > 0; ++r) {
        const std::string name = reader.readZeroTerminatedName();
        const bool picked = r < considered && request.picked[r];
        std::string folder;
        if (picked) {
            folder = createResultFolder(workingRoot, &folderNumber);
            --remaining;
        }
        walkMembers(reader, name, workingRoot / folder, folder, request.withOptional, outcome);
        if (!outcome.ok)
            return outcome;
        if (request.cancelled && request.cancelled()) {
            outcome.cancelled = true;
            return outcome;
        }
        if (picked) {
            outcome.storedNames.push_back(name);
            outcome.folders.push_back(folder);
            if (request.progress)
                request.progress(static_cast<int>(outcome.folders.size()));
        }
    }
    return outcome;
}

} // namespace vintrel
