// A progress sink for tests: records what it is shown and aborts on demand.
#pragma once

#include "render/RenderProgress.h"

#include <string>
#include <vector>

class RecordingProgress : public QnRenderProgress {
public:
    explicit RecordingProgress(int32_t n) : QnRenderProgress(n) {}

    void SetText(const char* text) override { texts.push_back(text); }
    int IsAborted() override { return ++queries > abortAfter; }
    void ShowPosition(int32_t position) override { positions.push_back(position); }

    std::vector<std::string> texts;
    std::vector<int32_t> positions;
    int queries = 0;
    int abortAfter = 1 << 30; // abort once this many queries have passed
};
