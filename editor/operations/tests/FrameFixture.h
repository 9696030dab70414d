// A folder of frame and mat pictures made for a test, removed afterwards.
#pragma once

#include "editor/operations/FramePicture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

class FrameFixture {
public:
    FrameFixture()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "frames-XXXXXX").string();
        root_ = mkdtemp(pattern.data());
    }
    ~FrameFixture() { std::filesystem::remove_all(root_); }
    FrameFixture(const FrameFixture&) = delete;
    FrameFixture& operator=(const FrameFixture&) = delete;

    const std::string& Root() const { return root_; }

    // A width x height picture whose pixel (x, y) (y counted from the
    // bottom row) is colour(x, y) as blue, green, red.
    static FramePicture Picture(int32_t width, int32_t height, const std::function<uint32_t(int32_t, int32_t)>& colour)
    {
        FramePicture p;
        p.width = width;
        p.height = height;
        p.bits.assign(size_t(p.Stride()) * size_t(height), 0);
        for (int32_t y = 0; y < height; ++y)
            for (int32_t x = 0; x < width; ++x) {
                const uint32_t c = colour(x, y);
                uint8_t* q = p.Pixel(x, y);
                q[0] = uint8_t(c);
                q[1] = uint8_t(c >> 8);
                q[2] = uint8_t(c >> 16);
            }
        return p;
    }

    // Writes bytes to Root()/relative, making its folders.
    void WriteBytes(const std::string& relative, const std::vector<uint8_t>& bytes) const
    {
        const std::filesystem::path path = std::filesystem::path(root_) / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    void Write(const std::string& relative, const FramePicture& picture) const
    {
        WriteBytes(relative, EncodeFramePicture(picture));
    }

private:
    std::string root_;
};
