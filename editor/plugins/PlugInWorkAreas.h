// The work areas through which an external plug-in reads the document's
// picture and its selection mask (SrcWA) and writes its result (DstWA).
// Rows are counted from the bottom of the object's rectangle, as the plug-in
// host counts them; a pixel is 3 bytes (blue, green, red) for type 16 and
// 1 byte otherwise.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "picture/Picture.h"
#include "pluginhost/PIWorkAreas.h"
#include "render/RenderObj.h"

class PictureRowAccess;

class SrcWA : public CAbstractWriteWA_Ex {
public:
    // object is read through its rectangle under the identity transform.
    SrcWA(const PpQnRenderObj& object, int32_t type, int32_t xRes, int32_t yRes);
    ~SrcWA() override;

    int32_t GetImageCount(int32_t& count) override;
    int32_t GetPageCount(int32_t image, int32_t& count) override;
    int32_t GetSize(int32_t image, int32_t page, int32_t& width, int32_t& height) override;
    int32_t GetType(int32_t image, int32_t page, int32_t& type) override;
    int32_t GetPalette(int32_t image, int32_t page, uint32_t* colours, int32_t count) override;
    int32_t GetResolution(int32_t image, int32_t page, int32_t& x, int32_t& y) override;
    int32_t ReadRow(int32_t image, int32_t page, int32_t row, uint8_t* buffer) override;
    int32_t ReadPixels(int32_t image, int32_t page, int32_t column, int32_t row, int32_t length,
                       const uint8_t*& pixels) override;

private:
    // The rendered pixels of row (from the bottom), or null outside.
    const uint8_t* RowPixels(int32_t row);

    PpQnRenderObj object_;
    QnRect rect_;
    int32_t type_;
    int32_t xRes_;
    int32_t yRes_;
    int32_t pixelBytes_;
    // The plug-in host asks for rows one by one: they are rendered a band of
    // rows at a time, not a render for every row.
    std::unique_ptr<PictureRowAccess> band_;
    int32_t bandTop_ = 0;
    int32_t bandBottom_ = 0;
    std::vector<uint8_t> row_;
};

class DstWA : public CAbstractReadWA_Ex {
public:
    // result already has the source's size and type.
    explicit DstWA(const PpQnPicture& result);

    int32_t SetImageCount(int32_t count) override;
    int32_t SetPageCount(int32_t image, int32_t count) override;
    int32_t SetSize(int32_t image, int32_t page, int32_t width, int32_t height) override;
    int32_t SetType(int32_t image, int32_t page, int32_t type) override;
    int32_t SetPalette(int32_t image, int32_t page, const uint32_t* colours, int32_t count) override;
    int32_t SetResolution(int32_t image, int32_t page, int32_t x, int32_t y) override;
    int32_t WriteRow(int32_t image, int32_t page, int32_t row, const uint8_t* buffer) override;
    int32_t WritePixels(int32_t image, int32_t page, int32_t column, int32_t row, int32_t length,
                        const uint8_t* pixels) override;
    int32_t ReadBackPixels(int32_t image, int32_t page, int32_t column, int32_t row, int32_t length,
                           const uint8_t*& pixels) override;

private:
    bool Inside(int32_t column, int32_t row, int32_t length) const;

    PpQnPicture result_;
    int32_t pixelBytes_;
    std::vector<uint8_t> row_;
};
