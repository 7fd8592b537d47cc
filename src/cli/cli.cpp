#include "cli/cli.h"

#include "base/codepage.h"
#include "base/data_table.h"
#include "cli/data_command.h"
#include "cli/report_command.h"
#include "containers/container_format.h"
#include "containers/container_save.h"
#include "containers/result_import.h"

#include <cstdio>
#include <ostream>

namespace vintrel {

namespace {

// The usage text; the data kinds are listed from their table.
std::string usage() {
    std::string text = "usage: vintrel-cli info FILE [--json]\n"
                       "       vintrel-cli extract FILE DIR [--result NAME]... [--no-optional]\n"
                       "       vintrel-cli pack OUT FOLDER[=NAME]... [--mean-field] [--optional] "
                       "[--description TEXT]\n";
    for (const DataKind& kind : dataKinds()) {
        text += "       vintrel-cli data " + std::string(kind.name) +
                (kind.takesKind ? " KIND" : "") + " SOURCE [--result NAME]";
        if (*kind.synopsis)
            text += " " + std::string(kind.synopsis);
        text += "\n";
    }
    text += "       vintrel-cli report SOURCE --output FILE.pdf [--result NAME] "
            "[--temperatures T1 T2]\n";
    return text;
}

std::string jsonString(const std::string& utf8) {
    std::string out = "\"";
    for (char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", c);
                out += escape;
            } else {
                out += ch;
            }
        }
    }
    return out + "\"";
}

void printJson(const ContainerHeader& h, const std::vector<ListedResult>& results,
               std::ostream& out) {
    out << "{\"kind\": " << jsonString(h.meanField ? "mean-field" : "data")
        << ", \"version\": " << h.versionWord << ", \"major\": " << h.major
        << ", \"minor\": " << h.minor
        << ", \"description\": " << jsonString(cp1252ToUtf8(h.description)) << ", \"results\": [";
    for (std::size_t r = 0; r < results.size(); ++r) {
        out << (r ? ", " : "") << "{\"name\": " << jsonString(cp1252ToUtf8(results[r].name))
            << ", \"members\": [";
        const auto& members = results[r].members;
        for (std::size_t m = 0; m < members.size(); ++m)
            out << (m ? ", " : "") << "{\"name\": " << jsonString(latin1ToUtf8(members[m].name))
                << ", \"size\": " << members[m].size << "}";
        out << "]}";
    }
    out << "]}\n";
}

void printText(const ContainerHeader& h, const std::vector<ListedResult>& results,
               std::ostream& out) {
    out << "kind: " << (h.meanField ? "mean-field" : "data") << "\n"
        << "version: " << h.versionWord << " (major " << h.major << ", minor " << h.minor << ")\n"
        << "description: " << cp1252ToUtf8(h.description) << "\n"
        << "results: " << results.size() << "\n";
    for (const ListedResult& result : results) {
        out << "  " << cp1252ToUtf8(result.name) << "\n";
        for (const ListedMember& member : result.members)
            out << "    " << latin1ToUtf8(member.name) << "  " << member.size
                << (member.optional ? "  (optional)" : "") << "\n";
    }
}

int info(const std::vector<std::string>& args, std::ostream& out) {
    std::string file;
    bool json = false;
    for (const std::string& arg : args) {
        if (arg == "--json")
            json = true;
        else if (file.empty() && arg.rfind("--", 0) != 0)
            file = arg;
        else
            throw UsageError{"unexpected argument: " + arg};
    }
    if (file.empty())
        throw UsageError{"info needs a container file"};
    ContainerReader reader(file);
    const auto results = listResults(reader);
    if (json)
        printJson(reader.header(), results, out);
    else
        printText(reader.header(), results, out);
    return kExitOk;
}

int extract(const std::vector<std::string>& args, std::ostream& out) {
    std::vector<std::string> positional;
    std::vector<std::string> wanted;
    bool withOptional = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--no-optional") {
            withOptional = false;
        } else if (args[i] == "--result") {
            if (i + 1 >= args.size())
                throw UsageError{"--result needs a name"};
            wanted.push_back(args[++i]);
        } else if (args[i].rfind("--", 0) == 0) {
            throw UsageError{"unknown option: " + args[i]};
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 2)
        throw UsageError{"extract needs a container file and a folder"};
    ContainerReader reader(positional[0]);
    const auto listed = listResults(reader);
    std::vector<bool> picked(listed.size(), wanted.empty());
    for (const std::string& name : wanted) {
        bool found = false;
        for (std::size_t r = 0; r < listed.size(); ++r) {
            if (cp1252ToUtf8(listed[r].name) == name) {
                picked[r] = true;
                found = true;
            }
        }
        if (!found)
            throw UsageError{"no result named \"" + name + "\" in " + positional[0]};
    }
    const std::filesystem::path dir = positional[1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (!std::filesystem::is_directory(dir, ec))
        throw FileError("Cannot create folder " + dir.string());
    ExtractRequest request;
    request.picked = picked;
    request.withOptional = withOptional;
    const ExtractOutcome outcome = extractResults(reader, dir, request);
    for (std::size_t i = 0; i < outcome.folders.size(); ++i)
        out << cp1252ToUtf8(outcome.storedNames[i]) << " -> " << outcome.folders[i] << "\n";
    if (!outcome.ok)
        throw FileError(outcome.error);
    return kExitOk;
}

int pack(const std::vector<std::string>& args, std::ostream& out) {
    std::vector<std::string> positional;
    bool meanField = false;
    bool withOptional = false;
    std::string description;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--mean-field") {
            meanField = true;
        } else if (args[i] == "--optional") {
            withOptional = true;
        } else if (args[i] == "--description") {
            if (i + 1 >= args.size())
                throw UsageError{"--description needs a text"};
            description = args[++i];
        } else if (args[i].rfind("--", 0) == 0) {
            throw UsageError{"unknown option: " + args[i]};
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() < 2)
        throw UsageError{"pack needs an output file and at least one result folder"};
    ContainerSave save;
    save.meanField = meanField;
    save.withOptional = withOptional;
    save.description = utf8ToCp1252(description);
    std::vector<std::string> names;
    for (std::size_t i = 1; i < positional.size(); ++i) {
        const std::string& argument = positional[i];
        const auto eq = argument.find('=');
        std::filesystem::path folder = eq == std::string::npos ? argument : argument.substr(0, eq);
        std::string name = eq == std::string::npos ? "" : argument.substr(eq + 1);
        if (name.empty()) {
            auto normal = std::filesystem::absolute(folder).lexically_normal();
            if (!normal.has_filename())
                normal = normal.parent_path();
            name = normal.filename().string();
        }
        std::error_code ec;
        if (!std::filesystem::is_directory(folder, ec))
            throw FileError("Cannot open folder " + folder.string());
        save.results.push_back({folder, utf8ToCp1252(name)});
        names.push_back(name);
    }
    saveContainer(positional[0], save);
    for (std::size_t i = 0; i < names.size(); ++i)
        out << names[i] << " <- " << save.results[i].folder.string() << "\n";
    return kExitOk;
}

} // namespace

std::string terminalText(std::string message) {
    for (char& c : message)
        if (c == '\r')
            c = '\n';
    return message;
}

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        if (args.empty() || args[0] == "--help" || args[0] == "-h") {
            (args.empty() ? err : out) << usage();
            return args.empty() ? kExitUsage : kExitOk;
        }
        const std::vector<std::string> rest(args.begin() + 1, args.end());
        if (args[0] == "info")
            return info(rest, out);
        if (args[0] == "extract")
            return extract(rest, out);
        if (args[0] == "pack")
            return pack(rest, out);
        if (args[0] == "data")
            return dataCommand(rest, programFolder(), out);
        if (args[0] == "report")
            return reportCommand(rest, programFolder(), out);
        throw UsageError{"unknown command: " + args[0]};
    } catch (const UsageError& e) {
        err << "vintrel-cli: " << e.text << "\n" << usage();
        return kExitUsage;
    } catch (const DataRequestError& e) {
        err << "vintrel-cli: " << e.what() << "\n";
        return kExitUsage;
    } catch (const ContainerRefused& e) {
        err << terminalText(e.what()) << "\n";
        return kExitRefused;
    } catch (const FileError& e) {
        err << terminalText(e.what()) << "\n";
        return kExitRefused;
    } catch (const std::exception& e) {
        err << "vintrel-cli: " << e.what() << "\n";
        return kExitRefused;
    }
}

} // namespace vintrel
