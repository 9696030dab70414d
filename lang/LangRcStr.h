// The language library's message texts and how its raising sites throw them.
#pragma once

#include "base/QnRcStr.h"

// Ids of the library's string table.
enum QnLangStrId {
    QN_LANG_BAD_CAST_TO_VALUE = 1,
    QN_LANG_BAD_CAST_TO_TUPLE = 2,
    QN_LANG_BAD_FUN_ARITY = 3,
    QN_LANG_BAD_FUN_ID = 4,
    QN_LANG_BAD_TUPLE_ARITY = 5,
    QN_LANG_BAD_TUPLE_INDEX = 6,
    QN_LANG_BAD_PROGRAM_CONSTANT = 7,
    QN_LANG_BAD_COMBINATOR_ARITY = 8,
    QN_LANG_UNBOUND_VARIABLES = 9,
    QN_LANG_CANT_GENERATE_LAMBDA = 10,
    QN_LANG_CANT_COMPARE_LAMBDA = 11,
    QN_LANG_BAD_CAST_TO_CLASS = 12,
    QN_LANG_BAD_ARG_REQUEST = 13,
    QN_LANG_BAD_FRAME_RETURN = 14,
    QN_LANG_FRAME_STACK_NOT_EMPTY = 15,
    QN_LANG_CANT_APPLY_VALUE = 16,
    QN_LANG_BAD_MACHINE_STATE = 17,
    QN_LANG_BAD_COMPILED_STATUS = 18,
    QN_LANG_DIVISION_BY_ZERO = 19,
    QN_LANG_USER_ABORT = 20,
    QN_LANG_USER_ABORT_WHERE = 21,
    // Beyond the table of the original messages, which ends at 21.
    QN_LANG_TOO_LARGE = 256,
    QN_LSM_BAD_DESCRIPTOR = 1024,
    QN_LSM_DESCRIPTOR_ASSOCIATED = 1025,
};

// The library's one QnRcStr, pointed at its string table on first use.
QnRcStr& QnLangRcStr();

// Raises message id as exception class Except (QnLangExcept, QnLsmExcept)
// from source stem and line. Each site keeps its exception object in a static
// of its own, built on the first raise, and throws a copy of it each time.
#define QN_LANG_RAISE_AS(Except, id, stem, line)                                 \
    do {                                                                         \
        static Except qnLangSite_(QnLangRcStr()(id).c_str(), stem, line);        \
        qnLangSite_.raise();                                                     \
    } while (0)

#define QN_LANG_RAISE(id, stem, line) QN_LANG_RAISE_AS(QnLangExcept, id, stem, line)
