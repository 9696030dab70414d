// The editor's Paste As New Image, when the clipboard holds a picture;
// otherwise the message "Clipboard is empty" and nothing sent. Works without
// a picture window.
#pragma once

#include "tasks/module/WrenkitCommandTool.h"

class CTool_Paste : public CWrenkitCommandTool<32861> {
    FW_DECLARE_DYNCREATE(CTool_Paste)

public:
    static constexpr int32_t IDS_CLIPBOARD_EMPTY = 255;

    CTool_Paste();

    int Execute() override;
    int AcceptsAnyPicture() override { return 1; }
    int NeedsDocument() override { return 0; }
};
