// The editor's File > Send: the picture by mail; serves pictures of any kind.
#pragma once

#include "tasks/module/WrenkitCommandTool.h"

class CTool_Send : public CWrenkitCommandTool<57612> {
    FW_DECLARE_DYNCREATE(CTool_Send)

public:
    CTool_Send();
    int AcceptsAnyPicture() override { return 1; }
};
