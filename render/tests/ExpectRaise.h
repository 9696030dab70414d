// Checks that a statement raises a QnExcept with the given message text.
#pragma once

#include "base/QnExcept.h"

#include <gtest/gtest.h>

#include <string>

#define EXPECT_RAISES(statement, message)                                    \
    do {                                                                     \
        bool raised_ = false;                                                \
        try {                                                                \
            statement;                                                       \
        } catch (const QnExcept& e) {                                        \
            raised_ = true;                                                  \
            EXPECT_EQ(std::string(e.what()), std::string(message));          \
        }                                                                    \
        EXPECT_TRUE(raised_) << "expected \"" << (message) << "\"";          \
    } while (0)
