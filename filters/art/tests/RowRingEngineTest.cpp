// The row-ring engine on the host: which rows and columns reach a filter's
// row step, in what order, how the row ends are repeated into the margins,
// one request per row in every host mode, and the abort.
#include "ArtFixture.h"
#include "RingReference.h"

#include <ostream>

namespace {

struct HostCase {
    const char* name;
    RingCase ring;
    int32_t hostRow;
    uint32_t sig;
    bool hasAdvanceState;
    int32_t width;
    int32_t height;
    int16_t planes;
    Rect filterRect; // empty: the whole picture
};

void PrintTo(const HostCase& c, std::ostream* out) { *out << c.name; }

class RingOnHost : public ArtFixture, public ::testing::WithParamInterface<HostCase> {};

// Every pixel of the filter area as the ring sum of the area gives it,
// every other one untouched.
void ExpectRingSum(const ScriptedHost& host, const RingCase& ring)
{
    const Rect f = host.FilterRect();
    const int32_t fw = f.right - f.left;
    const int32_t fh = f.bottom - f.top;
    const std::vector<uint8_t> expected = RingSum(
        ring, fw, fh, host.Planes(), [&](int32_t x, int32_t y, int32_t k) { return host.In(f.left + x, f.top + y, k); },
        f.top, false);
    for (int32_t y = 0; y < host.Height(); ++y)
        for (int32_t x = 0; x < host.Width(); ++x)
            for (int32_t k = 0; k < host.Planes(); ++k) {
                const bool inside = y >= f.top && y < f.bottom && x >= f.left && x < f.right;
                const uint8_t want = inside ? expected[size_t(((y - f.top) * fw + (x - f.left)) * host.Planes() + k)]
                                            : host.In(x, y, k);
                ASSERT_EQ(host.Out(x, y, k), want) << "pixel " << x << "," << y << " plane " << k;
            }
}

TEST_P(RingOnHost, HandsTheFilterItsRingRowsWithTheEdgesRepeated)
{
    const HostCase& c = GetParam();
    RememberHost(c.hostRow, c.sig);
    auto host = MakeHost({c.sig, c.hasAdvanceState, c.width, c.height, c.planes, c.filterRect});
    PrepareBlock(*host, c.ring.ringSize, c.ring.margin, c.ring.noise);
    ASSERT_EQ(host->Run(false), 0);
    ExpectRingSum(*host, c.ring);

    const Rect f = host->FilterRect();
    const int32_t fw = f.right - f.left;
    const int32_t fh = f.bottom - f.top;
    EXPECT_EQ(host->badRequests, 0);
    // One row of the filter's width per request, each row asked once.
    EXPECT_EQ(host->largestInput, fw);
    EXPECT_EQ(host->largestOutput, fw);
    if (c.hostRow >= 4) {
        EXPECT_EQ(host->continues, fh);
    } else {
        EXPECT_EQ(host->continues, 0);
        EXPECT_EQ(host->advanceCalls, fh);
    }
    // A row the host delivers by Continue is reported again when it comes.
    EXPECT_EQ(host->progressCalls, c.hostRow >= 4 ? 2 * fh : fh);
    // The engine wrote its ring back into the block as it began.
    EXPECT_EQ(Params(*host).ringSize, c.ring.ringSize);
    EXPECT_EQ(Params(*host).ringMargin, c.ring.margin);
}

constexpr uint32_t kPhotoshop = PI_FOURCC('8', 'B', 'I', 'M');

INSTANTIATE_TEST_SUITE_P(
    Modes, RingOnHost,
    ::testing::Values(
        HostCase{"editor_deferred_whole_rgb", {3, 2}, 5, PI_HOST_SIG_EDITOR, true, 40, 30, 3, {}},
        HostCase{"painter_selection_grey", {1, 0}, 2, PI_FOURCC('F', 'S', 'X', '3'), true, 33, 21, 1, {4, 5, 17, 30}},
        HostCase{"photoshop_narrower_than_two_margins", {4, 3}, 0, kPhotoshop, true, 30, 20, 3, {2, 10, 19, 14}},
        HostCase{"publisher_selection_at_the_far_edges", {2, 1}, 4, PI_FOURCC('B', 'U', 'P', 'P'), false, 25, 18, 1,
                 {9, 11, 18, 25}},
        HostCase{"corel_single_row_and_noise", {5, 2, true}, 1, PI_FOURCC(0x01, 0x8E, 0x6F, 0xDB), true, 20, 12, 3,
                 {6, 0, 7, 20}},
        HostCase{"editor_margin_exactly_half", {3, 3, true}, 5, PI_HOST_SIG_EDITOR, true, 6, 9, 3, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ArtFixture, AnAbortKeepsTheRowsDoneAndAnswersUserCancel)
{
    RememberHost(2, PI_FOURCC('F', 'S', 'X', '3'));
    auto host = MakeHost({PI_FOURCC('F', 'S', 'X', '3'), true, 20, 10, 3, {}});
    PrepareBlock(*host, 3, 2);
    host->abortAtProgress = 3; // asked after the third row's progress
    EXPECT_EQ(host->Run(false), userCanceledErr);
    const std::vector<uint8_t> expected =
        RingSum({3, 2}, 20, 10, 3, [&](int32_t x, int32_t y, int32_t k) { return host->In(x, y, k); }, 0, false);
    for (int32_t y = 0; y < 10; ++y)
        for (int32_t x = 0; x < 20; ++x)
            for (int32_t k = 0; k < 3; ++k)
                ASSERT_EQ(host->Out(x, y, k), y < 2 ? expected[size_t((y * 20 + x) * 3 + k)] : host->In(x, y, k))
                    << x << "," << y;
    // The run ended: nothing more is asked, and Finish answered 0.
    EXPECT_EQ(host->calls.back(), (std::pair<int16_t, int16_t>{filterSelectorFinish, 0}));
}

TEST_F(ArtFixture, AnEntryWithoutParametersKeepsNoBlockAndFiltersAtOnce)
{
    RememberHost(5, PI_HOST_SIG_EDITOR);
    auto host = MakeHost({}, "ENTRYPOINT1");
    ASSERT_EQ(host->Run(true), 0);
    EXPECT_EQ(host->parameters, nullptr);
    EXPECT_EQ(filterDialogs, 0);
    ExpectRingSum(*host, {2, 1});
}

TEST_F(ArtFixture, ADamagedRingFromTheBlockIsRefusedWithoutMemory)
{
    RememberHost(2, PI_FOURCC('F', 'S', 'X', '3'));
    auto host = MakeHost({PI_FOURCC('F', 'S', 'X', '3'), true, 20, 10, 3, {}});
    PrepareBlock(*host, 3, 0x7fffffff);
    EXPECT_EQ(host->Run(false), memFullErr);
    EXPECT_EQ(host->output, host->input);
    PrepareBlock(*host, 0, 1);
    EXPECT_EQ(host->Run(false), memFullErr);
}

} // namespace
