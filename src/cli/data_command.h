#pragma once

#include "cli/data_kinds.h"

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace vintrel {

/// The folder of the running program, where the files shipped beside it are ("input_s.df").
std::filesystem::path programFolder();

/// `vintrel-cli data KIND SOURCE [--result NAME] [options of KIND]` (arguments after "data"):
/// prints the table of one page of one result as CSV. SOURCE is a container (the result named
/// by --result, or the first) or a result folder; either is read through a temporary working
/// root that is removed afterwards, so nothing is ever written into SOURCE. `dataFolder` holds
/// the files shipped beside the program.
int dataCommand(const std::vector<std::string>& args, const std::filesystem::path& dataFolder,
                std::ostream& out);

} // namespace vintrel
