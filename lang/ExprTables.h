// The four sharing tables of the expression graph: value nodes by value,
// applications by their two nodes, tuples and function nodes in list tables.
// They are made on first use and locked for good.
#pragma once

#include "lang/ApplyExpr.h"
#include "lang/ExprTable.h"
#include "lang/FlatHashMap.h"
#include "lang/Fun.h"
#include "lang/ObjMapObj.h"
#include "lang/ValueExpr.h"

#include <cstdint>
#include <functional>
#include <utility>

// Values of different classes never share a node: classes order first, then
// the class's own Compare.
struct QnValLessKey {
    bool operator()(QnFlVal* a, QnFlVal* b) const;
};
struct QnValExtractKey {
    QnFlVal* operator()(const QnValueExpr* node) const { return node->ValuePtr(); }
};

using QnApplyKey = std::pair<QnExpr*, QnExpr*>;
struct QnApplyExtractKey {
    QnApplyKey operator()(const QnApplyExpr* node) const { return {node->LeftPtr(), node->RightPtr()}; }
};

using QnValueTable = QnObjMapObj<QnFlVal*, QnValueExpr, QnValLessKey, QnValExtractKey>;
// Applications are looked up on every reduction step: a hash map of the two
// node addresses (identity, no order needed).
struct QnApplyKeyHash {
    size_t operator()(const QnApplyKey& k) const
    {
        const size_t a = reinterpret_cast<uintptr_t>(k.first), b = reinterpret_cast<uintptr_t>(k.second);
        return (a * 0x9E3779B97F4A7C15ull) ^ (b + 0x7F4A7C15ull + (a << 6) + (a >> 2));
    }
};
using QnApplyTable = QnObjMapObj<QnApplyKey, QnApplyExpr, std::less<QnApplyKey>, QnApplyExtractKey,
                                 QnFlatHashMap<QnApplyKey, QnApplyExpr, QnApplyKeyHash>>;

struct QnExprTables {
    static QnValueTable& Values();
    static QnApplyTable& Applications();
    static ExprTable& Tuples();
    static ExprTable& FunExprs();

    // Key hashes of a tuple given as the factory's element array, and of a
    // function node's function and arity.
    static size_t TupleHash(int n, const PpQnExpr* elements);
    static size_t FunHash(const QnFun* f, int n);
};
