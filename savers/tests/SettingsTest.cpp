// The saver settings in the registry store, as the wizard writes them and as
// the effect window and the dialog read and write them.
#include <gtest/gtest.h>

#include "savers/tests/SaverTestSupport.h"

#include "savers/WhirlEffect.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(SaverSettings, RoundTripThroughTheStoreAsStrings)
{
    SaverFolder f;
    SaverSettings whirl = f.Settings("WHIRL");
    EXPECT_EQ(whirl.Key(), "Software\\Quendle Screen Savers\\WHIRL\\FILE");
    EXPECT_EQ(whirl.GetString(kSaverPath, "none"), "none");
    EXPECT_EQ(whirl.GetInt(kSaverSize, 10), 10);

    whirl.WriteInt(kSaverSize, 55);
    whirl.WriteInt(kSaverWhirl, -7);
    whirl.WriteString(kSaverPath, "/pictures/a b.bmp");

    // Another program's view of the same store file, keys in other case.
    const platform::RegistryStore store(f.Registry());
    EXPECT_EQ(store.GetString("software\\quendle screen savers\\whirl\\file", "size"), "55");
    EXPECT_EQ(store.GetString(whirl.Key(), "Whirl"), "-7");
    const SaverSettings again = f.Settings("whirl");
    EXPECT_EQ(again.GetInt(kSaverSize, 10), 55);
    EXPECT_EQ(again.GetString(kSaverPath, ""), "/pictures/a b.bmp");
    // The other saver's values stay apart.
    EXPECT_EQ(f.Settings("ZOOM").GetInt(kSaverSize, 10), 10);
}

TEST(SaverSettings, NumbersReadAsTheDecimalConversionReadsThem)
{
    SaverFolder f;
    SaverSettings s = f.Settings("ZOOM");
    const std::pair<const char*, int32_t> cases[] = {{"42", 42}, {" 42", 42}, {"42%", 42}, {"-3", -3},
                                                     {"abc", 0}, {"", 0},     {"+9", 9}};
    for (const auto& [text, expected] : cases) {
        s.WriteString(kSaverSize, text);
        EXPECT_EQ(s.GetInt(kSaverSize, 10), expected) << '"' << text << '"';
    }
    // A value of another kind counts as absent.
    platform::RegistryStore(f.Registry()).SetNumber(s.Key(), kSaverScreen, 1);
    EXPECT_EQ(s.GetInt(kSaverScreen, 0), 0);
}

TEST(SaverSettings, RegistrationAsTheScreenSaverGoesIntoTheSameStore)
{
    SaverFolder f;
    f.Settings("ZOOM").RegisterAsScreenSaver("/opt/quendle/zoom");
    EXPECT_EQ(platform::RegistryStore(f.Registry()).GetString("system.ini\\boot", "SCRNSAVE.EXE"),
              "/opt/quendle/zoom");
}

TEST(SaverSettings, UnwritableStoreRaisesAndTheWindowCarriesOn)
{
    SaverFolder f;
    SaverSettings s(platform::RegistryStore(f.folder / "missing/folder/registry"), "WHIRL");
    EXPECT_ANY_THROW(s.WriteInt(kSaverSize, 5));
    FakeScreen screen(PatternDib(64, 48));
    SaverModel model(SaverProgram::Whirl(), s, screen);  // writes "Size" and "Whirl" while loading
    model.SetEffectSize(20, 40);
    model.Close();
    EXPECT_EQ(model.Effect().SquareSize(), 9);
}

TEST(SaverSettings, AStoreThatIsNoRegularFileGivesTheDefaultsPromptlyAndIsLeftAlone)
{
    // A read that blocks on the FIFO, or reads /dev/zero without end, ends here.
    alarm(60);
    for (const bool fifo : {true, false}) {
        SaverFolder f;
        const std::string store = f.Registry();
        ASSERT_EQ(fifo ? mkfifo(store.c_str(), 0600) : symlink("/dev/zero", store.c_str()), 0);
        testing::internal::CaptureStderr();
        FakeScreen screen(PatternDib(64, 48));
        SaverModel model(SaverProgram::Whirl(), f.Settings("WHIRL"), screen);
        model.Close();
        const std::string told = testing::internal::GetCapturedStderr();
        EXPECT_EQ(model.SizePercent(), 10) << fifo;
        EXPECT_EQ(model.Strength(), 30) << fifo;
        EXPECT_FALSE(model.UseScreen()) << fifo;
        EXPECT_NE(told.find(store + ": it is not a regular file"), std::string::npos) << told;
        struct stat info{};
        ASSERT_EQ(lstat(store.c_str(), &info), 0);
        EXPECT_TRUE(fifo ? S_ISFIFO(info.st_mode) : S_ISLNK(info.st_mode)) << fifo;
    }
    alarm(0);
}

// What the wizard leaves behind: the picture file and "Name" and "Path".
TEST(SaverModel, ReadsThePictureAndValuesTheWizardWrote)
{
    SaverFolder f;
    const std::string path = f.Picture("lodo40ss.bmp");
    WriteWizardBmp(path, PatternDib(80, 60, 5));
    platform::RegistryStore store(f.Registry());
    store.SetString("Software\\Quendle Screen Savers\\WHIRL\\FILE", "Name", path);
    store.SetString("Software\\Quendle Screen Savers\\WHIRL\\FILE", "Path", path);

    FakeScreen screen(PatternDib(32, 32));
    SaverModel model(SaverProgram::Whirl(), f.Settings("WHIRL"), screen);
    EXPECT_EQ(screen.captures, 0);
    EXPECT_TRUE(model.PictureFromFile());
    EXPECT_EQ(model.SizePercent(), 10);
    EXPECT_EQ(model.Strength(), 30);
    const SaverDib& picture = model.Effect().Picture();
    ASSERT_EQ(picture.Width(), 80);
    ASSERT_EQ(picture.Height(), 60);
    for (auto [x, y] : {std::pair{0, 0}, {79, 0}, {0, 59}, {41, 17}}) {
        const auto p = PatternAt(x, y, 5);
        EXPECT_TRUE(std::equal(p.begin(), p.end(), picture.Pixel(x, y))) << x << "," << y;
    }
    // Loading writes the size (a new square) and the strength.
    EXPECT_EQ(store.GetString(SaverSettings::KeyOf("WHIRL"), "Size"), "10");
    EXPECT_EQ(store.GetString(SaverSettings::KeyOf("WHIRL"), "Whirl"), "30");
    // Until the window is gone "Path" is left alone; then it is written.
    store.SetString(SaverSettings::KeyOf("WHIRL"), "Path", "changed");
    model.Close();
    EXPECT_EQ(store.GetString(SaverSettings::KeyOf("WHIRL"), "Path"), path);
}

TEST(SaverModel, MissingOrDamagedPictureShowsTheDesktop)
{
    SaverFolder f;
    TestFolder::Write(f.Picture("bad.bmp"), "BM this is no picture");
    for (const std::string& path : {std::string(), f.Picture("absent.bmp"), f.Picture("bad.bmp")}) {
        f.Settings("ZOOM").WriteString(kSaverPath, path);
        FakeScreen screen(PatternDib(64, 40));
        SaverModel model(SaverProgram::Zoom(), f.Settings("ZOOM"), screen);
        EXPECT_EQ(screen.captures, 1) << path;
        EXPECT_FALSE(model.PictureFromFile());
        EXPECT_FALSE(model.UseScreen());
        EXPECT_EQ(model.Effect().Picture().Width(), 64);
        EXPECT_EQ(model.PicturePath(), path);
    }
}

TEST(SaverModel, ScreenSettingTakesTheDesktopEvenWithAGoodFile)
{
    SaverFolder f;
    WriteWizardBmp(f.Picture("p.bmp"), PatternDib(50, 50));
    SaverSettings s = f.Settings("WHIRL");
    s.WriteString(kSaverPath, f.Picture("p.bmp"));
    s.WriteInt(kSaverScreen, 1);
    FakeScreen screen(PatternDib(70, 30));
    SaverModel model(SaverProgram::Whirl(), s, screen);
    EXPECT_TRUE(model.UseScreen());
    EXPECT_EQ(model.Effect().Picture().Width(), 70);
    // Switching to the file later.
    model.LoadPicture();
    EXPECT_TRUE(model.PictureFromFile());
    EXPECT_EQ(model.Effect().Picture().Width(), 50);
}

TEST(SaverModel, SettingsOutOfRangeAreKeptToTheSliders)
{
    SaverFolder f;
    SaverSettings s = f.Settings("WHIRL");
    s.WriteInt(kSaverSize, 500);
    s.WriteString(kSaverWhirl, "nonsense");
    FakeScreen screen(PatternDib(64, 48));
    SaverModel model(SaverProgram::Whirl(), s, screen);
    EXPECT_EQ(model.SizePercent(), 100);
    EXPECT_EQ(model.Strength(), 1);
    EXPECT_EQ(model.Effect().SquareSize(), 48);
}

TEST(SaverModel, NewPicturePathWritesNameAndLoads)
{
    SaverFolder f;
    WriteWizardBmp(f.Picture("one.bmp"), PatternDib(40, 40));
    FakeScreen screen(PatternDib(64, 48));
    SaverModel model(SaverProgram::Zoom(), f.Settings("ZOOM"), screen);
    model.SetPicturePath(f.Picture("one.bmp"));
    EXPECT_EQ(f.Settings("ZOOM").GetString(kSaverName, ""), f.Picture("one.bmp"));
    EXPECT_EQ(model.Effect().Picture().Width(), 40);
    // The same path again loads nothing.
    f.Settings("ZOOM").WriteString(kSaverName, "untouched");
    model.SetPicturePath(f.Picture("one.bmp"));
    EXPECT_EQ(f.Settings("ZOOM").GetString(kSaverName, ""), "untouched");
}

// Whirl writes "Size" only for a new square and "Whirl" always; zoom makes
// the square anew and writes "Size" on every call.
TEST(SaverModel, SizeChangesWriteAsEachProgramDoes)
{
    SaverFolder f;
    FakeScreen screen(PatternDib(30, 30));  // sizes 10 and 11 both give e = 3
    SaverModel whirl(SaverProgram::Whirl(), f.Settings("WHIRL"), screen);
    SaverModel zoom(SaverProgram::Zoom(), f.Settings("ZOOM"), screen);
    int whirlRepaints = 0, zoomRepaints = 0;
    whirl.onRepaint = [&] { ++whirlRepaints; };
    zoom.onRepaint = [&] { ++zoomRepaints; };

    whirl.SetEffectSize(11, 77);
    zoom.SetEffectSize(11, 77);
    EXPECT_EQ(f.Settings("WHIRL").GetString(kSaverSize, ""), "10");
    EXPECT_EQ(f.Settings("WHIRL").GetString(kSaverWhirl, ""), "77");
    EXPECT_EQ(f.Settings("ZOOM").GetString(kSaverSize, ""), "11");
    EXPECT_EQ(f.Settings("ZOOM").GetString(kSaverWhirl, "absent"), "absent");
    EXPECT_EQ(whirlRepaints, 0);
    EXPECT_EQ(zoomRepaints, 1);

    whirl.SetEffectSize(50, 77);
    EXPECT_EQ(f.Settings("WHIRL").GetString(kSaverSize, ""), "50");
    EXPECT_EQ(whirlRepaints, 1);
    EXPECT_EQ(dynamic_cast<const WhirlEffect&>(whirl.Effect()).Strength(), 77);
}

} // namespace
