// The checked cast of the editor's built-ins and document: a value that must
// be of class T is converted with a dynamic cast, and a value of another
// class raises QnCastExcept naming both classes and the place of the cast.
#pragma once

#include <typeinfo>

#include "base/QnExcept.h"
#include "lang/FlVal.h"

template <class T>
QnPp<T> QnCheckedCast(const PpQnFlVal& value, const char* file, int line)
{
    T* p = dynamic_cast<T*>(value.Get());
    if (!p) {
        if (value)
            QnCastExcept(typeid(*value.Get()), typeid(T), file, line).raise();
        QnCastExcept(typeid(nullptr), typeid(T), file, line).raise();
    }
    return QnPp<T>(p);
}

// The value at the head of an evaluated expression (a value node), cast.
class PpQnExpr;
PpQnFlVal QnValueOf(const PpQnExpr& evaluated);
