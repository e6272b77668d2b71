#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace calvora::cli {

// One function per subcommand: args are the words after the subcommand's
// name; the result is the exit status (0 done, 1 calculation error, 2 usage
// error).

int RunLoanCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunAutoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunMortgageCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunAcceleratedCommand(const std::vector<std::string>& args, std::ostream& out,
                          std::ostream& err);
int RunBalloonCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunRemainingBalanceCommand(const std::vector<std::string>& args, std::ostream& out,
                               std::ostream& err);
int RunInterestCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunScheduleCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace calvora::cli
