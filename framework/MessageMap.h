// A class's table of command handlers: single command ids and id ranges,
// each for the command itself or for the update of its menu item or button.
// A map names its base class's map, so handlers are looked up from the most
// derived class to the root, as virtual functions would be.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace fw {

class CmdTarget;
class CmdUI;

// What a target is asked about a command id.
enum class CmdCode {
    Command,   // run the handler
    UpdateUI,  // run the update handler with a CmdUI
    Probe,     // only tell whether a command handler exists
};

class MessageMap {
public:
    explicit MessageMap(const MessageMap* base = nullptr) : base_(base) {}

    template <class T>
    MessageMap& OnCommand(uint32_t id, void (T::*fn)())
    {
        return Add(id, id, Kind::Command, [fn](CmdTarget& t, uint32_t, CmdUI*) {
            (static_cast<T&>(t).*fn)();
            return true;
        });
    }
    template <class T>
    MessageMap& OnCommandRange(uint32_t first, uint32_t last, void (T::*fn)(uint32_t))
    {
        return Add(first, last, Kind::Command, [fn](CmdTarget& t, uint32_t id, CmdUI*) {
            (static_cast<T&>(t).*fn)(id);
            return true;
        });
    }
    // A handler that may decline (returns false) so routing goes on.
    template <class T>
    MessageMap& OnCommandEx(uint32_t first, uint32_t last, bool (T::*fn)(uint32_t))
    {
        return Add(first, last, Kind::Command,
                   [fn](CmdTarget& t, uint32_t id, CmdUI*) { return (static_cast<T&>(t).*fn)(id); });
    }
    template <class T>
    MessageMap& OnUpdate(uint32_t id, void (T::*fn)(CmdUI&))
    {
        return OnUpdateRange(id, id, fn);
    }
    template <class T>
    MessageMap& OnUpdateRange(uint32_t first, uint32_t last, void (T::*fn)(CmdUI&))
    {
        return Add(first, last, Kind::Update, [fn](CmdTarget& t, uint32_t, CmdUI* ui) {
            (static_cast<T&>(t).*fn)(*ui);
            return true;
        });
    }

    // Finds the handler of id for code in this map and its bases and runs it
    // on target; true when a handler took the command.
    bool Dispatch(CmdTarget& target, uint32_t id, CmdCode code, CmdUI* ui) const;

private:
    enum class Kind { Command, Update };
    using Call = std::function<bool(CmdTarget&, uint32_t, CmdUI*)>;
    struct Entry {
        uint32_t first;
        uint32_t last;
        Kind kind;
        Call call;
    };

    MessageMap& Add(uint32_t first, uint32_t last, Kind kind, Call call);

    const MessageMap* base_;
    std::vector<Entry> entries_;
};

}  // namespace fw
