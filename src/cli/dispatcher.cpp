#include "cli/dispatcher.h"

#include "cli/cli_command.h"
#include "cli/commands.h"
#include "cli/refinance_command.h"

namespace calvora::cli {

namespace {

void WriteProgramHelp(std::ostream& out) {
    out << "Usage: calvora-calc <command> [options]\n"
           "Loan calculations from the command line. A value given as 0 or left out\n"
           "is the one to solve; percents are written as 6 for 6 %, dates as YYYY-MM-DD.\n"
           "\nCommands:\n";
    for (const auto& command : Subcommands()) {
        std::string name = std::string("  ") + command.Name;
        name.resize(22, ' ');
        out << name << command.Summary << "\n";
    }
    out << "\n'calvora-calc <command> --help' lists the options of a command.\n"
           "Exit status: 0 done, 1 the calculation failed (message on stderr),\n"
           "2 the command line is wrong.\n";
}

} // namespace

const std::vector<Subcommand>& Subcommands() {
    static const std::vector<Subcommand> commands{
        {"loan", "solve a plain loan for amount, term, rate or payment", &RunLoanCommand},
        {"auto", "automobile loan: price less a cash down payment", &RunAutoCommand},
        {"mortgage", "mortgage: price less a percentage down", &RunMortgageCommand},
        {"accelerated", "extra payments from a given payment on: new term, interest saved",
         &RunAcceleratedCommand},
        {"balloon", "regular payments followed by a balloon payment", &RunBalloonCommand},
        {"remaining-balance", "balance owed after a given payment", &RunRemainingBalanceCommand},
        {"interest", "compound or simple interest between two dates", &RunInterestCommand},
        {"schedule", "full amortization schedule with fiscal-year totals (text, CSV, JSON)",
         &RunScheduleCommand},
        {"refinance", "compare the current loan with a possible new one", &RunRefinanceCommand},
    };
    return commands;
}

int RunCalvoraCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        WriteProgramHelp(err);
        return kExitUsageError;
    }
    const std::string& name = args.front();
    if (name == "--help" || name == "-h" || name == "help") {
        WriteProgramHelp(out);
        return kExitOk;
    }
    for (const auto& command : Subcommands()) {
        if (name == command.Name)
            return command.Run({args.begin() + 1, args.end()}, out, err);
    }
    err << "calvora-calc: unknown command '" << name << "'\n"
        << "Try 'calvora-calc --help' for the list of commands.\n";
    return kExitUsageError;
}

} // namespace calvora::cli
