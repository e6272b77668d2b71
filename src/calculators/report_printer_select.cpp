#include "calculators/report_printer_select.h"

#include <algorithm>
#include <cctype>

namespace calvora {

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

int SelectPrinterIndex(const std::vector<std::string>& installed, const std::string& wanted) {
    if (wanted.empty())
        return -1;
    for (std::size_t i = 0; i < installed.size(); ++i)
        if (installed[i] == wanted)
            return static_cast<int>(i);
    const std::string key = Lower(wanted);
    for (std::size_t i = 0; i < installed.size(); ++i)
        if (Lower(installed[i]).find(key) != std::string::npos)
            return static_cast<int>(i);
    return -1;
}

} // namespace calvora
