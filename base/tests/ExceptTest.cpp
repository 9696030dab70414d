#include "base/QnExcept.h"

#include <gtest/gtest.h>

#include <string>

TEST(QnExcept, CarriesTextAndWhere)
{
    QnExcept e("Division by zero", "Flfun", 42);
    EXPECT_STREQ(e.what(), "Division by zero");
    EXPECT_STREQ(e.where(), "Flfun, line 42");
}

TEST(QnExcept, CopiesAndAssignmentsKeepBothTexts)
{
    QnExcept original("first text", "gc", 7);
    QnExcept copy(original);
    QnExcept assigned;
    assigned = original;
    original.settext("changed");
    original.setwhere("other", 1);
    for (const QnExcept* e : {&copy, &assigned}) {
        EXPECT_STREQ(e->what(), "first text");
        EXPECT_STREQ(e->where(), "gc, line 7");
    }
}

TEST(QnExcept, RaiseThrowsACopyOfTheDynamicClassAfterTheHook)
{
    static int hookCalls = 0;
    static std::string hookText;
    auto previous = QnExcept::SetRaiseHook([](const QnExcept& e) {
        ++hookCalls;
        hookText = e.what();
    });
    QnTypeIdExcept site("no such type", "here", 3);
    for (int round = 0; round < 2; ++round) {
        try {
            site.raise();
            FAIL() << "raise returned";
        } catch (const QnTypeIdExcept& e) {
            EXPECT_NE(&e, &site);
            EXPECT_STREQ(e.what(), "no such type");
            EXPECT_STREQ(e.where(), "here, line 3");
        }
    }
    EXPECT_EQ(hookCalls, 2);
    EXPECT_EQ(hookText, "no such type");
    QnExcept::SetRaiseHook(previous);
}

TEST(QnExcept, FamilyIsCaughtAsItsBaseAndAsStdException)
{
    QnRangeExcept range("QnArray", 9);
    EXPECT_THROW(range.raise(), QnExcept);
    EXPECT_STREQ(range.what(), "");
    QnCastExcept cast(typeid(int), typeid(std::string), "Flexpr", 1);
    try {
        cast.raise();
    } catch (const std::exception& e) {
        const std::string text = e.what();
        EXPECT_NE(text.find("int"), std::string::npos);
        EXPECT_NE(text.find("string"), std::string::npos);
    }
}
