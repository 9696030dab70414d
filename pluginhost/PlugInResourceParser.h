// Reads the plug-ins a module declares in its resources: property lists
// ("PiPL") or the older pair "_8BFM" and "PiMI". Pure parsing over the
// resource bytes; every read is bounded by the resource's size.
#pragma once

#include "pluginhost/PlugInRecord.h"
#include "platform/ResourceTable.h"

#include <cstdint>
#include <span>

#include <string>
#include <vector>

// One plug-in found in a module: its record (without path, time, category
// index and ids) and the name of its category ("" for the default one).
struct ParsedPlugIn {
    PlugInRecord record;
    std::string category;
};

// Plug-ins of the module's property lists, tried by id 16000, 16, then 1 and
// up; each is a filter ('kind' '8BFM') with an entry ('wx86'). The first
// entry met in the module is the about entry of all of them.
std::vector<ParsedPlugIn> ReadModulePiPL(const platform::ResourceTable& resources);

// Plug-ins of the older resource pair, for i = 1, 2, ...: entry
// "ENTRYPOINT<i>".
std::vector<ParsedPlugIn> ReadModuleOldForm(const platform::ResourceTable& resources);

// The property list of one resource; false when it is not a sound filter
// list. stopModule is set when the rest of the module must not be read.
bool ParsePlugInPropertyList(std::span<const uint8_t> bytes, ParsedPlugIn& out, std::string& firstEntry,
                             bool& stopModule);
