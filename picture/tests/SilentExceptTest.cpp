#include "picture/SilentExcept.h"

#include <gtest/gtest.h>

namespace {
int seen = 0;
void CountRaise(const QnExcept&) { ++seen; }
} // namespace

TEST(SilentExcept, CarriesNothingAndPassesTheRaiseHandling)
{
    QnExcept::RaiseHook previous = QnExcept::SetRaiseHook(CountRaise);
    QnSilentExcept e;
    try {
        e.raise();
    } catch (const QnSilentExcept& caught) {
        EXPECT_STREQ(caught.what(), "");
        EXPECT_STREQ(caught.where(), "");
        const QnExcept& base = caught;
        EXPECT_STREQ(base.where(), "");
    } catch (...) {
        ADD_FAILURE() << "raised something else";
    }
    EXPECT_EQ(seen, 1);
    QnExcept::SetRaiseHook(previous);
}
