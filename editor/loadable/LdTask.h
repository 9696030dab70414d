// Base of the task classes: a stage or sub-task whose tool list the bar
// shows. Adds one field after those of CLdLoadable, the sequence flag
// (the modules call it "guided"), which IsSequence answers.
#pragma once

#include "editor/loadable/LdLoadable.h"

class CLdTask : public CLdLoadable {
    FW_DECLARE_DYNCREATE(CLdTask)

public:
    CLdTask() = default;
    CLdTask(std::string name, int32_t titleId, int32_t tipId, int32_t commentId, int32_t bitmapId, int32_t helpId)
        : CLdLoadable(std::move(name), titleId, tipId, commentId, bitmapId, helpId)
    {
    }

    int IsSequence() override;

protected:
    int32_t guided_ = 0;
};
