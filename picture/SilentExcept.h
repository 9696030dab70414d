// An exception that ends an operation without a message: raised where the
// import/export library has failed and has already said what there was to say.
// Handlers end the command quietly on it.
#pragma once

#include "base/QnExcept.h"

class QnSilentExcept : public QnExcept {
public:
    QnSilentExcept() = default;
    QnSilentExcept(const QnSilentExcept&) = default;
    QnSilentExcept& operator=(const QnSilentExcept&) = default;

    [[noreturn]] void do_raise() override;
    const char* where() const override;
};
