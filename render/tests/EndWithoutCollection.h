// A program may end without a last collection (the album, tests that do not
// collect, a child process that returns early): its objects are then still
// on the collector's list while the static converters revoke themselves
// from it at exit, which unlinks their neighbours. The memory of those
// objects has to be there still.
#pragma once

#include "gc/QnPp.h"
#include "render/PixConverter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <vector>

namespace rendertest {

using MakeListed = std::function<QnPp<QnObj>()>;

// Enough objects that the last ones lie in a large block of their pool,
// which the system takes back at once when the block is freed.
inline constexpr int kListedAtExit = 3000;

// Makes the null converter first, then kListedAtExit objects, held while
// they are made so that no collection on the way takes them, puts the last
// of them and then the converter at the front of the list, so that they
// are neighbours, and ends the process.
[[noreturn]] inline void EndWithoutCollection(const MakeListed& make)
{
    const PpQnPixConverter null(PpQnPixConverter::TAG{});
    {
        std::vector<QnPp<QnObj>> made;
        for (int i = 0; i < kListedAtExit; ++i)
            made.push_back(make());
        made.back()->Used();
    }
    null->Used();
    std::exit(0);
}

// Each case in a fresh process: what matters is the order in which the
// converter and the pools are first made.
inline void ExpectCleanEndWithoutCollection(const MakeListed& make)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(EndWithoutCollection(make), ::testing::ExitedWithCode(0), "");
}

} // namespace rendertest
