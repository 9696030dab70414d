// The library's message table, its exceptions, and the progress wrapper
// that forwards to a caller's control.
#include "lang/LangExcept.h"
#include "lang/LangRcStr.h"
#include "lang/LsmExcept.h"
#include "lang/ProgressIndicatorAuto.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Message {
    int id;
    const char* text;
};

const Message kMessages[] = {
    {1, "Bad cast to value expression (this is not value expression!)"},
    {2, "Bad cast to tuple expression (this is not tuple expression!)"},
    {3, "Bad built-in function arity"},
    {4, "Bad build-in function identifier"},
    {5, "Bad tuple arity"},
    {6, "Bad tuple index"},
    {7, "Bad index of interpretation machine program constant"},
    {8, "Bad combinator arity (combinator can't have arity 0 or variable one)"},
    {9, "Can't compile (expression has unbound variables)"},
    {10, "Compiler error (can't generate combinator code for lambda-expression)"},
    {11, "Compiler error (can't compare lambda-expressions)"},
    {12, "Bad cast to class %s"},
    {13, "Bad argument request"},
    {14, "Bad return operation from empty frame stack"},
    {15, "Frame stack must be empty before evaluation"},
    {16, "Can't apply value to argument(s)"},
    {17, "Bad evaluation machine state"},
    {18, "Compiler error (bad compiied expression status)"},
    {19, "Division by zero"},
    {20, "Evaluation aborted by user"},
    {21, "Evaluation machine"},
    {256, "Expression too large (out of memory)"},
    {1024, "Bad descriptor to load/save data"},
    {1025, "Can't write data to descriptor associated with any data"},
};

[[noreturn]] void RaiseFromOneSite(int id) { QN_LANG_RAISE(id, "Flexpr", 270); }

} // namespace

TEST(LangMessages, EveryIdHasItsText)
{
    for (const Message& m : kMessages) {
        SCOPED_TRACE(m.id);
        EXPECT_TRUE(QnLangRcStr().Has(m.id));
        EXPECT_EQ(QnLangRcStr()(m.id), m.text);
    }
    EXPECT_FALSE(QnLangRcStr().Has(22));
    EXPECT_FALSE(QnLangRcStr().Has(1023));
}

TEST(LangExcept, UserAbortGivesItsTwoMessages)
{
    try {
        QnLangUserAbortExcept().raise();
    } catch (const QnLangUserAbortExcept& e) {
        EXPECT_STREQ(e.what(), "Evaluation aborted by user");
        EXPECT_STREQ(e.where(), "Evaluation machine");
        return;
    }
    FAIL() << "no user abort thrown";
}

TEST(LangExcept, UserAbortIsALanguageErrorCaughtApart)
{
    bool caughtAsAbort = false;
    try {
        try {
            QnLangUserAbortExcept().raise();
        } catch (const QnLangUserAbortExcept&) {
            caughtAsAbort = true;
            throw;
        }
    } catch (const QnLangExcept& e) {
        EXPECT_TRUE(caughtAsAbort);
        EXPECT_STREQ(e.what(), "Evaluation aborted by user"); // virtual through the base
        return;
    }
    FAIL();
}

TEST(LangExcept, OneSiteRaisesTheSameTextAndPlaceEachTime)
{
    std::vector<std::string> seen;
    for (int i = 0; i < 2; ++i) {
        try {
            RaiseFromOneSite(QN_LANG_BAD_FUN_ARITY);
        } catch (const QnLangExcept& e) {
            seen.push_back(std::string(e.what()) + " @ " + e.where());
        }
    }
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], "Bad built-in function arity @ Flexpr, line 270");
    EXPECT_EQ(seen[1], seen[0]);
}

TEST(LangExcept, RaiseRunsTheRaiseHookAndKeepsTheClass)
{
    static int hooked = 0;
    QnExcept::RaiseHook old = QnExcept::SetRaiseHook([](const QnExcept&) { ++hooked; });
    EXPECT_THROW(QnLsmExcept("x", "Lsm", 1).raise(), QnLsmExcept);
    EXPECT_THROW(QnLangExcept("x", "Flfun", 1).raise(), QnLangExcept);
    QnExcept::SetRaiseHook(old);
    EXPECT_EQ(hooked, 2);
}

namespace {

struct Calls {
    int created = 0, deleted = 0, shows = 0, texts = 0, progress = 0;
    uint32_t done = 0, total = 0;
    int abort = 0;
};

class FakeIndicator : public QnProgressIndicator {
public:
    explicit FakeIndicator(Calls& c) : c_(c) {}
    int TestAbort() const override { return c_.abort; }
    int Show(int on) override
    {
        ++c_.shows;
        const int was = shown_;
        shown_ = on;
        return was;
    }
    void SetText(const char*) override { ++c_.texts; }
    void SetProgress(uint32_t done, uint32_t total) override
    {
        ++c_.progress;
        c_.done = done;
        c_.total = total;
    }
    void qn_delete() override
    {
        ++c_.deleted;
        delete this;
    }

private:
    Calls& c_;
    int shown_ = 0;
};

class FakeControl : public QnProcessControl {
public:
    Calls calls;
    int TestAbort() const override { return 0; }
    QnProgressIndicator* CreateProgressIndicator(int) override
    {
        ++calls.created;
        return new FakeIndicator(calls);
    }
};

} // namespace

TEST(ProgressIndicatorAuto, WithoutControlDoesNothing)
{
    QnProgressIndicatorAuto progress(nullptr, 0);
    EXPECT_EQ(progress.TestAbort(), 0);
    EXPECT_EQ(progress.Show(1), 0);
    EXPECT_EQ(progress.Hide(), 0);
    progress.SetText("x");
    progress.SetProgress(1, 2);
    progress.qn_delete();
}

TEST(ProgressIndicatorAuto, ForwardsToOneIndicatorAndReleasesIt)
{
    FakeControl control;
    {
        QnProgressIndicatorAuto progress(&control, 3);
        EXPECT_EQ(progress.Show(1), 0);
        EXPECT_EQ(progress.Hide(), 1); // was shown
        progress.SetText("Stretching");
        progress.SetProgress(5, 10);
        control.calls.abort = 1;
        EXPECT_EQ(progress.TestAbort(), 1);
        progress.qn_delete(); // the wrapper's own: releases nothing
        EXPECT_EQ(control.calls.deleted, 0);
    }
    EXPECT_EQ(control.calls.created, 1);
    EXPECT_EQ(control.calls.deleted, 1);
    EXPECT_EQ(control.calls.shows, 2);
    EXPECT_EQ(control.calls.texts, 1);
    EXPECT_EQ(control.calls.done, 5u);
    EXPECT_EQ(control.calls.total, 10u);
}
