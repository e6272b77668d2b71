#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace calvora {

/// A drop-down value of a transfer record: the selected row, its text as the
/// window showed it, and the rows offered.
struct ChoiceField {
    std::int32_t Index = 0;
    std::string Text;
    std::vector<std::string> Items;
};

} // namespace calvora
