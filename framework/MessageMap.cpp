#include "framework/MessageMap.h"

#include "framework/CmdUI.h"

namespace fw {

MessageMap& MessageMap::Add(uint32_t first, uint32_t last, Kind kind, Call call)
{
    entries_.push_back({first, last, kind, std::move(call)});
    return *this;
}

bool MessageMap::Dispatch(CmdTarget& target, uint32_t id, CmdCode code, CmdUI* ui) const
{
    const Kind wanted = code == CmdCode::UpdateUI ? Kind::Update : Kind::Command;
    for (const MessageMap* map = this; map; map = map->base_) {
        for (const Entry& e : map->entries_) {
            if (e.kind != wanted || id < e.first || id > e.last)
                continue;
            switch (code) {
            case CmdCode::Probe:
                return true;
            case CmdCode::Command:
                if (e.call(target, id, ui))
                    return true;
                break;  // declined: look further
            case CmdCode::UpdateUI:
                if (!ui)
                    return false;
                ui->continueRouting_ = false;
                e.call(target, id, ui);
                return !ui->continueRouting_;
            }
        }
    }
    return false;
}

}  // namespace fw
