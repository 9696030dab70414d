// The wallpaper wizard: what each choice writes and sets, Apply and Cancel,
// the preview's geometry and painting, and the dialog driven through its
// controls while the editor's window is minimised.
#include "tasks/module/tests/WizardFixture.h"

#include <QImage>
#include <QPainter>
#include <QRadioButton>

#include <filesystem>

#include "tasks/module/LdWallpaperDialog.h"
#include "tasks/module/LdWallpaperPreview.h"
#include "tasks/module/LdWallpaperSetter.h"
#include "tasks/module/Tool_Wallpaper.h"

using State = CLdWallpaperBackend::State;

namespace {

constexpr const char* kDesktopKey = "Control Panel\\desktop";

}  // namespace

class WallpaperWizard : public WizardFixture {
protected:
    void SetUp() override
    {
        WizardFixture::SetUp();
        desktop.current = {"/home/me/beach.jpg", false, "zoom"};
    }

    std::string Picture() const { return SystemFolder() + "lodo40.bmp"; }

    const std::vector<uint8_t> dib = PatternDib(64, 48, 3);
};

TEST_F(WallpaperWizard, EachChoiceWritesThePictureRecordsTheTilingAndSetsTheDesktop)
{
    const struct {
        int tiled;
        int usePicture;
        const char* tileValue;
        bool shown;
    } cases[] = {
        {0, 1, "0", true},
        {1, 1, "1", true},
        {1, 0, "1", false},  // the file is written all the same
        {0, 0, "0", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.tiled) + "/" + std::to_string(c.usePicture));
        ClearSystemFolder();
        desktop.sets.clear();
        CLdWallpaperSetter setter(dib.data(), uint32_t(dib.size()), SystemFolder(), Registry(), desktop);
        setter.Open();
        setter.tiled = c.tiled;
        setter.usePicture = c.usePicture;
        setter.SetDesktopWallpaper();

        const std::string file = TestFolder::Read(Picture());
        ASSERT_EQ(file.size(), dib.size() + 14);
        EXPECT_EQ(file.substr(0, 2), "BM");
        EXPECT_EQ(file.substr(14), std::string(dib.begin(), dib.end()));
        EXPECT_EQ(Registry().GetString(kDesktopKey, "TileWallpaper"), c.tileValue);
        ASSERT_EQ(desktop.sets.size(), 1u);
        EXPECT_EQ(desktop.sets[0], (State{c.shown ? Picture() : "", c.tiled != 0, ""}));
    }
}

TEST_F(WallpaperWizard, OpeningTakesTheDesktopsTilingAndCancelGivesBackWhatWasFound)
{
    desktop.current = {"/home/me/tiles.png", true, "wallpaper"};
    const State found = desktop.current;
    CLdWallpaperSetter setter(dib.data(), uint32_t(dib.size()), SystemFolder(), Registry(), desktop);
    setter.Open();
    EXPECT_EQ(setter.tiled, 1);
    EXPECT_EQ(setter.usePicture, 1);

    // Cancel with nothing applied: nothing written, nothing set.
    setter.tiled = 0;
    setter.Restore();
    EXPECT_EQ(setter.tiled, 1);
    EXPECT_TRUE(desktop.sets.empty());
    EXPECT_FALSE(std::filesystem::exists(Picture()));
    EXPECT_FALSE(Registry().KeyExists(kDesktopKey));

    // Apply, then Cancel with "Use picture" unchecked: the desktop gets back
    // the wallpaper and tiling it had, not a bare desktop.
    setter.tiled = 0;
    setter.SetDesktopWallpaper();
    EXPECT_EQ(desktop.current, (State{Picture(), false, ""}));
    setter.usePicture = 0;
    setter.Restore();
    EXPECT_EQ(setter.tiled, 1);
    EXPECT_EQ(desktop.current, found);
    EXPECT_EQ(desktop.sets.size(), 2u);
    EXPECT_EQ(Registry().GetString(kDesktopKey, "TileWallpaper"), "1");
}

TEST_F(WallpaperWizard, PictureThatCannotBeWrittenSetsNothingAndKeepsTheOldFile)
{
    std::filesystem::create_directories(SystemFolder());
    TestFolder::Write(Picture(), "old wallpaper");
    CLdWallpaperSetter setter(dib.data(), uint32_t(dib.size()), SystemFolder(), Registry(), desktop);
    setter.Open();
    setter.tiled = 1;
    const std::vector<uint8_t> cut(dib.begin(), dib.begin() + 20);
    CLdWallpaperSetter damaged(cut.data(), uint32_t(cut.size()), SystemFolder(), Registry(), desktop);
    EXPECT_ANY_THROW(damaged.SetDesktopWallpaper());
    CLdWallpaperSetter nowhere(dib.data(), uint32_t(dib.size()), SystemFolder() + "missing/", Registry(), desktop);
    try {
        nowhere.SetDesktopWallpaper();
        ADD_FAILURE() << "no error";
    } catch (const std::exception& e) {
        EXPECT_NE(std::string(e.what()).find("No such file or directory"), std::string::npos) << e.what();
    }
    EXPECT_EQ(TestFolder::Read(Picture()), "old wallpaper");
    EXPECT_TRUE(desktop.sets.empty());
    EXPECT_FALSE(Registry().KeyExists(kDesktopKey));
}

TEST(WallpaperPreview, PictureCoversItsShareOfTheScreen)
{
    const QRect area(10, 20, 200, 150);
    const QSize screen(800, 600);
    // A quarter of the screen each way: 50 x 37 (150 x 150 / 600, truncated).
    EXPECT_EQ(CLdWallpaperPreview::TileSize(area.size(), {200, 150}, screen), QSize(50, 37));
    const std::vector<QRect> centred = CLdWallpaperPreview::Tiles(area, {200, 150}, screen, false);
    ASSERT_EQ(centred.size(), 1u);
    EXPECT_EQ(centred[0], QRect(10 + 75, 20 + 56, 50, 37));

    // Tiled from the top-left corner: 4 columns, 5 rows (the last cut off).
    const std::vector<QRect> tiles = CLdWallpaperPreview::Tiles(area, {200, 150}, screen, true);
    ASSERT_EQ(tiles.size(), 20u);
    EXPECT_EQ(tiles.front(), QRect(10, 20, 50, 37));
    EXPECT_EQ(tiles[1].topLeft(), QPoint(60, 20));
    EXPECT_EQ(tiles.back().topLeft(), QPoint(160, 20 + 4 * 37));

    // A picture larger than the screen overflows the area; a tiny one still
    // makes one-pixel tiles instead of no step at all.
    EXPECT_EQ(CLdWallpaperPreview::TileSize(area.size(), {1600, 600}, screen), QSize(400, 150));
    EXPECT_EQ(CLdWallpaperPreview::TileSize(area.size(), {2, 2}, screen), QSize(1, 1));
    EXPECT_EQ(CLdWallpaperPreview::Tiles(QRect(0, 0, 4, 3), {1, 1}, screen, true).size(), 12u);
    EXPECT_TRUE(CLdWallpaperPreview::Tiles(area, {0, 0}, screen, true).empty());
    EXPECT_EQ(CLdWallpaperPreview::TileSize(area.size(), {100, 100}, {0, 0}), QSize(1, 1));
}

// The dialog as the tool runs it: the editor minimised meanwhile, the
// controls set as the user would, OK and Apply setting, Cancel not.
TEST_F(WallpaperWizard, DialogDrivenThroughItsControls)
{
    const State found = desktop.current;
    const struct {
        const char* what;
        std::function<void(CLdWallpaperDialog&)> drive;
        std::vector<State> sets;
        bool written;
    } cases[] = {
        {"OK as it opens",
         [](CLdWallpaperDialog& d) { d.PressButton(fw::IDOK); },
         {{"PICTURE", false, ""}},
         true},
        {"Tiled, then OK",
         [](CLdWallpaperDialog& d) {
             d.PressButton(CLdWallpaperDialog::IDC_TILED);
             GrabWhenAsked(d, "wallpaper-pattern-tiled");
             d.PressButton(fw::IDOK);
         },
         {{"PICTURE", true, ""}},
         true},
        {"Use picture unchecked, then OK",
         [](CLdWallpaperDialog& d) {
             d.PressButton(CLdWallpaperDialog::IDC_USE_PICTURE);
             d.PressButton(fw::IDOK);
         },
         {{"", false, ""}},
         true},
        {"Tiled, then Cancel",
         [](CLdWallpaperDialog& d) {
             d.PressButton(CLdWallpaperDialog::IDC_TILED);
             d.PressButton(fw::IDCANCEL);
         },
         {},
         false},
        {"Tiled, Apply, then Cancel",
         [](CLdWallpaperDialog& d) {
             d.PressButton(CLdWallpaperDialog::IDC_TILED);
             d.PressButton(CLdWallpaperDialog::IDC_APPLY);
             EXPECT_TRUE(d.IsOpen());
             d.PressButton(fw::IDCANCEL);
         },
         {{"PICTURE", true, ""}, {"/home/me/beach.jpg", false, "zoom"}},
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ClearSystemFolder();
        desktop.current = found;
        desktop.sets.clear();
        editor.calls.clear();
        int result = -1;
        fw::SetDialogHook([&](fw::Dialog& dialog) {
            auto* wallpaper = dynamic_cast<CLdWallpaperDialog*>(&dialog);
            ASSERT_NE(wallpaper, nullptr);
            EXPECT_EQ(editor.calls, std::vector<std::string>{"minimize"});
            EXPECT_EQ(dialog.windowTitle(), "Set Wallpaper");
            EXPECT_EQ(dialog.helpId, 103u);
            // The desktop's centred picture and "Use picture" as it opens.
            EXPECT_TRUE(qobject_cast<QRadioButton*>(dialog.GetDlgItem(CLdWallpaperDialog::IDC_CENTERED))->isChecked());
            c.drive(*wallpaper);
            result = dialog.GetResult();
        });
        CTool_Wallpaper tool;
        EXPECT_EQ(tool.WantsPicture(), 1);
        EXPECT_EQ(tool.NeedsDocument(), 1);
        tool.SetPicture(const_cast<uint8_t*>(dib.data()), uint32_t(dib.size()));
        EXPECT_EQ(tool.Execute(), 0);
        EXPECT_EQ(editor.calls, (std::vector<std::string>{"minimize", "restore"}));
        EXPECT_FALSE(result == -1);
        std::vector<State> expected = c.sets;
        for (State& s : expected)
            if (s.file == "PICTURE")
                s.file = Picture();
        EXPECT_EQ(desktop.sets, expected);
        EXPECT_EQ(std::filesystem::exists(Picture()), c.written);
        EXPECT_TRUE(messages.empty());
    }
}

TEST_F(WallpaperWizard, OkThatCannotWriteTellsTheUserAndStaysOpen)
{
    std::filesystem::create_directories(Picture() + "/in the way");
    bool openAfterOk = false;
    fw::SetDialogHook([&](fw::Dialog& dialog) {
        dialog.PressButton(fw::IDOK);
        openAfterOk = dialog.IsOpen();
        dialog.PressButton(fw::IDCANCEL);
    });
    CTool_Wallpaper tool;
    tool.SetPicture(const_cast<uint8_t*>(dib.data()), uint32_t(dib.size()));
    tool.Execute();
    EXPECT_TRUE(openAfterOk);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(Picture()), std::string::npos) << messages[0];
    EXPECT_TRUE(desktop.sets.empty());
    EXPECT_EQ(editor.calls, (std::vector<std::string>{"minimize", "restore"}));
}

TEST_F(WallpaperWizard, PreviewShowsThePictureCentredOrTiledOnBlack)
{
    // A picture of one colour, a quarter of the screen each way.
    std::vector<uint8_t> red = PatternDib(200, 150);
    for (size_t i = 40; i + 2 < red.size(); i += 3) {
        red[i] = 0;
        red[i + 1] = 0;
        red[i + 2] = 255;
    }
    CLdWallpaperSetter setter(red.data(), uint32_t(red.size()), SystemFolder(), Registry(), desktop);
    CLdWallpaperDialog dialog(red.data(), uint32_t(red.size()), setter);
    fw::SetDialogHook([&](fw::Dialog&) {
        dialog.screenWidth = 800;
        dialog.screenHeight = 600;
        const QRect area(0, 0, 200, 150);
        auto paint = [&] {
            QImage image(area.size(), QImage::Format_RGB32);
            image.fill(Qt::green);
            QPainter painter(&image);
            dialog.PaintPreview(painter, area);
            return image;
        };
        QImage centred = paint();
        EXPECT_EQ(centred.pixel(100, 75), qRgb(255, 0, 0));
        EXPECT_EQ(centred.pixel(10, 10), qRgb(0, 0, 0));
        EXPECT_EQ(centred.pixel(199, 149), qRgb(0, 0, 0));
        GrabWhenAsked(dialog, "wallpaper-centred");

        dialog.PressButton(CLdWallpaperDialog::IDC_TILED);
        QImage tiled = paint();
        EXPECT_EQ(tiled.pixel(10, 10), qRgb(255, 0, 0));
        EXPECT_EQ(tiled.pixel(199, 149), qRgb(255, 0, 0));
        GrabWhenAsked(dialog, "wallpaper-tiled");

        dialog.PressButton(CLdWallpaperDialog::IDC_USE_PICTURE);
        QImage none = paint();
        EXPECT_EQ(none.pixel(100, 75), qRgb(0, 0, 0));
        GrabWhenAsked(dialog, "wallpaper-no-picture");
    });
    dialog.DoModal();
    EXPECT_TRUE(desktop.sets.empty());
}
