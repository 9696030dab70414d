// The picture file the wizards write: the file header before the editor's
// DIB bytes, the pixel offset past the DIB's header, masks and colours, and
// an atomic replace that keeps the old file when the write fails.
#include "tasks/module/tests/WizardFixture.h"

#include <csignal>
#include <sys/resource.h>

#include "base/QnExcept.h"
#include "base/QnLittleEndian.h"
#include "tasks/module/LdPictureFile.h"

namespace {

std::vector<uint8_t> Dib(uint32_t headerSize, uint16_t bits, uint32_t compression, uint32_t clrUsed, size_t tail)
{
    std::vector<uint8_t> dib(headerSize + tail, 0);
    QnPutLE32(dib.data(), headerSize);
    QnPutLE32(dib.data() + 4, 4);  // width
    QnPutLE32(dib.data() + 8, 2);  // height
    QnPutLE16(dib.data() + 12, 1);
    QnPutLE16(dib.data() + 14, bits);
    QnPutLE32(dib.data() + 16, compression);
    QnPutLE32(dib.data() + 32, clrUsed);
    return dib;
}

// Write failures past this many bytes, as a full disk gives them.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old_); }

private:
    rlimit old_{};
};

}  // namespace

TEST(LdPictureFile, HeaderBeforeTheUnchangedDibWithThePixelsOffset)
{
    const struct {
        const char* what;
        std::vector<uint8_t> dib;
        uint32_t offset;
    } cases[] = {
        {"the editor's 24-bit picture", PatternDib(5, 3), 54},
        {"8 bits, colours used 0: the full table", Dib(40, 8, 0, 0, 256 * 4 + 8), 14 + 40 + 1024},
        {"8 bits, 16 colours used", Dib(40, 8, 0, 16, 16 * 4 + 8), 14 + 40 + 64},
        {"4 bits", Dib(40, 4, 0, 0, 16 * 4 + 8), 14 + 40 + 64},
        {"1 bit", Dib(40, 1, 0, 0, 2 * 4 + 8), 14 + 40 + 8},
        // The masks of a bit-field DIB lie between header and pixels.
        {"16-bit bit fields", Dib(40, 16, 3, 0, 12 + 16), 14 + 40 + 12},
        {"24 bits with a colour table", Dib(40, 24, 0, 2, 8 + 24), 14 + 40 + 8},
        {"a longer header", Dib(124, 32, 0, 0, 32), 14 + 124},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<uint8_t> file = CLdPictureFile::Make(c.dib.data(), uint32_t(c.dib.size()));
        ASSERT_EQ(file.size(), c.dib.size() + 14);
        EXPECT_EQ(file[0], 'B');
        EXPECT_EQ(file[1], 'M');
        EXPECT_EQ(QnGetLE32(file.data() + 2), c.dib.size() + 14);
        EXPECT_EQ(QnGetLE32(file.data() + 6), 0u);  // both reserved words
        EXPECT_EQ(QnGetLE32(file.data() + 10), c.offset);
        EXPECT_TRUE(std::equal(c.dib.begin(), c.dib.end(), file.begin() + 14));
    }
}

TEST(LdPictureFile, BytesThatHoldNoDibAreRefusedAndNothingIsWritten)
{
    TestFolder folder;
    const std::string path = folder / "lodo40.bmp";
    TestFolder::Write(path, "old picture");
    const std::vector<uint8_t> shortTable = Dib(40, 8, 0, 0, 100);  // 256 colours need 1024 bytes
    const std::vector<uint8_t> cut = {40, 0, 0};
    for (const auto& [bytes, size] : {std::pair{shortTable.data(), uint32_t(shortTable.size())},
                                      std::pair{cut.data(), uint32_t(cut.size())},
                                      std::pair{static_cast<const uint8_t*>(nullptr), 100u}}) {
        try {
            CLdPictureFile::Write(path, bytes, size);
            ADD_FAILURE() << "no error for " << size << " bytes";
        } catch (const QnExcept& e) {
            EXPECT_EQ(std::string(e.what()).rfind("The picture can't be written: ", 0), 0u) << e.what();
        }
        EXPECT_EQ(TestFolder::Read(path), "old picture");
    }
    EXPECT_EQ(folder.Count(), 1u);
}

TEST(LdPictureFile, FailedWriteKeepsTheOldFileAndGivesTheSystemsReason)
{
    TestFolder folder;
    const std::string path = folder / "lodo40ss.bmp";
    TestFolder::Write(path, "old picture");
    const std::vector<uint8_t> dib = PatternDib(100, 100);
    try {
        FileSizeLimit limit(4096);
        CLdPictureFile::Write(path, dib.data(), uint32_t(dib.size()));
        ADD_FAILURE() << "the write did not fail";
    } catch (const QnExcept& e) {
        EXPECT_NE(std::string(e.what()).find("File too large"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
    EXPECT_EQ(TestFolder::Read(path), "old picture");
    EXPECT_EQ(folder.Count(), 1u);  // no temporary file left behind

    CLdPictureFile::Write(path, dib.data(), uint32_t(dib.size()));
    EXPECT_EQ(TestFolder::Read(path).size(), dib.size() + 14);
}
