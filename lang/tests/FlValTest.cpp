// Integer and text values: distinct objects, ordering, own copies.
#include "lang/FlInt.h"
#include "lang/FlString.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

TEST(FlVal, EqualIntegersAreDistinctObjectsThatCompareEqual)
{
    PpQnFlVal a(5), b(5);
    EXPECT_NE(a.Get(), b.Get());
    EXPECT_EQ(a->Compare(b), 0);
    EXPECT_EQ(a->IsUnique(), 0);
    EXPECT_EQ(QnPpDynamicCast<QnFlInt>(a)->Value(), 5);
}

TEST(FlVal, IntegersOrderBySignedValueOverTheWholeRange)
{
    struct Case {
        int32_t a, b;
        int sign;
    };
    const Case cases[] = {
        {INT32_MAX, -1, 1}, {-1, INT32_MAX, -1}, {INT32_MIN, INT32_MAX, -1},
        {INT32_MIN, INT32_MIN, 0}, {0, -1, 1}, {7, 7, 0},
    };
    for (const Case& c : cases) {
        const int r = PpQnFlInt(c.a)->Compare(PpQnFlInt(c.b));
        EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a << " vs " << c.b;
    }
}

TEST(FlVal, TextKeepsItsOwnCopy)
{
    char buffer[] = "tile";
    PpQnFlString s(buffer);
    std::strcpy(buffer, "pict");
    EXPECT_STREQ(s->Value(), "tile");
    EXPECT_EQ((*s)[1], 'i');
    EXPECT_EQ(s->IsUnique(), 0);
    EXPECT_STREQ(PpQnFlString(static_cast<const char*>(nullptr))->Value(), "");
}

TEST(FlVal, TextsCompareByBytes)
{
    struct Case {
        const char* a;
        const char* b;
        int sign;
    };
    // A locale's collation may take some of these for equal or order them
    // otherwise; sharing needs byte order.
    const Case cases[] = {
        {"abc", "abc", 0}, {"abc", "abd", -1}, {"ab", "abc", -1}, {"B", "a", -1},
        {"co-op", "coop", -1}, {"\xe9", "e", 1}, {"e\xcc\x81", "\xc3\xa9", -1}, {"", "", 0},
    };
    for (const Case& c : cases) {
        const int r = PpQnFlString(c.a)->Compare(PpQnFlString(c.b));
        EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a << " vs " << c.b;
    }
}

TEST(FlVal, ValuesAreCollectedWhenNothingHoldsThem)
{
    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
    const int32_t before = QnObj::GetTotalNumberOfObjects();
    {
        PpQnFlVal a(1);
        PpQnFlVal s("text");
        EXPECT_EQ(QnObj::GetTotalNumberOfObjects(), before + 2);
    }
    EXPECT_EQ(QnObj::CollectGarbage(), 2);
    EXPECT_EQ(QnObj::GetTotalNumberOfObjects(), before);
}
