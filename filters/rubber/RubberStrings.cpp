#include "filters/rubber/RubberStrings.h"

QnRcStr& RubberRcStr()
{
    static QnRcStr strings;
    return strings;
}
