// What differs between the two saver programs, apart from their effect:
// their registry name, the texts of their dialogs and whether they have a
// strength setting.
#pragma once

#include "savers/SaverEffect.h"

#include <memory>
#include <string>

struct SaverProgram {
    std::string name;       // "WHIRL": the registry key and the program's name in capitals
    std::string caption;    // the settings dialog's title
    std::string version;    // the About box's text
    std::string sizeLabel;  // the label of the size slider
    bool hasStrength = false;
    std::unique_ptr<SaverEffect> (*makeEffect)() = nullptr;

    static const SaverProgram& Whirl();
    static const SaverProgram& Zoom();
};
