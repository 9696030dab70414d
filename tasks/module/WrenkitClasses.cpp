#include "tasks/module/WrenkitClasses.h"

#include "tasks/module/Task_Artwork.h"
#include "tasks/module/Task_Easy.h"
#include "tasks/module/Task_Finish.h"
#include "tasks/module/Task_Retouch.h"
#include "tasks/module/Task_Start.h"
#include "tasks/module/Tool_3dMosaic.h"
#include "tasks/module/Tool_AutoBr.h"
#include "tasks/module/Tool_Bright.h"
#include "tasks/module/Tool_Canvas.h"
#include "tasks/module/Tool_CleanBk.h"
#include "tasks/module/Tool_Color.h"
#include "tasks/module/Tool_Cracks.h"
#include "tasks/module/Tool_Crop.h"
#include "tasks/module/Tool_Deform.h"
#include "tasks/module/Tool_Edge.h"
#include "tasks/module/Tool_Effects.h"
#include "tasks/module/Tool_Engrave.h"
#include "tasks/module/Tool_Focus.h"
#include "tasks/module/Tool_FreeResize.h"
#include "tasks/module/Tool_FunHouse.h"
#include "tasks/module/Tool_GrPen.h"
#include "tasks/module/Tool_New.h"
#include "tasks/module/Tool_NotePaper.h"
#include "tasks/module/Tool_OilPaint.h"
#include "tasks/module/Tool_Open.h"
#include "tasks/module/Tool_OpenFA.h"
#include "tasks/module/Tool_Pading.h"
#include "tasks/module/Tool_PageCurl.h"
#include "tasks/module/Tool_Paste.h"
#include "tasks/module/Tool_Patches.h"
#include "tasks/module/Tool_Perspective.h"
#include "tasks/module/Tool_Pinch.h"
#include "tasks/module/Tool_Print.h"
#include "tasks/module/Tool_Punch.h"
#include "tasks/module/Tool_Relief.h"
#include "tasks/module/Tool_RemoveRE.h"
#include "tasks/module/Tool_Resize.h"
#include "tasks/module/Tool_Rotate.h"
#include "tasks/module/Tool_Rubber.h"
#include "tasks/module/Tool_Save.h"
#include "tasks/module/Tool_Scan.h"
#include "tasks/module/Tool_Clone.h"
#include "tasks/module/Tool_Paint.h"
#include "tasks/module/Tool_Calendar.h"
#include "tasks/module/Tool_Copier.h"
#include "tasks/module/Tool_Fax.h"
#include "tasks/module/Tool_Frame.h"
#include "tasks/module/Tool_ScreenSave.h"
#include "tasks/module/Tool_Send.h"
#include "tasks/module/Tool_SmartTune.h"
#include "tasks/module/Tool_Stitch.h"
#include "tasks/module/Tool_Strokes.h"
#include "tasks/module/Tool_Textures.h"
#include "tasks/module/Tool_Emboss.h"
#include "tasks/module/Tool_Facet.h"
#include "tasks/module/Tool_Fill.h"
#include "tasks/module/Tool_HandDr.h"
#include "tasks/module/Tool_Mosaic.h"
#include "tasks/module/Tool_Scatter.h"
#include "tasks/module/Tool_ScreenSave.h"
#include "tasks/module/Tool_Select.h"
#include "tasks/module/Tool_Text.h"
#include "tasks/module/Tool_Wallpaper.h"
#include "tasks/module/Tool_Warp.h"
#include "tasks/module/Tool_Wave.h"
#include "tasks/module/Tool_Whirl.h"
#include "tasks/module/Tool_WinWallPap.h"

#include <array>

namespace wrenkit {

namespace {

// The order is the bar's: index 0 is the task the editor starts with.
const fw::RuntimeClass* const kTasks[] = {
    FW_RUNTIME_CLASS(CTask_Start),   FW_RUNTIME_CLASS(CTask_Easy),   FW_RUNTIME_CLASS(CTask_Retouch),
    FW_RUNTIME_CLASS(CTask_Artwork), FW_RUNTIME_CLASS(CTask_Finish),
};

// Every tool has its fixed index; one not built into the module yet gives
// no class, which the editor skips.
constexpr size_t kToolCount = 61;

std::array<const fw::RuntimeClass*, kToolCount> MakeTools()
{
    std::array<const fw::RuntimeClass*, kToolCount> tools{};
    // Commands, popups of the editor's Effects menu, tools the bar makes
    // current.
    tools[5] = FW_RUNTIME_CLASS(CTool_GrPen);
    tools[7] = FW_RUNTIME_CLASS(CTool_Effects);
    tools[9] = FW_RUNTIME_CLASS(CTool_3dMosaic);
    tools[10] = FW_RUNTIME_CLASS(CTool_AutoBr);
    tools[11] = FW_RUNTIME_CLASS(CTool_Engrave);
    tools[12] = FW_RUNTIME_CLASS(CTool_NotePaper);
    tools[13] = FW_RUNTIME_CLASS(CTool_OilPaint);
    tools[14] = FW_RUNTIME_CLASS(CTool_Patches);
    tools[15] = FW_RUNTIME_CLASS(CTool_Relief);
    tools[16] = FW_RUNTIME_CLASS(CTool_Strokes);
    tools[17] = FW_RUNTIME_CLASS(CTool_Rubber);
    tools[18] = FW_RUNTIME_CLASS(CTool_PageCurl);
    tools[19] = FW_RUNTIME_CLASS(CTool_Pinch);
    tools[20] = FW_RUNTIME_CLASS(CTool_Punch);
    tools[21] = FW_RUNTIME_CLASS(CTool_Perspective);
    tools[22] = FW_RUNTIME_CLASS(CTool_Warp);
    tools[23] = FW_RUNTIME_CLASS(CTool_Whirl);
    tools[24] = FW_RUNTIME_CLASS(CTool_Wave);
    tools[25] = FW_RUNTIME_CLASS(CTool_Deform);
    tools[27] = FW_RUNTIME_CLASS(CTool_Stitch);
    tools[28] = FW_RUNTIME_CLASS(CTool_Crop);
    tools[29] = FW_RUNTIME_CLASS(CTool_Rotate);
    tools[30] = FW_RUNTIME_CLASS(CTool_FreeResize);
    tools[31] = FW_RUNTIME_CLASS(CTool_Bright);
    tools[32] = FW_RUNTIME_CLASS(CTool_Color);
    tools[33] = FW_RUNTIME_CLASS(CTool_Focus);
    tools[34] = FW_RUNTIME_CLASS(CTool_CleanBk);
    tools[35] = FW_RUNTIME_CLASS(CTool_RemoveRE);
    tools[36] = FW_RUNTIME_CLASS(CTool_Resize);
    tools[37] = FW_RUNTIME_CLASS(CTool_WinWallPap);
    tools[38] = FW_RUNTIME_CLASS(CTool_Open);
    tools[39] = FW_RUNTIME_CLASS(CTool_OpenFA);
    tools[40] = FW_RUNTIME_CLASS(CTool_Paste);
    tools[41] = FW_RUNTIME_CLASS(CTool_Scan);
    tools[42] = FW_RUNTIME_CLASS(CTool_New);
    tools[43] = FW_RUNTIME_CLASS(CTool_Save);
    tools[44] = FW_RUNTIME_CLASS(CTool_Print);
    tools[45] = FW_RUNTIME_CLASS(CTool_Send);
    tools[46] = FW_RUNTIME_CLASS(CTool_Canvas);
    tools[47] = FW_RUNTIME_CLASS(CTool_Cracks);
    tools[48] = FW_RUNTIME_CLASS(CTool_Pading);
    tools[49] = FW_RUNTIME_CLASS(CTool_Textures);
    tools[50] = FW_RUNTIME_CLASS(CTool_Edge);
    tools[51] = FW_RUNTIME_CLASS(CTool_SmartTune);
    tools[59] = FW_RUNTIME_CLASS(CTool_FunHouse);
    // Tools with an option panel.
    tools[6] = FW_RUNTIME_CLASS(CTool_Paint);
    tools[52] = FW_RUNTIME_CLASS(CTool_Clone);
    // Tools with an option panel.
    tools[0] = FW_RUNTIME_CLASS(CTool_HandDr);
    tools[1] = FW_RUNTIME_CLASS(CTool_Scatter);
    tools[2] = FW_RUNTIME_CLASS(CTool_Facet);
    tools[3] = FW_RUNTIME_CLASS(CTool_Mosaic);
    tools[4] = FW_RUNTIME_CLASS(CTool_Emboss);
    tools[8] = FW_RUNTIME_CLASS(CTool_Text);
    tools[26] = FW_RUNTIME_CLASS(CTool_Select);
    tools[53] = FW_RUNTIME_CLASS(CTool_Fill);
    // Wizards.
    tools[54] = FW_RUNTIME_CLASS(CTool_Wallpaper);
    tools[55] = FW_RUNTIME_CLASS(CTool_ScreenSave);
    tools[56] = FW_RUNTIME_CLASS(CTool_Calendar);
    tools[57] = FW_RUNTIME_CLASS(CTool_Copier);
    tools[58] = FW_RUNTIME_CLASS(CTool_Fax);
    tools[60] = FW_RUNTIME_CLASS(CTool_Frame);
    return tools;
}

}  // namespace

std::span<const fw::RuntimeClass* const> TaskClasses() { return kTasks; }

std::span<const fw::RuntimeClass* const> ToolClasses()
{
    static const std::array<const fw::RuntimeClass*, kToolCount> tools = MakeTools();
    return tools;
}

}  // namespace wrenkit
