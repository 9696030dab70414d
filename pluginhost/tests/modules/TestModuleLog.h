// What the test modules tell the tests: each call appends a line to the file
// named by FXGATE_TEST_LOG (when set). The modules export only their
// entries, so this is their one other way out.
#pragma once

#include <cstdio>
#include <cstdlib>

inline void TestLog(const char* module, const char* what)
{
    const char* path = std::getenv("FXGATE_TEST_LOG");
    if (!path || !*path)
        return;
    if (FILE* file = std::fopen(path, "a")) {
        std::fprintf(file, "%s %s\n", module, what);
        std::fclose(file);
    }
}

inline const char* SelectorName(short selector)
{
    static const char* const names[] = {"about", "parameters", "prepare", "start", "continue", "finish"};
    return selector >= 0 && selector <= 5 ? names[selector] : "unknown";
}

// Every test module notes when it is loaded, so that a scan can be seen not
// to load it.
#define TEST_MODULE_LOAD_NOTE(name) \
    __attribute__((constructor)) static void NoteLoaded() { TestLog(name, "loaded"); }
