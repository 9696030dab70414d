// A huge picture costs only the tiles that were written.
#include "PictureTestSupport.h"

#include "gc/QnStdAlloc.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

// Resident set size of this process in bytes (0 when unknown).
uint64_t ResidentBytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stoull(line.substr(6)) * 1024;
    return 0;
}

} // namespace

TEST(QnPictureMemory, HugePictureWithOneWrittenTileCostsAboutOneTile)
{
    const uint64_t allocatedBefore = QnStdAlloc::stdalloc.Allocated();
    const uint64_t residentBefore = ResidentBytes();
    {
        PpQnPicture pic(20000, 20000, WA_RGB24, nullptr);
        QnRect cell;
        PpQnPixBuf view = pic->GetAccessToBuffer(0, QnPoint{10000, 10000}, &cell);
        view->Row(10000 - cell.top)[(10000 - cell.left) * 3] = 42;
        // Reading unwritten tiles allocates nothing either.
        uint8_t row[3 * 64];
        pic->WriteToRow(0, 5, QnRange{0, 0}, row);
        PpQnPixBuf far = pic->Render(QnXFormXY(), 0, QnPoint{19999, 19999}, QnRect{0, 0, 20000, 20000}, nullptr,
                                     nullptr, 0);
        EXPECT_EQ(far->CRow(0)[0], 0);

        const uint64_t allocated = QnStdAlloc::stdalloc.Allocated() - allocatedBefore;
        const uint64_t resident = ResidentBytes() - residentBefore;
        const uint64_t whole = uint64_t(20000) * 20000 * 3; // 1.2 GB
        const uint64_t tile = 64 * 64 * 3;
        // The tile written, the three blank tiles and the object itself.
        EXPECT_LT(allocated, 4 * tile + 16384) << "collecting allocator bytes";
        // The tile table (8 bytes a tile) dominates what else is resident.
        EXPECT_LT(resident, whole / 100) << "resident bytes";
        const auto pixels = pictest::RenderRect(PpQnRenderObj(pic), 0, QnRect{9999, 9999, 10002, 10001}, 3);
        EXPECT_EQ(pixels[(1 * 3 + 1) * 3], 42); // pixel (10000, 10000)
        EXPECT_EQ(pixels[0], 0);
    }
    QnObj::CollectGarbage(QnObj::DF_DISCARD, -1);
}
