// Anything that can receive numeric commands: the application, documents,
// templates, views, frames, bars. A target answers from its message map;
// classes that pass commands on (frames, views, documents) override OnCmdMsg
// to offer them to the next targets in the system's routing order.
#pragma once

#include <cstdint>

#include "framework/MessageMap.h"
#include "framework/Object.h"

namespace fw {

class CmdUI;

class CmdTarget : public Object {
    FW_DECLARE_DYNAMIC(CmdTarget)

public:
    // Offers a command (or its update, or a probe) to this target and those
    // it routes to; true when one of them took it.
    virtual bool OnCmdMsg(uint32_t id, CmdCode code, CmdUI* ui);
    virtual const MessageMap* GetMessageMap() const;

    // Runs command id through the routing; true when it was handled.
    bool ExecuteCommand(uint32_t id) { return OnCmdMsg(id, CmdCode::Command, nullptr); }
};

}  // namespace fw
