#include "base/QnExcept.h"
#include "editor/effects/HandleArchive.h"
#include "editor/effects/PlugInInstance.h"
#include "filters/sdk/PIHandles.h"
#include "framework/Archive.h"
#include "framework/MemFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Stored(Handle h)
{
    fw::MemFile file;
    fw::Archive ar(file, fw::Archive::store);
    WriteHandleToArchive(h, ar);
    ar.Close();
    return file.data();
}

std::string ErrorOf(const std::function<void()>& work)
{
    try {
        work();
    } catch (const QnExcept& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST(HandleArchive, ABlockIsStoredAsSizeThenBytesAndReadBack)
{
    Handle h = NewHostHandle(5);
    std::memcpy(h->data, "\x01\x02\x03\x04\x05", 5);
    const Bytes stored = Stored(h);
    FreeHostHandle(h);
    EXPECT_EQ(stored, (Bytes{5, 0, 0, 0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(Stored(nullptr), (Bytes{0, 0, 0, 0}));

    // The stored block is what an effect replays with: it does not ask.
    intptr_t word = 0;
    for (const Bytes& block : {stored, Bytes{0, 0, 0, 0}}) {
        fw::MemFile file{block};
        fw::Archive ar(file, fw::Archive::load);
        const PpPlugInInstance effect = MakePlugInInstance("rubber.8bf", "ENTRYPOINT1", "ENTRYPOINT1", &word, ar);
        EXPECT_FALSE(effect->AsksParameters());
        EXPECT_EQ(Stored(effect->Parameters()), block);
    }
    EXPECT_TRUE(MakePlugInInstance("rubber.8bf", "ENTRYPOINT1", "ENTRYPOINT1", &word)->AsksParameters());
}

TEST(HandleArchive, BadHandlesAndWrongDirectionsAreRefused)
{
    FotoHandleBlock forged{nullptr, PI_HANDLE_SIGNATURE};
    EXPECT_EQ(ErrorOf([&] { Stored(&forged); }), "Invalid memory handle");
    EXPECT_EQ(ErrorOf([&] { FreeHandleChecked(&forged); }), "Invalid memory handle");
    EXPECT_EQ(ErrorOf([&] { DuplicateHandleChecked(&forged); }), "Invalid memory handle");

    fw::MemFile file{Bytes{0, 0, 0, 0}};
    fw::Archive loading(file, fw::Archive::load);
    EXPECT_EQ(ErrorOf([&] { WriteHandleToArchive(nullptr, loading); }), "Bad archive operation");
    fw::MemFile out;
    fw::Archive storing(out, fw::Archive::store);
    EXPECT_EQ(ErrorOf([&] { ReadHandleFromArchive(storing); }), "Bad archive operation");
}
