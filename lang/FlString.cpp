#include "lang/FlString.h"

#include "base/QnMemAlloc.h"

#include <cstring>

QnFlString::QnFlString(const char* text) : QnFlVal(0)
{
    if (!text)
        text = "";
    const size_t size = std::strlen(text) + 1;
    text_ = static_cast<char*>(QnOperatorNew(size, &QnStdAlloc::stdalloc));
    if (!text_)
        qn_standard_new_handler(0);
    std::memcpy(text_, text, size);
}

QnFlString::~QnFlString() { QnOperatorDelete(text_); }

int QnFlString::Compare(const PpQnFlVal& other) const
{
    const char* theirs = static_cast<const QnFlString*>(other.Get())->text_;
    const int r = std::strcmp(text_, theirs); // compares as unsigned char
    return r < 0 ? -1 : r > 0 ? 1 : 0;
}

PpQnFlString::PpQnFlString(const char* text) : QnPp(QnCreate<QnFlString>(text)) {}
