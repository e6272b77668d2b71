#pragma once

#include <gtest/gtest.h>
#include <string>

// Checks that a statement throws an exception of the given type whose what()
// equals the expected message exactly.
#define EXPECT_THROW_MSG(statement, exception_type, expected_message)                              \
    do {                                                                                           \
        bool calvora_thrown_ = false;                                                              \
        try {                                                                                      \
            statement;                                                                             \
        } catch (const exception_type& calvora_e_) {                                               \
            calvora_thrown_ = true;                                                                \
            EXPECT_EQ(std::string(calvora_e_.what()), std::string(expected_message));              \
        }                                                                                          \
        EXPECT_TRUE(calvora_thrown_) << #statement " did not throw " #exception_type;              \
    } while (false)
