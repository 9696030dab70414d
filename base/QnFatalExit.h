// Ends the process at once, naming where: for failures from which no
// consistent state can be recovered (an exception inside a collection).
#pragma once

[[noreturn]] void QnFatalExit(const char* file, int line);
