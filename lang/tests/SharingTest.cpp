// Sharing tables: which nodes are one node, and what the collector does
// with nodes that only the tables hold.
#include "LangTestValues.h"

#include "lang/ApplyExpr.h"
#include "lang/ExprTables.h"
#include "lang/FunExpr.h"
#include "lang/TupleExpr.h"
#include "lang/ValueExpr.h"

#include <gtest/gtest.h>

// Every test starts from tables that hold nothing but what something still
// reaches: nodes that earlier tests left behind as caches would otherwise
// be found again, counted or dropped here.
class Sharing : public ::testing::Test {
protected:
    void SetUp() override { QnObj::CollectGarbage(QnObj::DF_DISCARD, -1); }
};

TEST_F(Sharing, EqualIntegersShareTheNodeOfTheFirst)
{
    PpQnFlVal first(5), second(5);
    PpQnValueExpr a(first);
    PpQnValueExpr b(second);
    EXPECT_EQ(a.Get(), b.Get());
    EXPECT_EQ(b->Value().Get(), first.Get());
    EXPECT_NE(PpQnValueExpr(PpQnFlVal(6)).Get(), a.Get());
}

TEST_F(Sharing, TextsShareByBytes)
{
    EXPECT_EQ(PpQnExpr(PpQnFlVal("tile")).Get(), PpQnExpr(PpQnFlVal("tile")).Get());
    const char* different[][2] = {{"co-op", "coop"}, {"a", "A"}, {"\xc3\xa9", "e\xcc\x81"}, {"", " "}};
    for (auto& pair : different)
        EXPECT_NE(PpQnExpr(PpQnFlVal(pair[0])).Get(), PpQnExpr(PpQnFlVal(pair[1])).Get()) << pair[0];
}

TEST_F(Sharing, UniqueValuesNeverShare)
{
    PpQnFlVal u(QnCreate<UniqueVal>());
    PpQnValueExpr a(u), b(u);
    EXPECT_NE(a.Get(), b.Get());
    EXPECT_EQ(a->Value().Get(), u.Get());
    EXPECT_EQ(b->Value().Get(), u.Get());
}

TEST_F(Sharing, ValuesOfDifferentClassesNeverShare)
{
    PpQnFlVal a1(QnCreate<AllEqualA>()), a2(QnCreate<AllEqualA>()), b(QnCreate<AllEqualB>());
    EXPECT_EQ(PpQnExpr(a1).Get(), PpQnExpr(a2).Get()); // same class, Compare 0
    EXPECT_NE(PpQnExpr(a1).Get(), PpQnExpr(b).Get());
    EXPECT_NE(PpQnExpr(PpQnFlVal(0)).Get(), PpQnExpr(a1).Get());
}

TEST_F(Sharing, TuplesShareByElementsInOrder)
{
    const PpQnExpr a = IntNode(1), b = IntNode(2);
    const PpQnExpr ab[] = {a, b}, ba[] = {b, a}, ab2[] = {a, b}, aba[] = {a, b, a};
    EXPECT_EQ(PpQnExpr(2, ab).Get(), PpQnExpr(2, ab2).Get());
    EXPECT_NE(PpQnExpr(2, ab).Get(), PpQnExpr(2, ba).Get());
    EXPECT_NE(PpQnExpr(2, ab).Get(), PpQnExpr(3, aba).Get());
    EXPECT_NE(PpQnExpr(1, ab).Get(), PpQnExpr(2, ab).Get());
    // A one-element tuple is not its element.
    EXPECT_NE(PpQnExpr(1, ab).Get(), a.Get());
}

TEST_F(Sharing, FunctionNodesShareByFunctionAndArity)
{
    const PpQnFun f(NoProc, 2), g(NoProc, 2);
    const QnFunId id = QnFun::RegisterFun(f);
    const PpQnExpr byId(id, -1);
    EXPECT_EQ(PpQnExpr(id, -1).Get(), byId.Get());
    EXPECT_EQ(PpQnExpr(f, 2).Get(), byId.Get());
    EXPECT_NE(PpQnExpr(g, 2).Get(), byId.Get());
    EXPECT_EQ(LangError([&] { PpQnExpr(id, 1); }), "Bad built-in function arity @ Flexpr, line 270");
    EXPECT_THROW(PpQnExpr(QnFunId(0), -1), QnRangeExcept);
}

TEST_F(Sharing, ApplicationsShareByTheirTwoNodes)
{
    const PpQnExpr f = IntNode(1), x = IntNode(2);
    PpQnApplyExpr a(f, x);
    EXPECT_EQ(PpQnExpr(f, x).Get(), a.Get());
    EXPECT_NE(PpQnExpr(x, f).Get(), a.Get());
    EXPECT_EQ(a->Left().Get(), f.Get());
    EXPECT_EQ(a->Right().Get(), x.Get());
}

// Nodes that only the tables hold are caches: ordinary collections keep
// them, collections that drop caches take them, and the next request makes
// a new node.
TEST_F(Sharing, DroppedApplicationIsMadeAgainWithoutItsReduct)
{
    const PpQnExpr f = IntNode(1), x = IntNode(2);
    {
        PpQnApplyExpr app(f, x);
        app->SetReduct(IntNode(3).Get());
    }
    QnObj::CollectGarbage(QnObj::DF_FIX, -1);
    {
        PpQnApplyExpr kept(f, x);
        ASSERT_TRUE(kept->GetReduct());
        EXPECT_EQ(kept->GetReduct()->CastToValue()->Value().Get()->Compare(PpQnFlVal(3)), 0);
    }
    const size_t apps = QnExprTables::Applications().Size();
    const size_t values = QnExprTables::Values().Size();
    int32_t dropped = 0;
    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1, nullptr, &dropped);
    EXPECT_EQ(dropped, 2); // the application and its reduct's value node
    EXPECT_EQ(QnExprTables::Applications().Size(), apps - 1);
    EXPECT_EQ(QnExprTables::Values().Size(), values - 1);

    PpQnApplyExpr again(f, x);
    EXPECT_FALSE(again->GetReduct());
    EXPECT_EQ(QnExprTables::Applications().Size(), apps);
}

TEST_F(Sharing, HeldApplicationLosesOnlyItsCachedReduct)
{
    const PpQnExpr f = IntNode(1), x = IntNode(2);
    PpQnApplyExpr app(f, x);
    const PpQnExpr held = IntNode(4);
    app->SetReduct(IntNode(3).Get());
    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
    EXPECT_FALSE(app->GetReduct());
    EXPECT_EQ(PpQnApplyExpr(f, x).Get(), app.Get());
    // A reduct that something else holds stays.
    app->SetReduct(held.Get());
    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
    EXPECT_EQ(app->GetReduct().Get(), held.Get());
}

TEST_F(Sharing, DroppedTuplesAndFunctionNodesLeaveTheirListTables)
{
    const PpQnFun fun(NoProc, 1);
    const PpQnExpr a = IntNode(1);
    const PpQnExpr one[] = {a};
    const size_t tuples = QnExprTables::Tuples().Size();
    const size_t funs = QnExprTables::FunExprs().Size();
    PpQnExpr(1, one);
    PpQnExpr(fun, 1);
    EXPECT_EQ(QnExprTables::Tuples().Size(), tuples + 1);
    EXPECT_EQ(QnExprTables::FunExprs().Size(), funs + 1);

    QnObj::CollectGarbage(QnObj::DF_FIX, -1);
    EXPECT_EQ(QnExprTables::Tuples().Size(), tuples + 1);

    const int32_t objects = QnObj::GetTotalNumberOfObjects();
    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
    EXPECT_EQ(QnExprTables::Tuples().Size(), tuples);
    EXPECT_EQ(QnExprTables::FunExprs().Size(), funs);
    EXPECT_EQ(QnObj::GetTotalNumberOfObjects(), objects - 4); // two nodes, two entries

    // Asked for again: rebuilt and entered once more, and the list is whole.
    PpQnExpr t(1, one);
    EXPECT_EQ(PpQnExpr(1, one).Get(), t.Get());
    EXPECT_EQ(QnExprTables::Tuples().Size(), tuples + 1);
    size_t walked = 0;
    for (ExprTableEntry* e = QnExprTables::Tuples().First(); e; e = e->Next())
        ++walked;
    EXPECT_EQ(walked, tuples + 1);
    EXPECT_EQ(QnExprTables::Tuples().First()->Expression(), t.Get());
    EXPECT_EQ(t->Entry(), QnExprTables::Tuples().First());
}

TEST_F(Sharing, ReachedNodesKeepTheirEntries)
{
    const PpQnExpr a = IntNode(1), b = IntNode(2);
    const PpQnExpr ab[] = {a, b};
    const PpQnExpr t(2, ab);
    const PpQnExpr app(t, a); // reaches the tuple through a fixed link
    const PpQnExpr ts[] = {t};
    const PpQnExpr outer(1, ts);
    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
    EXPECT_EQ(PpQnExpr(2, ab).Get(), t.Get());
    EXPECT_EQ(PpQnExpr(1, ts).Get(), outer.Get());
    EXPECT_EQ(PpQnExpr(t, a).Get(), app.Get());
}

TEST_F(Sharing, LargeTupleTableStaysConsistentAcrossPartialDrops)
{
    const PpQnExpr a = IntNode(1);
    std::vector<PpQnExpr> keep;
    for (int i = 0; i < 2000; ++i) {
        const PpQnExpr el[] = {IntNode(i), a};
        PpQnExpr t(2, el);
        if (i % 3 == 0)
            keep.push_back(t);
    }
    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
    for (int i = 0; i < 2000; i += 3) {
        const PpQnExpr el[] = {IntNode(i), a};
        EXPECT_EQ(PpQnExpr(2, el).Get(), keep[i / 3].Get()) << i;
    }
}
