// Calendar files ("*.cal"): the styling of a calendar page (shapes'
// rectangles, fonts, colours, grid style, white level), not its picture,
// month or year.
#pragma once

#include <string>

class CLdCalendarPage;

class CLdCalendarFile {
public:
    // Written beside the target and renamed over it once complete: a failed
    // save leaves the file that was there. Raises the framework's file error.
    static void Save(const std::string& path, const CLdCalendarPage& page);
    // Read whole or not at all: a file that cannot be read, ends early,
    // carries another signature or holds values no page can have raises the
    // framework's file or archive error naming it, and the page is left as
    // it was.
    static void Load(const std::string& path, CLdCalendarPage& page);
};
