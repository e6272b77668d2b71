#include "cli/dispatcher.h"

#include <iostream>
#include <string>
#include <vector>

// calvora-calc: the command-line front end over the calculation core.
int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return calvora::cli::RunCalvoraCalc(args, std::cout, std::cerr);
}
