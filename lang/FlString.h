// The text value of the language: its own copy of zero-terminated bytes,
// shared by value in the expression graph.
#pragma once

#include "lang/FlVal.h"

class QnFlString : public QnFlVal {
public:
    QnFlString(const QnFlString&) = delete;
    QnFlString& operator=(const QnFlString&) = delete;

    const char* Value() const { return text_; }
    operator const char*() const { return text_; }
    char operator[](int i) const { return text_[i]; }
    // Orders by bytes: sharing must never take two different texts for one,
    // as a locale's collation can.
    int Compare(const PpQnFlVal& other) const override;

protected:
    friend struct ::QnObjCreator;
    explicit QnFlString(const char* text);
    ~QnFlString() override;

private:
    char* text_;
};

class PpQnFlString : public QnPp<QnFlString> {
public:
    using QnPp::QnPp;
    PpQnFlString(const QnPp<QnFlString>& other) : QnPp(other) {}
    // A new text value holding a copy of text (null counts as "").
    explicit PpQnFlString(const char* text);
};
