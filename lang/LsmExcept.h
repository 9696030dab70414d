// Errors of the load/save cache: a missing descriptor, or a save refused
// because the descriptor already holds another object's data.
#pragma once

#include "base/QnExcept.h"

class QnLsmExcept : public QnExcept {
public:
    QnLsmExcept(const char* text, const char* file, int line);
    QnLsmExcept(const QnLsmExcept&) = default;
    QnLsmExcept& operator=(const QnLsmExcept&) = default;

    [[noreturn]] void do_raise() override;

protected:
    QnLsmExcept() = default;
};
