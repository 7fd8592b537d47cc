#pragma once

#include "base/data_table.h"
#include "resultdata/input_files.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vintrel {

/// A command line that does not fit its command; the text says why.
struct UsageError {
    std::string text;
};

/// One option of a kind of data: its name ("--axis") and how many values follow it (0 for a
/// switch such as "--points").
struct DataOption {
    const char* name;
    int values;
};

/// What a kind's table is made from: the result (read from a temporary copy), its name, and
/// the options given on the command line with their values.
struct DataKind;
struct DataArguments {
    ResultLocation location;
    std::string resultName;
    std::map<std::string, std::vector<std::string>> options;
    /// For `data compare KIND`: the kind whose table the measured data are set against.
    const DataKind* compared = nullptr;

    bool has(const std::string& option) const { return options.count(option) != 0; }
    /// Value `index` of an option that was given.
    const std::string& text(const std::string& option, std::size_t index = 0) const;
    /// The same read as a finite number ("." decimals); a UsageError saying that the option
    /// takes `what` otherwise.
    double number(const std::string& option, const std::string& what, std::size_t index = 0) const;
};

/// A kind of data: one page's numbers as a table. Adding a kind is one row of `dataKinds`.
struct DataKind {
    const char* name;
    /// The synopsis of its options for the usage text ("[--axis z|x|y] [--tolerance K]").
    const char* synopsis;
    std::vector<DataOption> options;
    /// Makes the table; option values that make no sense throw UsageError, questions the
    /// result cannot answer DataRequestError, damaged files FileError.
    std::function<DataTable(const DataArguments&)> table;
    /// For a kind that can print other forms than CSV (`--format`): the text to print; empty
    /// for the CSV of `table`.
    std::function<std::string(const DataArguments&)> text = {};
    /// The kind takes another kind before SOURCE (`data compare KIND SOURCE`), whose options it
    /// takes too.
    bool takesKind = false;
};

/// The kind of that name; null when there is none.
const DataKind* dataKindNamed(const std::string& name);

/// Every kind of `vintrel-cli data`, in the order the usage text lists them.
const std::vector<DataKind>& dataKinds();

} // namespace vintrel
