#include "framework/CmdTarget.h"

namespace fw {

FW_IMPLEMENT_RUNTIMECLASS_NAMED(CmdTarget, "CCmdTarget", Object, RuntimeClass::kNoSchema, nullptr)

bool CmdTarget::OnCmdMsg(uint32_t id, CmdCode code, CmdUI* ui)
{
    const MessageMap* map = GetMessageMap();
    return map && map->Dispatch(*this, id, code, ui);
}

const MessageMap* CmdTarget::GetMessageMap() const
{
    static const MessageMap map;
    return &map;
}

}  // namespace fw
