// The catalogue of the decorative frames and mats installed beside the
// program, and the painter that puts one of each round a picture, a row at
// a time. A frame style is a folder of square bitmaps under Frame/Frame/;
// one bitmap, turned four ways and shaded with a bevel profile, gives the
// four sides. A mat is a grey bitmap under Frame/Mat/, tinted and tiled.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "editor/operations/FrameGeometry.h"
#include "editor/operations/FramePicture.h"

// The folder that holds Frame/ for catalogues made without one: the
// program's own folder unless set (tests point it at pictures of their own;
// an empty folder goes back to the program's).
void SetFramePictureFolder(const std::string& folder);
std::string FramePictureFolder();

class CPicFactory {
public:
    // The catalogue of the pictures under folder + "Frame/"; by default the
    // folder SetFramePictureFolder names.
    CPicFactory();
    explicit CPicFactory(const std::string& folder);

    // Entry 0 is "None"; then the styles in the order of a depth-first walk.
    const std::vector<std::string>& StyleNames() const { return styles_; }
    // The bitmaps of each style, by the same index ("None" lists the files
    // that lie directly in Frame/Frame/).
    const std::vector<std::vector<std::string>>& BitmapNames() const { return bitmaps_; }
    const std::vector<std::string>& MatNames() const { return mats_; }

    // The mat picture tinted with colour (0x00BBGGRR); nothing when no mat
    // has that name or its file is missing or damaged.
    std::optional<FramePicture> LoadMat(const std::string& name, uint32_t colour) const;
    // The piece of side (FrameSide) from the first style that lists the
    // bitmap name, turned and shaded for light (0..4) and bevel profile;
    // nothing when no style has it or its file is missing, damaged or not
    // square.
    std::optional<FramePicture> LoadFramePiece(const std::string& name, int32_t side, int32_t light,
                                               int32_t profile) const;

    // Sets up the painting of a W x H result with a frame of width F and a
    // mat of width M: loads the pieces and the mat and lays out the tiling.
    // 1 when frame and mat leave room for the picture (2(F + M) < W and
    // 2(F + M) < H), else 0.
    int PrepareFrame(bool grey, int32_t W, int32_t H, uint32_t matColour, int32_t F, int32_t M, int32_t light,
                     int32_t profile, const std::string& frameName, const std::string& matName);
    // Paints the frame and mat pixels of row y (counted from the bottom) into
    // row: 1 byte a pixel for grey output, else 3. Inside pixels are left
    // alone, and so are pixels of a piece or mat that could not be loaded.
    void RenderRow(uint8_t* row, int32_t y) const;
    // Whether every picture the set-up needs was loaded.
    bool HasAllPictures() const;

private:
    void Walk(const std::string& folder);

    std::string root_;  // the folder that holds Frame/
    std::vector<std::string> styles_;
    std::vector<std::string> styleFolders_;
    std::vector<std::vector<std::string>> bitmaps_;
    std::vector<std::string> mats_;

    bool grey_ = false;
    int32_t width_ = 0, height_ = 0, frame_ = 0, mat_ = 0, light_ = 0;
    std::array<std::optional<FramePicture>, 4> pieces_;
    std::optional<FramePicture> matPicture_;
    FrameTiling alongX_, alongY_;
};
