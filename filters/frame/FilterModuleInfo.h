// What a module tells the frame about itself: the texts of its About box
// and the caption of its messages. Each module defines
// FilterModuleDescription() once.
#pragma once

struct FilterModuleInfo {
    const char* aboutTitle;     // "About Rubber"
    const char* collection;     // "Orvane Plug-in Collection"
    const char* version;        // "Rubber v.1.0"
    const char* messageCaption; // "Rubber Plug-in v.1.1"
    // The help file's name in the module's folder; null: "<module stem>.HLP".
    const char* helpFile = nullptr;
};

const FilterModuleInfo& FilterModuleDescription();
