// A module that counts its tasks but never says which they are: the editor
// must not call through the entry it lacks.
#include "editor/loadable/LdModuleEntries.h"

int32_t CountTasks() { return 3; }
