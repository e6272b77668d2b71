#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace calvora::cli {

/// `calvora-calc refinance`: runs the refinance analysis on the options in args
/// (the words after the subcommand) and prints every result and the narrative,
/// as labelled lines or, with --json, one JSON object. Returns 0 when done, 1
/// when the analysis rejects the inputs (message on err), 2 for a wrong command
/// line.
int RunRefinanceCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace calvora::cli
