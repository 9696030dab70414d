// The conversion dialogs: the conversion their preview shows follows the
// controls, Bayer comes and goes with the standard palette, and the
// preview switch shows the plain picture.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>

#include "DialogGrab.h"
#include "framework/MessageBox.h"
#include "editor/ui/Convert1Dlg.h"
#include "editor/ui/Convert4Dlg.h"
#include "editor/ui/PreviewControl.h"

namespace {

using Target = CLdConversion::Target;
using Palette = CLdConversion::Palette;

// A grey ramp that turns black and white under any conversion; counts
// what it was asked to draw.
class RampPicture : public CLdPreviewPicture {
public:
    QImage Render(const CLdConversion* effect, const QSize& size) override
    {
        ++renders;
        QImage image(size.boundedTo(QSize(120, 90)), QImage::Format_RGB32);
        for (int x = 0; x < image.width(); ++x) {
            const int grey = x * 255 / std::max(1, image.width() - 1);
            const int shown = effect ? (grey < 128 ? 0 : 255) : grey;
            for (int y = 0; y < image.height(); ++y)
                image.setPixel(x, y, qRgb(shown, shown, shown));
        }
        return image;
    }
    int renders = 0;
};

QComboBox* Combo(fw::Dialog& d, uint32_t id)
{
    return qobject_cast<QComboBox*>(d.GetDlgItem(id));
}

// Chooses entry index of a combo box as the user would.
void Choose(fw::Dialog& d, uint32_t id, int index)
{
    QComboBox* combo = Combo(d, id);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

std::vector<std::string> Entries(QComboBox* combo)
{
    std::vector<std::string> entries;
    for (int i = 0; i < combo->count(); ++i)
        entries.push_back(combo->itemText(i).toStdString());
    return entries;
}

}  // namespace

TEST(ConvertDialogs, MonochromePreviewFollowsTheRasterAndTheSwitch)
{
    auto picture = std::make_shared<RampPicture>();
    Convert1Dlg dialog(picture);
    dialog.rasterIndex = 1;
    fw::SetDialogHook([&](fw::Dialog& d) {
        auto& convert = static_cast<Convert1Dlg&>(d);
        EXPECT_EQ(Entries(Combo(d, Convert1Dlg::IDC_RASTER)),
                  (std::vector<std::string>{"None", "Error diffusion", "Bayer", "Fatting"}));
        EXPECT_EQ(*convert.Preview()->Effect(), (CLdConversion{Target::Mono, Palette::Standard, 8}));
        Choose(d, Convert1Dlg::IDC_RASTER, 3);
        EXPECT_EQ(*convert.Preview()->Effect(), (CLdConversion{Target::Mono, Palette::Standard, 24}));
        EXPECT_NE(convert.Preview()->ShownEffect(), nullptr);

        d.show();
        GrabWhenAsked(d, "Convert1Dlg");
        const QImage on = convert.Preview()->grab().toImage();
        qobject_cast<QCheckBox*>(d.GetDlgItem(Convert1Dlg::IDC_SHOW_PREVIEW))->click();
        EXPECT_EQ(convert.Preview()->ShownEffect(), nullptr);
        const QImage off = convert.Preview()->grab().toImage();
        EXPECT_NE(on, off);  // the plain ramp has greys the converted one lacks
        d.PressButton(fw::IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), fw::IDOK);
    EXPECT_EQ(dialog.rasterIndex, 3);
    EXPECT_EQ(dialog.showPreview, 0);
    EXPECT_GT(picture->renders, 0);
}

TEST(ConvertDialogs, PalettedTitlesAndEffects)
{
    struct Case {
        bool fourBit;
        int palette;
        int raster;
        const char* title;
        CLdConversion effect;
        int32_t paletteColours;
    };
    const Case cases[] = {
        {true, 1, 1, "Convert to 4-bit paletted", {Target::Paletted4, Palette::Optimized, 8}, 16},
        {true, 0, 2, "Convert to 4-bit paletted", {Target::Paletted4, Palette::Standard, 16}, 0},
        {false, 1, 0, "Convert to 8-bit paletted", {Target::Paletted8, Palette::Optimized, 0}, 256},
        {false, 0, 1, "Convert to 8-bit paletted", {Target::Paletted8, Palette::Standard, 8}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title + std::to_string(c.palette));
        Convert4Dlg dialog(std::make_shared<RampPicture>(), c.fourBit);
        dialog.paletteIndex = c.palette;
        dialog.rasterIndex = c.raster;
        fw::SetDialogHook([&](fw::Dialog& d) {
            auto& convert = static_cast<Convert4Dlg&>(d);
            EXPECT_EQ(d.windowTitle().toStdString(), c.title);
            EXPECT_EQ(Combo(d, Convert4Dlg::IDC_RASTER)->count(), c.palette == 0 ? 3 : 2);
            EXPECT_EQ(*convert.Preview()->Effect(), c.effect);
            EXPECT_EQ(convert.Preview()->Effect()->PaletteColours(), c.paletteColours);
            d.PressButton(fw::IDCANCEL);
        });
        EXPECT_EQ(dialog.DoModal(), fw::IDCANCEL);
        EXPECT_EQ(dialog.rasterIndex, c.raster);
    }
}

TEST(ConvertDialogs, BayerOnlyWithTheStandardPalette)
{
    Convert4Dlg dialog(std::make_shared<RampPicture>(), true);
    dialog.paletteIndex = 0;
    dialog.rasterIndex = 2;
    fw::SetDialogHook([&](fw::Dialog& d) {
        auto& convert = static_cast<Convert4Dlg&>(d);
        QComboBox* raster = Combo(d, Convert4Dlg::IDC_RASTER);
        EXPECT_EQ(Entries(raster), (std::vector<std::string>{"None", "Error diffusion", "Bayer"}));
        EXPECT_EQ(raster->currentIndex(), 2);

        Choose(d, Convert4Dlg::IDC_PALETTE, 1);  // Optimized: Bayer goes, error diffusion instead
        EXPECT_EQ(Entries(raster), (std::vector<std::string>{"None", "Error diffusion"}));
        EXPECT_EQ(raster->currentIndex(), 1);
        EXPECT_EQ(*convert.Preview()->Effect(), (CLdConversion{Target::Paletted4, Palette::Optimized, 8}));

        Choose(d, Convert4Dlg::IDC_PALETTE, 0);  // Standard: Bayer offered again, not chosen
        EXPECT_EQ(Entries(raster), (std::vector<std::string>{"None", "Error diffusion", "Bayer"}));
        EXPECT_EQ(raster->currentIndex(), 1);
        EXPECT_EQ(*convert.Preview()->Effect(), (CLdConversion{Target::Paletted4, Palette::Standard, 8}));
        d.show();
        GrabWhenAsked(d, "Convert4Dlg");
        d.PressButton(fw::IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), fw::IDOK);
    EXPECT_EQ(dialog.paletteIndex, 0);
    EXPECT_EQ(dialog.rasterIndex, 1);
    EXPECT_EQ(dialog.showPreview, 1);
}

TEST(ConvertDialogs, CancelGivesBackTheCallersChoices)
{
    Convert4Dlg dialog(std::make_shared<RampPicture>(), false);
    dialog.paletteIndex = 0;
    dialog.rasterIndex = 2;
    fw::SetDialogHook([](fw::Dialog& d) {
        Choose(d, Convert4Dlg::IDC_PALETTE, 1);
        qobject_cast<QCheckBox*>(d.GetDlgItem(Convert4Dlg::IDC_SHOW_PREVIEW))->click();
        d.PressButton(fw::IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), fw::IDCANCEL);
    EXPECT_EQ(dialog.paletteIndex, 0);
    EXPECT_EQ(dialog.rasterIndex, 2);
    EXPECT_EQ(dialog.showPreview, 1);
    fw::SetDialogHook({});
}
