#include "base/QnFatalExit.h"

#include <cstdio>
#include <cstdlib>

void QnFatalExit(const char* file, int line)
{
    std::fprintf(stderr, "Fatal error in %s, line %d\n", file ? file : "?", line);
    std::fflush(stderr);
    std::abort();
}
