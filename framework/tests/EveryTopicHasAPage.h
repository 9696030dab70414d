// Checks that every help topic a walk over windows collected has a page in
// the help file, naming the topics without one:
//     EXPECT_TRUE(EveryTopicHasAPage(helpFile, topics));
#pragma once

#include "framework/HelpProvider.h"
#include "framework/HelpTopics.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

inline ::testing::AssertionResult EveryTopicHasAPage(const std::string& helpFile, const std::set<uint32_t>& topics)
{
    std::string missing;
    for (uint32_t id : fw::TopicsWithoutPage(helpFile, topics))
        missing += ' ' + std::to_string(id);
    if (missing.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "topics without a page in " << fw::HelpProvider::PageFolder(helpFile)
                                         << ":" << missing;
}
