#include "cli/calc_text.h"

namespace calvora::cli {

std::vector<OptionSpec> CalcTextOptions() {
    return {
        {"report", "", "print the calculator's printed report as plain text"},
        {"clipboard", "", "print the text the calculator copies to the clipboard"},
    };
}

} // namespace calvora::cli
