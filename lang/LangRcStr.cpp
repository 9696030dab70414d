#include "lang/LangRcStr.h"

namespace {

const QnStringTableEntry kLangStrings[] = {
    {QN_LANG_BAD_CAST_TO_VALUE, "Bad cast to value expression (this is not value expression!)"},
    {QN_LANG_BAD_CAST_TO_TUPLE, "Bad cast to tuple expression (this is not tuple expression!)"},
    {QN_LANG_BAD_FUN_ARITY, "Bad built-in function arity"},
    {QN_LANG_BAD_FUN_ID, "Bad build-in function identifier"},
    {QN_LANG_BAD_TUPLE_ARITY, "Bad tuple arity"},
    {QN_LANG_BAD_TUPLE_INDEX, "Bad tuple index"},
    {QN_LANG_BAD_PROGRAM_CONSTANT, "Bad index of interpretation machine program constant"},
    {QN_LANG_BAD_COMBINATOR_ARITY, "Bad combinator arity (combinator can't have arity 0 or variable one)"},
    {QN_LANG_UNBOUND_VARIABLES, "Can't compile (expression has unbound variables)"},
    {QN_LANG_CANT_GENERATE_LAMBDA, "Compiler error (can't generate combinator code for lambda-expression)"},
    {QN_LANG_CANT_COMPARE_LAMBDA, "Compiler error (can't compare lambda-expressions)"},
    {QN_LANG_BAD_CAST_TO_CLASS, "Bad cast to class %s"},
    {QN_LANG_BAD_ARG_REQUEST, "Bad argument request"},
    {QN_LANG_BAD_FRAME_RETURN, "Bad return operation from empty frame stack"},
    {QN_LANG_FRAME_STACK_NOT_EMPTY, "Frame stack must be empty before evaluation"},
    {QN_LANG_CANT_APPLY_VALUE, "Can't apply value to argument(s)"},
    {QN_LANG_BAD_MACHINE_STATE, "Bad evaluation machine state"},
    {QN_LANG_BAD_COMPILED_STATUS, "Compiler error (bad compiied expression status)"},
    {QN_LANG_DIVISION_BY_ZERO, "Division by zero"},
    {QN_LANG_USER_ABORT, "Evaluation aborted by user"},
    {QN_LANG_USER_ABORT_WHERE, "Evaluation machine"},
    {QN_LANG_TOO_LARGE, "Expression too large (out of memory)"},
    {QN_LSM_BAD_DESCRIPTOR, "Bad descriptor to load/save data"},
    {QN_LSM_DESCRIPTOR_ASSOCIATED, "Can't write data to descriptor associated with any data"},
};

struct LangStrings {
    LangStrings() { rc.SetTable(kLangStrings); }
    QnRcStr rc{0};
};

} // namespace

QnRcStr& QnLangRcStr()
{
    static LangStrings strings;
    return strings.rc;
}
