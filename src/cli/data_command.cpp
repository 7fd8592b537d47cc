#include "cli/data_command.h"

#include "cli/data_kinds.h"

#include "base/binary_file.h"
#include "base/codepage.h"
#include "base/working_folders.h"
#include "containers/container_format.h"
#include "containers/result_import.h"

#include <map>
#include <optional>
#include <ostream>
#include <random>

namespace vintrel {

namespace fs = std::filesystem;

namespace {

/// A fresh folder under the system's temporary folder, removed with everything in it.
class ScratchFolder {
public:
    ScratchFolder() {
        std::error_code ec;
        const fs::path base = fs::temp_directory_path(ec);
        std::random_device random;
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            const fs::path candidate = base / ("vintrel-cli-" + std::to_string(random()));
            if (fs::create_directory(candidate, ec) && !ec)
                path_ = candidate;
        }
        if (path_.empty())
            throw FileError("Cannot create folder " + (base / "vintrel-cli-*").string());
    }
    ~ScratchFolder() { removeFolderTree(path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

struct DataRequest {
    const DataKind* kind = nullptr;
    const DataKind* compared = nullptr;
    fs::path source;
    std::optional<std::string> result;
    std::map<std::string, std::vector<std::string>> options;
};

std::string kindNames() {
    std::string names;
    for (const DataKind& kind : dataKinds())
        names += (names.empty() ? "" : ", ") + std::string(kind.name);
    return names;
}

// Options that every kind takes, beside its own.
const DataOption kCommonOptions[] = {{"--result", 1}};

// How many values follow `option` for `kind` (and the kind it compares with); -1 when neither
// takes it.
int valueCount(const DataKind& kind, const std::string& option,
               const DataKind* compared = nullptr) {
    for (const DataOption& known : kCommonOptions)
        if (option == known.name)
            return known.values;
    for (const DataOption& known : kind.options)
        if (option == known.name)
            return known.values;
    if (compared)
        return valueCount(*compared, option);
    return -1;
}

// `data KIND SOURCE [options]`: the kind comes first; the options may stand before or after
// the source, each followed by as many values as its kind says.
DataRequest parseRequest(const std::vector<std::string>& args) {
    const std::string need = "data needs a kind (" + kindNames() + ") and a source";
    if (args.empty() || args[0].rfind("--", 0) == 0)
        throw UsageError{need};
    DataRequest request;
    for (const DataKind& kind : dataKinds())
        if (args[0] == kind.name)
            request.kind = &kind;
    if (!request.kind)
        throw UsageError{"unknown kind of data: " + args[0]};
    std::size_t first = 1;
    if (request.kind->takesKind) {
        if (args.size() < 2 || args[1].rfind("--", 0) == 0)
            throw UsageError{std::string("data ") + request.kind->name +
                             " needs a kind and a source"};
        request.compared = dataKindNamed(args[1]);
        if (!request.compared || request.compared->takesKind)
            throw UsageError{"unknown kind of data: " + args[1]};
        first = 2;
    }
    std::vector<std::string> positional;
    for (std::size_t i = first; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option.rfind("--", 0) != 0) {
            positional.push_back(option);
            continue;
        }
        const int values = valueCount(*request.kind, option, request.compared);
        if (values < 0) {
            const std::string asked =
                std::string(request.kind->name) +
                (request.compared ? " " + std::string(request.compared->name) : std::string());
            for (const DataKind& other : dataKinds())
                if (valueCount(other, option) >= 0)
                    throw UsageError{option + " is an option of data " + other.name +
                                     ", not of data " + asked};
            throw UsageError{"unknown option: " + option};
        }
        if (request.options.count(option))
            throw UsageError{option + " is given twice"};
        std::vector<std::string>& taken = request.options[option];
        for (int v = 0; v < values; ++v) {
            if (i + 1 >= args.size())
                throw UsageError{option + " needs " + std::to_string(values) +
                                 (values == 1 ? " value" : " values")};
            taken.push_back(args[++i]);
        }
    }
    if (positional.size() != 1)
        throw UsageError{positional.empty() ? need : "unexpected argument: " + positional[1]};
    request.source = positional[0];
    if (const auto found = request.options.find("--result"); found != request.options.end()) {
        request.result = found->second.front();
        request.options.erase(found);
    }
    return request;
}

// Copies the files of a result folder (not its sub-folders) into a new folder.
void copyResultFolder(const fs::path& source, const fs::path& target) {
    std::error_code ec;
    fs::create_directory(target, ec);
    if (ec)
        throw FileError("Cannot create folder " + target.string());
    for (fs::directory_iterator it(source, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code kind;
        if (!it->is_regular_file(kind))
            continue;
        if (!fs::copy_file(it->path(), target / it->path().filename(), ec))
            throw FileError("Cannot open file " + it->path().string());
    }
    if (ec)
        throw FileError("Cannot open folder " + source.string());
}

// Unpacks the wanted result (or the first) of a container into the working root; gives its
// stored name and folder.
std::pair<std::string, std::string> extractOne(const fs::path& file,
                                               const std::optional<std::string>& wanted,
                                               const fs::path& workingRoot) {
    ContainerReader reader(file);
    const auto listed = listResults(reader);
    std::size_t index = 0;
    if (wanted) {
        index = listed.size();
        for (std::size_t r = 0; r < listed.size() && index == listed.size(); ++r)
            if (cp1252ToUtf8(listed[r].name) == *wanted)
                index = r;
        if (index == listed.size())
            throw UsageError{"no result named \"" + *wanted + "\" in " + file.string()};
    } else if (listed.empty()) {
        throw FileError("No result in file:\r" + file.string());
    }
    ExtractRequest request;
    request.picked.assign(listed.size(), false);
    request.picked[index] = true;
    const ExtractOutcome outcome = extractResults(reader, workingRoot, request);
    if (!outcome.ok)
        throw FileError(outcome.error);
    if (outcome.folders.size() != 1)
        throw FileError("No result in file:\r" + file.string());
    return {cp1252ToUtf8(outcome.storedNames[0]), outcome.folders[0]};
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string folderName(const fs::path& folder) {
    fs::path normal = fs::absolute(folder).lexically_normal();
    if (!normal.has_filename())
        normal = normal.parent_path();
    return normal.filename().string();
}

} // namespace

fs::path programFolder() {
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    if (!ec)
        return program.parent_path();
    return fs::current_path(ec);
}

void withResultCopy(const fs::path& source, const std::optional<std::string>& result,
                    const fs::path& dataFolder,
                    const std::function<void(const ResultLocation&, const std::string&)>& body) {
    std::error_code ec;
    const bool folder = fs::is_directory(source, ec);
    if (folder && result)
        throw UsageError{"--result chooses a result of a container, and " + source.string() +
                         " is a folder"};
    ScratchFolder scratch;
    ResultLocation location{scratch.path(), "Result00", dataFolder};
    std::string name;
    if (folder) {
        copyResultFolder(source, scratch.path() / location.resultFolder);
        name = folderName(source);
    } else {
        std::tie(name, location.resultFolder) = extractOne(source, result, scratch.path());
    }
    // Messages name the source, not the temporary copy the command reads.
    const std::string copy = (location.workingRoot / location.resultFolder).string();
    const std::string shown = folder ? source.string() : source.string() + "[" + name + "]";
    try {
        body(location, name);
    } catch (const FileError& e) {
        throw FileError(replaceAll(e.what(), copy, shown));
    }
}

int dataCommand(const std::vector<std::string>& args, const fs::path& dataFolder,
                std::ostream& out) {
    const DataRequest request = parseRequest(args);
    withResultCopy(
        request.source, request.result, dataFolder,
        [&](const ResultLocation& location, const std::string& name) {
            const DataArguments arguments{location, name, request.options, request.compared};
            out << (request.kind->text ? request.kind->text(arguments)
                                       : request.kind->table(arguments).toCsv());
        });
    return 0;
}

} // namespace vintrel
