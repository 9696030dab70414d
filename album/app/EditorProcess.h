// The editor that started the album names itself on the album's command
// line as "/HW<id>". On this system the id is the editor's process id, which
// with the editor's program name finds its instance channel.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The editor's process id from the first argument that is the switch "/HW"
// followed by a number (read as the system reads it: an optional sign, then
// digits up to the first other character); 0 when there is none or the
// number is no process id.
int64_t FindEditorProcess(const std::vector<std::string>& args);
