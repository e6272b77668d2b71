#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace calvora::cli {

/// A subcommand: its name, one line of help and the function that runs it.
struct Subcommand {
    const char* Name;
    const char* Summary;
    int (*Run)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

/// Every subcommand, in the order the program's help lists them.
const std::vector<Subcommand>& Subcommands();

/// Runs the program on its arguments (without the program name) and returns
/// the exit status: 0 done, 1 calculation error, 2 usage error.
int RunCalvoraCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace calvora::cli
