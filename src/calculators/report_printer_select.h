#pragma once

#include <string>
#include <vector>

namespace calvora {

/// The printer to use for a wanted name among the installed printers: the first name equal
/// to `wanted`, else the first name containing it (letter case ignored), else -1, which
/// leaves the current printer selected. An empty wanted name matches nothing.
int SelectPrinterIndex(const std::vector<std::string>& installed, const std::string& wanted);

} // namespace calvora
