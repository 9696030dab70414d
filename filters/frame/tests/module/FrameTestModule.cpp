// A trivial filter run through the frame: it subtracts every byte of the
// filter area from a level (255 by default: an inverse), one row per band.
// Its dialog shows the preview unfiltered, filters it and shows it again,
// so that the host sees both copies of the tile through displayPixels.
#include "filters/frame/DisplacementEngine.h"
#include "filters/frame/FilterDialogBase.h"
#include "filters/frame/FilterDispatch.h"
#include "filters/frame/FilterEngine.h"
#include "filters/frame/FilterModuleInfo.h"
#include "filters/frame/FilterModuleState.h"
#include "filters/frame/PreviewTile.h"
#include "framework/Dialog.h"
#include "framework/MessageBox.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <cstddef>
#include <new>

namespace {

struct FrameTestParams {
    int32_t level;
    int32_t spare;
    int32_t showDialog;
};
static_assert(sizeof(FrameTestParams) == 12 && offsetof(FrameTestParams, showDialog) == 8);

class LevelEngine : public FilterEngine {
public:
    LevelEngine(FilterRecord* record, int32_t level) : record_(record), level_(uint8_t(level)) {}

    void RunOnHost() override
    {
        FilterModuleState& state = FrameState();
        FilterRecord& r = *record_;
        const Rect f = r.filterRect;
        const int32_t height = f.bottom - f.top;
        const int32_t bytes = (f.right - f.left) * r.planes;
        for (; row_ < height; ++row_) {
            if (asked_ != row_) {
                asked_ = row_;
                r.inRect = r.outRect = Rect{int16_t(f.top + row_), f.left, int16_t(f.top + row_ + 1), f.right};
                r.inLoPlane = r.outLoPlane = 0;
                r.inHiPlane = r.outHiPlane = int16_t(r.planes - 1);
                r.inputRate = PI_FIXED_ONE;
                if (state.advanceHost() != 0)
                    return; // delivered by the next Continue, or failed
            }
            if (r.abortProc && r.abortProc()) {
                state.result = userCanceledErr;
                return;
            }
            const auto* in = static_cast<const uint8_t*>(r.inData);
            auto* out = static_cast<uint8_t*>(r.outData);
            for (int32_t i = 0; i < bytes; ++i)
                out[i] = uint8_t(level_ - in[i]);
            if (r.progressProc)
                r.progressProc(row_ + 1, height);
        }
        r.inRect = r.outRect = r.maskRect = Rect{0, 0, 0, 0};
        state.advanceHost();
    }

    void RunOnPreview(PreviewTile& tile) override
    {
        for (int32_t y = 0; y < tile.height; ++y)
            for (int32_t x = 0; x < tile.width; ++x)
                for (int32_t k = 0; k < tile.planes; ++k)
                    tile.WorkingAt(x, y)[k] = uint8_t(level_ - tile.UnfilteredAt(x, y)[k]);
    }

private:
    FilterRecord* record_;
    uint8_t level_;
    int32_t row_ = 0;
    int32_t asked_ = -1;
};

class LevelDialog : public fw::Dialog {
public:
    LevelDialog(PreviewTile* tile, FilterEngine* engine) : tile_(tile), engine_(engine) {}

protected:
    void CreateControls() override
    {
        setWindowTitle("Frame test filter");
        auto* layout = new QHBoxLayout(this);
        layout->addWidget(AddButton(fw::IDOK, "OK"));
        layout->addWidget(AddButton(fw::IDCANCEL, "Cancel"));
    }
    bool OnInitDialog() override
    {
        fw::Dialog::OnInitDialog();
        if (tile_) {
            tile_->show = false;
            tile_->Paint(nullptr);
            engine_->RunOnPreview(*tile_);
            tile_->show = true;
            tile_->Paint(nullptr);
        }
        return true;
    }

private:
    PreviewTile* tile_;
    FilterEngine* engine_;
};

class LevelFilter : public FilterDefinition {
public:
    LevelFilter()
        : FilterDefinition(sizeof(FrameTestParams), offsetof(FrameTestParams, showDialog),
                           offsetof(FrameTestParams, spare))
    {
    }
    void SetDefaults(void* block) const override
    {
        auto* p = static_cast<FrameTestParams*>(block);
        p->level = 255;
        p->spare = 7; // the dispatcher clears it before the dialog
    }
    std::unique_ptr<FilterEngine> CreateEngine(FilterRecord* record, void* block) override
    {
        return std::unique_ptr<FilterEngine>(
            new (std::nothrow) LevelEngine(record, static_cast<FrameTestParams*>(block)->level));
    }
    bool RunDialog(void* block, PreviewTile* tile, FilterEngine* engine) override
    {
        // The host sees the spare long through its handle while the dialog
        // is open.
        if (static_cast<FrameTestParams*>(block)->spare != 0)
            return false;
        LevelDialog dialog(tile, engine);
        return dialog.DoModal() == fw::IDOK;
    }
};

// A shift by a fixed displacement in 1/16 pixel through the displacement
// engine: the second entry.
struct ShiftParams {
    int32_t dx16;
    int32_t dy16;
    int32_t spare;
    int32_t showDialog;
};
static_assert(sizeof(ShiftParams) == 16 && offsetof(ShiftParams, showDialog) == 12);

class ShiftEngine : public DisplacementEngine {
public:
    ShiftEngine(FilterRecord* record, const ShiftParams& p) : DisplacementEngine(record), dx16_(p.dx16), dy16_(p.dy16)
    {
    }
    void Displace(int32_t x16, int32_t y16, int32_t* srcX16, int32_t* srcY16) override
    {
        *srcX16 = x16 + dx16_;
        *srcY16 = y16 + dy16_;
    }

private:
    int32_t dx16_;
    int32_t dy16_;
};

class ShiftDialog : public FilterDialogBase {
public:
    ShiftDialog(PreviewTile* tile, FilterEngine* engine) : FilterDialogBase(130, tile, engine, 20) {}

protected:
    bool OnInitDialog() override
    {
        setWindowTitle("Frame test shift");
        FilterDialogBase::OnInitDialog();
        ProcessPreview();
        return true;
    }
};

class ShiftFilter : public FilterDefinition {
public:
    ShiftFilter()
        : FilterDefinition(sizeof(ShiftParams), offsetof(ShiftParams, showDialog), offsetof(ShiftParams, spare))
    {
    }
    void SetDefaults(void* block) const override
    {
        auto* p = static_cast<ShiftParams*>(block);
        p->dx16 = 16 * 3;
        p->dy16 = -16 * 2;
    }
    std::unique_ptr<FilterEngine> CreateEngine(FilterRecord* record, void* block) override
    {
        return std::unique_ptr<FilterEngine>(new (std::nothrow)
                                                 ShiftEngine(record, *static_cast<ShiftParams*>(block)));
    }
    bool RunDialog(void*, PreviewTile* tile, FilterEngine* engine) override
    {
        ShiftDialog dialog(tile, engine);
        return dialog.DoModal() == fw::IDOK;
    }
};

} // namespace

const FilterModuleInfo& FilterModuleDescription()
{
    static const FilterModuleInfo info{"About Frame test", "Orvane Plug-in Collection", "Frame test v.1.0",
                                       "Frame test Plug-in v.1.1"};
    return info;
}

extern "C" PI_EXPORT void ENTRYPOINT1(int16_t selector, FilterRecord* record, intptr_t*, int16_t* result)
{
    static LevelFilter filter;
    FilterDispatch(filter, selector, record, result);
}

extern "C" PI_EXPORT void ENTRYPOINT2(int16_t selector, FilterRecord* record, intptr_t*, int16_t* result)
{
    static ShiftFilter filter;
    FilterDispatch(filter, selector, record, result);
}
