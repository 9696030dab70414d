// The exported interface of the plug-in host library Fxgate: plain functions
// over the process-wide catalogue and host, CPIInstance for one runnable
// plug-in, the work areas through which pictures cross, and the exceptions
// of a failed run. The plain functions answer 0, -1 or null on failure and
// never throw.
#pragma once

#include "pluginhost/CPIInstance.h"
#include "pluginhost/PIHostTypes.h"
#include "pluginhost/PIWorkAreas.h"
#include "pluginhost/PlugInFolderList.h"
#include "pluginhost/PlugInMenu.h"
#include "pluginhost/PlugInUi.h"
#include "pluginhost/piInstExceptions.h"

#include <cstdint>

extern "C" {

// Reads the catalogue file, scans the given folder (the folder list becomes
// that one folder) or else the stored folders, and readies the host. 0 when
// the paths are missing, the file path is empty or the folder too long.
int32_t PIInitPluginSupport(const PIInitPaths* paths);

// Writes the catalogue file when it changed (it is also written when the
// library is unloaded). 1 when nothing needed writing or it was written.
int32_t PITermPluginSupport();

// The editor's menus, dialogs and colour chooser; null: nothing is shown.
void PISetPluginUi(PlugInUi* ui);

// Builds the plug-in submenus into menu, command ids from firstId on.
int32_t PIAttachPluginMenu(PlugInMenu* menu, uint32_t firstId);
void PIDettachPluginMenu();
// The plug-in bound to a command id, -1 when none.
int32_t PIGetPluginIDByMenuID(uint32_t commandId);
// Without a buffer: stores name length + 1 in *length. With one: the name,
// cut to *length - 1 characters and without a trailing "...". 0 for an
// unknown id.
int32_t PIGetPluginName(uint32_t id, char* buffer, int32_t* length);

// The folders dialog; on OK the catalogue takes the new list and rescans.
int32_t PIOpenPluginDialog(void* owner);
// The about box of a plug-in: 0 shown, else a run result (PlugInHost.h).
int32_t PIOpenPluginAboutDialog(void* window, uint32_t id);

// Runs a catalogued plug-in with the handles kept from its last run. The
// answer is a run result: 0 done, 1 cancelled, else a failure (see
// PIGetLastPluginError).
int32_t PIExecutePlugin(void* window, uint32_t id, int32_t askParameters, uint32_t background, uint32_t foreground,
                        CAbstractReadWA_Ex* destination, CAbstractWriteWA_Ex* source, int32_t offsetX,
                        int32_t offsetY, CAbstractWriteWA_Ex* mask, PIProgressFunction progress,
                        PIDisplayFunction display, int32_t* withinSelection);
// Message id of the last failed run, 0 when none; its text.
int32_t PIGetLastPluginError();
const char* PIGetPluginMessage(int32_t id);

// Categories in use: a position, then name and index one by one.
void* PIGetFirstPluginCatgPosition();
const char* PIGetNextPluginCatg(void** position, int32_t* index);
// Plug-ins of one category: a position, then name and id one by one; null
// and id 0 when none is left.
void* PIGetFirstPluginPosition();
const char* PIGetNextPluginName(void** position, int32_t category, uint32_t* id);

} // extern "C"
