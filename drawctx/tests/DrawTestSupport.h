// Shared pieces of the drawing-library tests: a redraw receiver that records
// what it is told, and pictures made in one line.
#pragma once

#include "drawctx/ZvDisplay.h"
#include "drawctx/ZvDrawContext.h"

#include <optional>
#include <vector>

struct RedrawCall {
    std::optional<QnRgn> region; // nothing for "the whole picture"
    int flag = 0;
};

class RecordingNtf : public ZV_REDRAWNTF {
public:
    int Redraw(ZV_DRAWCONTEXT*, const QnRgn* region, const QnRgn* update, int flag) override
    {
        EXPECT_EQ(region, update);
        calls.push_back(RedrawCall{region ? std::optional<QnRgn>(*region) : std::nullopt, flag});
        return 1;
    }
    int UpdateColors(ZV_DRAWCONTEXT*) override
    {
        ++updates;
        return answer;
    }

    std::vector<RedrawCall> calls;
    int updates = 0;
    int answer = 1;
};

// Holds a picture for a test and drops the test's reference at the end.
struct WaHolder {
    WaHolder(int type, int width, int height) : wa(new WA(type, width, height, static_cast<char*>(nullptr))) {}
    ~WaHolder() { WARelease(wa); }
    WA* operator->() const { return wa; }
    operator WA*() const { return wa; }
    WA* wa;
};

// Records a display for one test and puts the old one back.
struct DisplayScope {
    explicit DisplayScope(const ZvDisplay& d) : old(ZvRecordDisplay(d)) {}
    ~DisplayScope() { ZvRecordDisplay(old); }
    ZvDisplay old;
};

struct ContextDeleter {
    void operator()(ZV_DRAWCONTEXT* c) const { delete c; }
};
using ContextPtr = std::unique_ptr<ZV_DRAWCONTEXT, ContextDeleter>;
