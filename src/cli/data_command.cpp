#include "cli/data_command.h"

#include "base/binary_file.h"
#include "base/codepage.h"
#include "base/number_text.h"
#include "base/working_folders.h"
#include "containers/container_format.h"
#include "containers/result_import.h"
#include "levels/level_data.h"
#include "levels/level_value_names.h"
#include "parameters/parameter_data.h"

#include <cstdlib>
#include <optional>
#include <ostream>

namespace vintrel {

namespace fs = std::filesystem;

namespace {

/// A fresh folder under the system's temporary folder, removed with everything in it.
class ScratchFolder {
public:
    ScratchFolder() {
        std::error_code ec;
        std::string pattern = (fs::temp_directory_path(ec) / "vintrel-cli-XXXXXX").string();
        if (ec || mkdtemp(pattern.data()) == nullptr)
            throw FileError("Cannot create folder " + pattern);
        path_ = pattern;
    }
    ~ScratchFolder() { removeFolderTree(path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

struct DataRequest {
    std::string kind;
    fs::path source;
    std::optional<std::string> result;
    LevelDataOptions levels;
};

const char* const kKinds[] = {"levels", "parameters"};

std::string optionValue(const std::vector<std::string>& args, std::size_t& i) {
    if (i + 1 >= args.size())
        throw UsageError{args[i] + " needs a value"};
    return args[++i];
}

void requireKind(const DataRequest& request, const std::string& option, const char* kind) {
    if (request.kind != kind)
        throw UsageError{option + " is an option of data " + kind};
}

DataRequest parseRequest(const std::vector<std::string>& args) {
    DataRequest request;
    std::vector<std::string> positional;
    std::vector<std::pair<std::string, std::string>> options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--result" || args[i] == "--axis" || args[i] == "--tolerance") {
            const std::string option = args[i];
            options.emplace_back(option, optionValue(args, i));
        } else if (args[i].rfind("--", 0) == 0)
            throw UsageError{"unknown option: " + args[i]};
        else
            positional.push_back(args[i]);
    }
    if (positional.size() != 2)
        throw UsageError{"data needs a kind (levels or parameters) and a source"};
    request.kind = positional[0];
    request.source = positional[1];
    bool known = false;
    for (const char* kind : kKinds)
        known = known || request.kind == kind;
    if (!known)
        throw UsageError{"unknown kind of data: " + request.kind};
    for (const auto& [option, value] : options) {
        if (option == "--result") {
            request.result = value;
        } else if (option == "--axis") {
            requireKind(request, option, "levels");
            const auto axis = axisOfLetter(value);
            if (!axis)
                throw UsageError{"--axis takes z, x or y, not " + value};
            request.levels.axis = *axis;
        } else {
            requireKind(request, option, "levels");
            const auto tolerance = parseRealDot(value);
            if (!tolerance || *tolerance < 0)
                throw UsageError{"--tolerance takes a number of kelvin, 0 or more, not " + value};
            request.levels.tolerance = *tolerance;
        }
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

int dataCommand(const std::vector<std::string>& args, const fs::path& dataFolder,
                std::ostream& out) {
    const DataRequest request = parseRequest(args);
    std::error_code ec;
    const bool folder = fs::is_directory(request.source, ec);
    if (folder && request.result)
        throw UsageError{"--result chooses a result of a container, and " +
                         request.source.string() + " is a folder"};
    ScratchFolder scratch;
    ResultLocation location{scratch.path(), "Result00", dataFolder};
    std::string name;
    if (folder) {
        copyResultFolder(request.source, scratch.path() / location.resultFolder);
        name = folderName(request.source);
    } else {
        std::tie(name, location.resultFolder) =
            extractOne(request.source, request.result, scratch.path());
    }
    // Messages name the source, not the temporary copy the command reads.
    const std::string copy = (location.workingRoot / location.resultFolder).string();
    const std::string shown =
        folder ? request.source.string() : request.source.string() + "[" + name + "]";
    try {
        const DataTable table = request.kind == "levels"
                                    ? levelDataTable(location, name, request.levels)
                                    : parameterDataTable(location, name);
        out << table.toCsv();
    } catch (const FileError& e) {
        throw FileError(replaceAll(e.what(), copy, shown));
    }
    return 0;
}

} // namespace vintrel
