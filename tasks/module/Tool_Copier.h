// The copier wizard: the editor scans a picture and prints it (its copier
// command). It needs no picture window.
#pragma once

#include "editor/loadable/LdTool.h"

class CTool_Copier : public CLdTool {
    FW_DECLARE_DYNCREATE(CTool_Copier)

public:
    static constexpr uint32_t ID_COPIER = 33002;

    CTool_Copier();

    int NeedsDocument() override { return 0; }
    // Sends the editor its copier command. Answers 0.
    int Execute() override;
};
