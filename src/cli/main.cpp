#include <cstring>
#include <iostream>

// calvora-calc: the command-line front end over the calculation core.
int main(int argc, char** argv)
{
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::cout << "Usage: calvora-calc <command> [options]\n"
                     "Loan calculations from the command line.\n";
        return 0;
    }
    std::cerr << "calvora-calc: unknown command '" << argv[1] << "'\n";
    return 2;
}
