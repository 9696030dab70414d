// Pictures, picture files and a desktop for the saver tests.
#pragma once

#include "platform/Dib.h"
#include "platform/tests/TestFolder.h"
#include "savers/SaverDib.h"
#include "savers/SaverModel.h"
#include "savers/SaverSettings.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

// Blue x, green y, red a mix of both: every pixel of a picture under 256 x
// 256 tells where it came from.
inline std::array<uint8_t, 3> PatternAt(int32_t x, int32_t y, uint8_t salt = 0)
{
    return {uint8_t(x), uint8_t(y), uint8_t(x * 7 + y * 13 + salt)};
}

inline SaverDib PatternDib(int32_t width, int32_t height, uint8_t salt = 0)
{
    SaverDib dib(width, height);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            const auto p = PatternAt(x, y, salt);
            std::copy(p.begin(), p.end(), dib.Pixel(x, y));
        }
    return dib;
}

// The file as the screen-saver wizard writes it: a 14-byte file header, then
// the packed 24-bit DIB.
inline void WriteWizardBmp(const std::string& path, const SaverDib& dib)
{
    const std::vector<uint8_t> header = platform::MakeDibHeader(dib.Width(), dib.Height(), 24, {}, 0, 0);
    platform::BITMAPFILEHEADER file;
    file.bfSize = uint32_t(14 + header.size() + dib.Bytes().size());
    file.bfOffBits = uint32_t(14 + header.size());
    uint8_t fileBytes[14];
    file.Write(fileBytes);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(fileBytes), 14);
    out.write(reinterpret_cast<const char*>(header.data()), std::streamsize(header.size()));
    out.write(reinterpret_cast<const char*>(dib.Bytes().data()), std::streamsize(dib.Bytes().size()));
}

// A desktop of a fixed picture; counts its captures.
class FakeScreen : public SaverScreen {
public:
    explicit FakeScreen(SaverDib desktop) : desktop_(std::move(desktop)) {}
    SaverDib Capture() override
    {
        ++captures;
        return desktop_;
    }
    int captures = 0;

private:
    SaverDib desktop_;
};

// A registry store and a picture folder of one test.
class SaverFolder {
public:
    std::string Registry() const { return folder / "registry"; }
    SaverSettings Settings(const std::string& program) const
    {
        return SaverSettings(platform::RegistryStore(Registry()), program);
    }
    std::string Picture(const std::string& name) const { return folder / name; }

    TestFolder folder;
};
