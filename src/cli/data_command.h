#pragma once

#include "cli/data_kinds.h"

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace vintrel {

/// The folder of the running program, where the files shipped beside it are ("input_s.df").
std::filesystem::path programFolder();

/// Runs `body` on a temporary copy of SOURCE (a container's result named `result`, or its
/// first; or a result folder) in a working root removed afterwards; FileErrors from `body`
/// name SOURCE instead of the copy.
void withResultCopy(const std::filesystem::path& source, const std::optional<std::string>& result,
                    const std::filesystem::path& dataFolder,
                    const std::function<void(const ResultLocation&, const std::string&)>& body);

/// `vintrel-cli data KIND SOURCE [--result NAME] [options of KIND]` (arguments after "data"):
/// prints the table of one page of one result as CSV. SOURCE is a container (the result named
/// by --result, or the first) or a result folder; either is read through a temporary working
/// root that is removed afterwards, so nothing is ever written into SOURCE. `dataFolder` holds
/// the files shipped beside the program.
int dataCommand(const std::vector<std::string>& args, const std::filesystem::path& dataFolder,
                std::ostream& out);

} // namespace vintrel
