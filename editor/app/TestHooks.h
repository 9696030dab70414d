// Hooks through which tests watch the real program from outside, switched
// on by environment variables and inert otherwise:
//   TELVY12_TEST_REPORT=<file>    a line is appended when the start is done
//                                 ("ready <process id>"), for each picture
//                                 opened ("open <path>") and at exit ("exit")
//   TELVY12_TEST_SNAPSHOT=<file>  once the first picture window has painted
//                                 every tile, what its view shows is written
//                                 there as a PNG and the program ends
#pragma once

#include <string>

class CLodo40App;

void LdTestReport(const std::string& line);
// Arms the snapshot hook (when asked for) after the start.
void LdArmTestSnapshot(CLodo40App& app);
