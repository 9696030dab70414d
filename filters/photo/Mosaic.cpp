#include "filters/photo/Mosaic.h"

#include "filters/photo/PhotoFilterDialog.h"
#include "filters/photo/WindowEngine.h"

#include <QVBoxLayout>
#include <algorithm>
#include <cstring>
#include <new>

namespace {

const ArtFilterInfo kInfo{"Mosaic", 148, PhotoFilter::kDialogHelp};

class MosaicEngine : public WindowEngine {
public:
    using WindowEngine::WindowEngine;

protected:
    PhotoWindow Window(const ArtParams& params) const override
    {
        const int32_t e = MosaicSize(params.Param(1));
        return {e, e};
    }

    void FilterRow(const uint8_t* const* rows, uint8_t* out, int32_t row) const override
    {
        MosaicRow(rows, ringSize_, margin_, workWidth_, planes_, row, out);
    }
};

class MosaicDialog : public PhotoFilterDialog {
public:
    MosaicDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine)
        : PhotoFilterDialog(kInfo, "Mosaic parameters", 115, {{1001, 116}}, params, tile, engine)
    {
    }

protected:
    void CreateFilterControls(QVBoxLayout* layout) override { AddSlider(layout, 0, "&Size (1...100):"); }

    bool OnInitDialog() override
    {
        PhotoFilterDialog::OnInitDialog();
        SetSlider(0, 1, 100, 10);
        UpdatePreview(false);
        return true;
    }
};

} // namespace

int32_t MosaicSize(int32_t p1) { return std::clamp(p1, 1, 100); }

void MosaicRow(const uint8_t* const* rows, int32_t size, int32_t margin, int32_t width, int32_t planes, int32_t row,
               uint8_t* out)
{
    const size_t p = size_t(planes);
    // The cell's top row is at most size - 1 rows back, so still in the
    // ring; rows above the picture's top are its top row there.
    const uint8_t* source = rows[size - (std::max(row, 0) % size) - 1];
    for (int32_t x = 0; x < width; ++x)
        std::memcpy(out + size_t(x) * p, source + size_t(x - x % size + margin) * p, p);
}

MosaicFilter::MosaicFilter() : PhotoFilter(PhotoFilterInfo{kInfo, 15, 15}) {}

void MosaicFilter::ParamDefaults(ArtParams& params) const { params.Param(1) = 15; }

std::unique_ptr<FilterEngine> MosaicFilter::MakeEngine(FilterRecord* record, ArtParams* params)
{
    return std::unique_ptr<FilterEngine>(new (std::nothrow) MosaicEngine(record, params));
}

std::unique_ptr<ArtFilterDialog> MosaicFilter::MakeDialog(ArtParams& params, PreviewTile* tile, FilterEngine* engine)
{
    return std::make_unique<MosaicDialog>(params, tile, engine);
}
