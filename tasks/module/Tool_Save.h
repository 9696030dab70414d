// The editor's File > Save; serves pictures of any kind.
#pragma once

#include "tasks/module/WrenkitCommandTool.h"

class CTool_Save : public CWrenkitCommandTool<57603> {
    FW_DECLARE_DYNCREATE(CTool_Save)

public:
    CTool_Save();
    int AcceptsAnyPicture() override { return 1; }
};
