// The number by which a registered function is named: its slot in the
// function registry plus one. 0 names no function.
#pragma once

#include <cstdint>

class QnFunId {
public:
    constexpr QnFunId() = default;
    constexpr explicit QnFunId(uint32_t id) : id_(id) {}
    constexpr operator uint32_t() const { return id_; }

private:
    uint32_t id_ = 0;
};

// The standard built-ins: the first functions registered in every process,
// at the library's load, so their ids never change.
inline constexpr QnFunId FL_ADD{1};
inline constexpr QnFunId FL_SUB{2};
inline constexpr QnFunId FL_MUL{3};
inline constexpr QnFunId FL_DIV{4};
inline constexpr QnFunId FL_MOD{5};
inline constexpr QnFunId FL_DIVMOD{6};
inline constexpr QnFunId FL_ID{7};
inline constexpr QnFunId FL_NEG{8};
inline constexpr QnFunId FL_NOT{9};
inline constexpr QnFunId FL_EQ{10};
inline constexpr QnFunId FL_NE{11};
inline constexpr QnFunId FL_GT{12};
inline constexpr QnFunId FL_LT{13};
inline constexpr QnFunId FL_GE{14};
inline constexpr QnFunId FL_LE{15};
inline constexpr QnFunId FL_LNOT{16};
inline constexpr QnFunId FL_AND{17};
inline constexpr QnFunId FL_OR{18};
inline constexpr QnFunId FL_EQUIV{19};
inline constexpr QnFunId FL_SELECT{20};
inline constexpr QnFunId FL_IF{21};
inline constexpr QnFunId FL_TUPLE{22};
inline constexpr QnFunId FL_ELEMENT{23};
inline constexpr QnFunId FL_Y{24};
inline constexpr uint32_t FL_STANDARD_COUNT = 24;
