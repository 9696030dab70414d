// Failures of a scan: QnScanExcept carries the text shown to the user; a
// scan the user stopped ends with QnScanCancelExcept, which shows nothing.
#pragma once

#include "base/QnExcept.h"

class QnScanExcept : public QnExcept {
public:
    QnScanExcept(const std::string& text, int line) : QnExcept(text.c_str(), "QnScan", line) {}
    [[noreturn]] void do_raise() override { throw *this; }
};

class QnScanCancelExcept : public QnExcept {
public:
    explicit QnScanCancelExcept(int line) : QnExcept("", "QnScan", line) {}
    [[noreturn]] void do_raise() override { throw *this; }
};
