// The tool palette's layout: the default tools, the layout file written and
// read back byte for byte in the archive's object form, and damaged or
// missing files.
#include "editor/palette/LdPlugInPaletteItem.h"
#include "editor/palette/PaletteLayout.h"
#include "framework/Exception.h"
#include "platform/ProgramLocation.h"
#include "platform/SettingsLocation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class PaletteFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("qnpalette-" + std::to_string(getpid()) + "-" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
        path = (folder / "pal.dat").string();
    }
    void TearDown() override { fs::remove_all(folder); }

    static std::vector<uint8_t> Bytes(const std::string& file)
    {
        std::ifstream in(file, std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
    }
    static void Put(const std::string& file, const std::vector<uint8_t>& bytes)
    {
        std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }

    fs::path folder;
    std::string path;
};

std::vector<size_t> PaneSizes(const CLdPaletteLayout& layout)
{
    std::vector<size_t> sizes;
    for (const auto& pane : layout.Panes())
        sizes.push_back(pane.size());
    return sizes;
}

} // namespace

TEST(PaletteDefault, FourTabsOfEffectTools)
{
    const CLdPaletteLayout layout = CLdPaletteLayout::Default(0xFFFFFF, 0x000000);
    EXPECT_EQ(layout.TabNames(), (std::vector<std::string>{"Artwork", "Deformations", "Textures", "Custom"}));
    EXPECT_EQ(PaneSizes(layout), (std::vector<size_t>{13, 8, 4, 0}));
    const auto& artwork = layout.Panes()[0];
    EXPECT_EQ(artwork[8]->CommandId(), 32815u);
    EXPECT_EQ(artwork[8]->Name(), "Oil paint");
    EXPECT_EQ(artwork[7]->Name(), "Mosaic");
    EXPECT_EQ(layout.Panes()[2][0]->Name(), "Canvas");
    EXPECT_EQ(layout.Panes()[2][2]->Name(), "Mosaic");
    EXPECT_EQ(artwork[0]->Background(), 0xFFFFFFu);
    // Every default tool is an effect of this program.
    for (const auto& pane : layout.Panes())
        for (const auto& item : pane)
            EXPECT_TRUE(item->CanApply()) << item->Name();
}

TEST_F(PaletteFile, WrittenAndReadBack)
{
    CLdPaletteLayout layout;
    layout.AddTab("T");
    CLdPaletteItem& first = layout.AddEffectItem(0, 32809, 0x102030, 0x405060);
    first.SetImage({40, 0, 0, 0, 9, 8, 7});
    static_cast<CLdPlugInPaletteItem&>(first).SetParameters({1, 2, 3});
    layout.AddEffectItem(0, 32837, 1, 2);
    layout.Panes()[0].push_back(std::make_unique<CLdPaletteItem>(5, "Plain", 3, 4));
    LdSetImageSourcePath("/pictures/Custom.bmp");
    LdStorePaletteLayout(path, layout);

    // The archive's forms: captions, a dword pane count, the item count,
    // then the first item with its class, the second by class index.
    const std::vector<uint8_t> bytes = Bytes(path);
    const std::vector<uint8_t> head{1, 0, 1, 'T', 1, 0, 0, 0, 3, 0, 0xFF, 0xFF, 1, 0, 20, 0};
    ASSERT_GT(bytes.size(), head.size() + 20);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + ptrdiff_t(head.size())), head);
    EXPECT_EQ(std::string(bytes.begin() + 16, bytes.begin() + 36), "CLdPlugInPaletteItem");
    const std::vector<uint8_t> command{0x29, 0x80, 0, 0};  // 32809, the record's first field
    EXPECT_TRUE(std::equal(command.begin(), command.end(), bytes.begin() + 36));

    LdSetImageSourcePath("");
    LdPaletteLoad load = LdLoadPaletteLayout(path, 0, 0);
    ASSERT_FALSE(load.error) << *load.error;
    EXPECT_EQ(LdImageSourcePath(), "/pictures/Custom.bmp");
    const auto& pane = load.layout.Panes().at(0);
    ASSERT_EQ(pane.size(), 3u);
    const auto* effect = dynamic_cast<const CLdPlugInPaletteItem*>(pane[0].get());
    ASSERT_NE(effect, nullptr);
    EXPECT_EQ(effect->CommandId(), 32809u);
    EXPECT_EQ(effect->Name(), "Emboss");
    EXPECT_EQ(effect->Background(), 0x102030u);
    EXPECT_EQ(effect->Foreground(), 0x405060u);
    EXPECT_EQ(effect->Image(), (std::vector<uint8_t>{40, 0, 0, 0, 9, 8, 7}));
    EXPECT_EQ(effect->Parameters(), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(pane[1]->Name(), "Canvas");
    EXPECT_EQ(dynamic_cast<const CLdPlugInPaletteItem*>(pane[2].get()), nullptr);
    EXPECT_EQ(pane[2]->Name(), "Plain");
    EXPECT_TRUE(pane[2]->CanApply());

    // Written again, the file is the same.
    LdStorePaletteLayout(path, load.layout);
    EXPECT_EQ(Bytes(path), bytes);
}

TEST_F(PaletteFile, MissingFileGivesTheDefaultQuietly)
{
    const LdPaletteLoad load = LdLoadPaletteLayout(path, 0, 0);
    EXPECT_FALSE(load.error);
    EXPECT_EQ(PaneSizes(load.layout), (std::vector<size_t>{13, 8, 4, 0}));
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(PaletteFile, WithoutAShippedLayoutTheDefaultToolsHaveNoPreviews)
{
    CLdPaletteLayout made = CLdPaletteLayout::Default(0, 0);
    made.Panes()[0][0]->SetImage(std::vector<uint8_t>(100, 7));
    LdSetImageSourcePath("/build/Palette.bmp");
    const std::string shipped = (folder / "pal.default.dat").string();
    LdStorePaletteLayout(shipped, made);
    const std::vector<uint8_t> whole = Bytes(shipped);

    // Missing, or cut short after its first tool was read.
    for (bool present : {false, true}) {
        SCOPED_TRACE(present);
        if (present)
            Put(shipped, std::vector<uint8_t>(whole.begin(), whole.begin() + ptrdiff_t(whole.size() / 2)));
        else
            fs::remove(shipped);
        LdSetImageSourcePath("/pictures/Custom.bmp");
        const LdPaletteLoad load = LdLoadPaletteLayout(path, 0x10, 0x20, shipped);
        EXPECT_FALSE(load.error);
        EXPECT_EQ(PaneSizes(load.layout), (std::vector<size_t>{13, 8, 4, 0}));
        for (const auto& pane : load.layout.Panes())
            for (const auto& item : pane) {
                EXPECT_TRUE(item->Image().empty()) << item->Name();
                EXPECT_EQ(item->Background(), 0x10u);
            }
        EXPECT_EQ(LdImageSourcePath(), "/pictures/Custom.bmp");
    }
}

TEST_F(PaletteFile, DamagedFilesAreReportedAndKept)
{
    CLdPaletteLayout layout = CLdPaletteLayout::Default(0, 0);
    layout.Panes()[0][0]->SetImage(std::vector<uint8_t>(100, 7));
    LdStorePaletteLayout(path, layout);
    const std::vector<uint8_t> good = Bytes(path);

    std::vector<std::vector<uint8_t>> damaged;
    for (size_t cut : {size_t(1), size_t(30), good.size() / 2, good.size() - 1})
        damaged.emplace_back(good.begin(), good.begin() + ptrdiff_t(cut));
    // An unknown class name, a pane count and an image size far beyond the file.
    std::vector<uint8_t> renamed = good;
    for (size_t i = 0; i + 4 <= renamed.size(); ++i)
        if (std::string(renamed.begin() + ptrdiff_t(i), renamed.begin() + ptrdiff_t(i) + 4) == "CLdP") {
            renamed[i + 3] = 'X';
            break;
        }
    damaged.push_back(renamed);
    damaged.push_back({0, 0, 0xFF, 0xFF, 0xFF, 0x7F});
    damaged.push_back({0, 0, 1, 0, 0, 0, 1, 0, 0xFF, 0xFF, 1, 0, 14, 0, 'C', 'L', 'd', 'P', 'a', 'l', 'e', 't', 't',
                       'e', 'I', 't', 'e', 'm', 1, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F});

    for (size_t i = 0; i < damaged.size(); ++i) {
        SCOPED_TRACE(i);
        Put(path, damaged[i]);
        fs::remove(path + ".damaged");
        const LdPaletteLoad load = LdLoadPaletteLayout(path, 0, 0);
        ASSERT_TRUE(load.error);
        EXPECT_NE(load.error->find(path), std::string::npos) << *load.error;
        EXPECT_EQ(PaneSizes(load.layout), (std::vector<size_t>{13, 8, 4, 0}));
        EXPECT_EQ(Bytes(path + ".damaged"), damaged[i]);
    }
}

TEST_F(PaletteFile, AFailedWriteLeavesTheOldFile)
{
    CLdPaletteLayout layout = CLdPaletteLayout::Default(0, 0);
    EXPECT_THROW(LdStorePaletteLayout((folder / "no" / "pal.dat").string(), layout), fw::FileException);
    Put(path, {1, 2, 3});
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(folder.c_str(), W_OK) != 0) {
        EXPECT_ANY_THROW(LdStorePaletteLayout(path, layout));
        EXPECT_EQ(Bytes(path), (std::vector<uint8_t>{1, 2, 3}));
    }
    fs::permissions(folder, fs::perms::owner_all);
}

TEST(PaletteFilePlace, TheLayoutIsTheUsersNotTheProgramFolders)
{
    // The program's folder may not be writable (an installed program), and
    // one user's tools are not another's.
    EXPECT_EQ(LdPaletteLayoutPath(),
              platform::SettingsLocation::ConfigFolder(platform::ProgramLocation::ProgramName()) + "pal.dat");
    EXPECT_NE(fs::path(LdPaletteLayoutPath()).parent_path(), fs::path(platform::ProgramLocation::ProgramFolder()));
}
