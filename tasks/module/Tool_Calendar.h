// The calendar wizard: the editor's picture made a printable one-month
// calendar page in the calendar dialog. Without a picture it offers the
// editor's File > Open and Open From Album instead.
#pragma once

#include "tasks/module/WrenkitPictureTool.h"

class CTool_Calendar : public CWrenkitPictureTool {
    FW_DECLARE_DYNCREATE(CTool_Calendar)

public:
    CTool_Calendar();

    // Runs the calendar dialog over the picture. Answers 0.
    int Execute() override;
};
