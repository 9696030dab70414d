// What the editor's benchmarks share: the milliseconds since a moment, a
// document host with fixed answers, and a colour picture with a coarse
// pattern (blue x / xStep, green y / yStep, red x ^ y).
#pragma once

#include "editor/document/DocumentHost.h"
#include "picture/Picture.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

inline double Ms(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since).count();
}

class BenchDocumentHost : public CLdDocumentHost {
public:
    int32_t UndoDepth() override { return depth; }
    uint32_t Background() override { return 0xFFFFFF; }
    NewDocumentRequest& NewRequest() override { return request; }
    std::string MenuCommandText(uint32_t) override { return "Edit"; }
    std::optional<std::string> SelectFileToWrite(int, const std::string&) override { return std::nullopt; }
    QWidget* MainWidget() override { return nullptr; }

    int32_t depth = 5;
    NewDocumentRequest request;
};

inline PpQnPicture PatternPicture(int32_t width, int32_t height, int32_t xStep, int32_t yStep)
{
    PpQnPicture p(width, height, WA_RGB24, nullptr);
    std::vector<uint8_t> row(size_t(width) * 3);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            row[size_t(3 * x)] = uint8_t(x / xStep);
            row[size_t(3 * x + 1)] = uint8_t(y / yStep);
            row[size_t(3 * x + 2)] = uint8_t((x ^ y) & 0xFF);
        }
        p->SetRow(0, 0, y, row.data());
    }
    return p;
}
