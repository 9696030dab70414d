// Where the editor's effect modules lie: beside the program. The table names
// them as they were always spelt ("ovartg.8bf"), while the build may give the
// file another case ("OVARTG.8bf"), so a bare name is matched without case.
#pragma once

#include <string>

// The folder searched for bare module names: the program's folder unless a
// caller set another (tests run from a folder of their own).
std::string EffectModuleFolder();
void SetEffectModuleFolder(const std::string& folder);

// The path of the file in folder whose name equals name without regard to
// case, an exact match first; "" when there is none.
std::string FindFileIgnoringCase(const std::string& folder, const std::string& name);

// The path a module name loads from: a name with a folder as it is, a bare
// name found in EffectModuleFolder() (as it is when no file matches, so that
// the load fails naming it).
std::string ResolveEffectModule(const std::string& name);
