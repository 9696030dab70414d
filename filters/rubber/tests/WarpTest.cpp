// Warp of rubber.8bf: its field against the formulas (the identity for a
// flat mesh), hand-edited offsets held to the dialog's reach; stored meshes
// in every host mode; the block Parameters keeps and the buffer Prepare
// asks for; the dialog (handles dragged on the preview within 3/20 of its
// size, stored in thousandths, the preview following, OK filtering, the
// next run opening on the last mesh, Cancel answering user-cancel); and a
// run by the plug-in host library by path and entry name.
#include "FilterRunCheck.h"
#include "FxgateByName.h"
#include "WarpReference.h"

#include "filters/rubber/WarpEngine.h"

#include <QMouseEvent>

namespace {

// A Warp block with the first 25 pairs given.
std::vector<int32_t> WarpBlock(const std::vector<int32_t>& pairs, int32_t showDialog = 0)
{
    std::vector<int32_t> block(514, 0);
    std::copy(pairs.begin(), pairs.end(), block.begin());
    block[513] = showDialog;
    return block;
}

std::vector<int32_t> Mesh(std::initializer_list<std::pair<int32_t, std::pair<int32_t, int32_t>>> moved)
{
    std::vector<int32_t> pairs(50, 0);
    for (const auto& [handle, offset] : moved) {
        pairs[size_t(2 * handle)] = offset.first;
        pairs[size_t(2 * handle + 1)] = offset.second;
    }
    return pairs;
}

const std::vector<int32_t> kMeshes[] = {
    Mesh({}),
    Mesh({{12, {120, -90}}}),
    Mesh({{0, {149, 149}}, {6, {-149, 100}}, {18, {60, -149}}, {24, {-100, -100}}}),
    Mesh({{2, {0, 149}}, {7, {0, -149}}, {12, {149, 0}}, {13, {-149, 0}}, {22, {75, 75}}}),
};

std::vector<std::pair<int32_t, int32_t>> Walk(const std::vector<int32_t>& pairs, int32_t w, int32_t h)
{
    WarpParams p{};
    std::copy(pairs.begin(), pairs.end(), p.offsets);
    WarpEngine engine(nullptr, &p);
    engine.SetWorkSize(w, h);
    EXPECT_TRUE(engine.Begin());
    std::vector<std::pair<int32_t, int32_t>> out;
    for (int32_t y = 0; y < h; ++y) {
        engine.BuildRow(y);
        for (int32_t x = 0; x < w; ++x) {
            int32_t sx = 16 * x, sy = 16 * y;
            engine.Displace(16 * x, 16 * y, &sx, &sy);
            out.emplace_back(sx, sy);
        }
    }
    engine.End();
    return out;
}

TEST(WarpEngine, FieldFollowsTheFormulasAndAFlatMeshLeavesThePicture)
{
    for (const auto& [w, h] : {std::pair{61, 43}, std::pair{30, 90}, std::pair{6, 6}, std::pair{1, 1}, std::pair{2, 7}})
        for (size_t m = 0; m < std::size(kMeshes); ++m) {
            SCOPED_TRACE(testing::Message() << w << "x" << h << " mesh " << m);
            const auto walked = Walk(kMeshes[m], w, h);
            ASSERT_EQ(walked, WarpField(w, h, kMeshes[m]).source);
            if (m == 0) {
                for (int32_t i = 0; i < w * h; ++i)
                    ASSERT_EQ(walked[size_t(i)], std::make_pair(16 * (i % w), 16 * (i / w))) << i;
            }
        }
    // Offsets past the dialog's reach act as its reach.
    std::vector<int32_t> wild = Mesh({{12, {900, -5000}}, {3, {-151, 151}}});
    EXPECT_EQ(Walk(wild, 40, 30), WarpField(40, 30, Mesh({{12, {150, -150}}, {3, {-150, 150}}})).source);
}

class WarpModes : public FilterRunFixture, public ::testing::WithParamInterface<HostMode> {};

TEST_P(WarpModes, StoredMeshesWarpThePicture)
{
    for (size_t m = 0; m < std::size(kMeshes); ++m) {
        SCOPED_TRACE(m);
        auto host = RunStored(GetParam(), "ENTRYPOINT2", WarpBlock(kMeshes[m]));
        EXPECT_EQ(host->record.bufferSpace, 2056);
        ExpectField(*host, WarpField(AreaWidth(*host), AreaHeight(*host), kMeshes[m]));
        if (m == 0) {
            EXPECT_EQ(host->output, host->input);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Hosts, WarpModes, ::testing::ValuesIn(AllHostModes()),
                         [](const ::testing::TestParamInfo<HostMode>& info) { return std::string(info.param.name); });

using WarpRun = FilterRunFixture;

// A press at (x, y) of the preview, a move by (dx, dy) and a release.
void DragHandle(QWidget* mesh, QPoint at, std::vector<QPoint> moves)
{
    auto send = [&](QEvent::Type type, QPoint p, Qt::MouseButtons buttons) {
        QMouseEvent e(type, QPointF(p), mesh->mapToGlobal(QPointF(p)), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(mesh, &e);
    };
    send(QEvent::MouseButtonPress, at, Qt::LeftButton);
    for (const QPoint& m : moves)
        send(QEvent::MouseMove, at + m, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, at + moves.back(), Qt::NoButton);
}

TEST_F(WarpRun, DialogDragsHandlesWithinReachAndTheNextRunOpensOnTheLastMesh)
{
    RememberHost(2, PI_HOST_SIG_EDITOR);
    auto host = MakeHost({PI_HOST_SIG_EDITOR, true, 240, 160, 3, Rect{0, 0, 0, 0}, 0}, "ENTRYPOINT2");
    host->Reset();
    ASSERT_EQ(host->Call(filterSelectorParameters), 0);
    EXPECT_EQ(GetHostHandleSize(host->parameters), 2056);
    auto* block = static_cast<WarpParams*>(host->parameters->data);
    EXPECT_EQ(block->showDialog, 1);
    std::vector<int32_t> stored;
    filterDialog = [&](fw::Dialog& d) {
        QWidget* mesh = d.GetDlgItem(1006);
        ASSERT_NE(mesh, nullptr);
        d.grab();
        const ShownMap unfiltered = host->shown.back();
        const int32_t tw = unfiltered.width, th = unfiltered.height; // 250 x 166
        const int32_t cw = mesh->width(), ch = mesh->height();
        EXPECT_EQ(cw, tw + 3);
        auto rest = [&](int32_t i, int32_t j) { return QPoint((i + 1) * cw / 6, (j + 1) * ch / 6); };
        // Handle (1, 2) taken 20 right and 10 up.
        DragHandle(mesh, rest(1, 2), {QPoint(10, -5), QPoint(20, -10)});
        // Handle (3, 3): 50 right is past 3/20 of 250 and refused; 30 is not.
        DragHandle(mesh, rest(3, 3), {QPoint(50, 0)});
        EXPECT_EQ(block->offsets[2 * 18], 0);
        DragHandle(mesh, rest(3, 3), {QPoint(50, 0), QPoint(30, 0), QPoint(38, 0)});
        stored = Mesh({{11, {20 * 1000 / tw, -10 * 1000 / th}}, {18, {30 * 1000 / tw, 0}}});
        EXPECT_TRUE(std::equal(stored.begin(), stored.end(), block->offsets));
        d.grab();
        const RefPicture tile{tw, th, 3, unfiltered.pixels.data()};
        const WarpField field(tw, th, stored);
        for (int32_t y = 0; y < th; ++y)
            for (int32_t x = 0; x < tw; ++x)
                for (int32_t k = 0; k < 3; ++k)
                    ASSERT_EQ(host->shown.back().pixels[size_t((y * tw + x) * 3 + k)],
                              RubberPreviewPixel(tile, field, x, y, k))
                        << x << "," << y;
        d.PressButton(9);
    };
    ASSERT_EQ(host->Run(false), 0);
    EXPECT_EQ(filterTitles, (std::vector<std::string>{"Warp"}));
    EXPECT_EQ(helpTopics, (std::vector<uint32_t>{4}));
    ExpectField(*host, WarpField(240, 160, stored));
    EXPECT_EQ(block->showDialog, 0);

    // Parameters keeps the mesh; the dialog opens on it, filtered; Cancel.
    host->output = host->input;
    filterOk = false;
    block = nullptr;
    filterDialog = [&](fw::Dialog& d) {
        d.grab();
        const ShownMap opening = host->shown.back();
        d.PressButton(1015);
        d.grab();
        const ShownMap unfiltered = host->shown.back();
        ExpectPreviewField(opening, unfiltered, 3, WarpField(unfiltered.width, unfiltered.height, stored));
    };
    EXPECT_EQ(host->Run(true), userCanceledErr);
    EXPECT_EQ(host->output, host->input);
    const auto* kept = static_cast<WarpParams*>(host->parameters->data);
    EXPECT_TRUE(std::equal(stored.begin(), stored.end(), kept->offsets));
    EXPECT_EQ(kept->showDialog, 1);
}

TEST_F(WarpRun, RunsUnderTheHostLibraryByPathAndEntryName)
{
    FxgateByName fxgate(config.Path(), "ENTRYPOINT2");
    TestPicture source = CheckedPicture(45, 31);
    // The first run's dialog, left as it opens: a flat mesh.
    TestPicture first = source;
    ASSERT_EQ(fxgate.Run(source, first, 1), kRunDone);
    EXPECT_EQ(first.Pixels(), source.Pixels());
    std::copy(kMeshes[2].begin(), kMeshes[2].end(), static_cast<WarpParams*>(fxgate.parameters->data)->offsets);
    TestPicture warped = source;
    ASSERT_EQ(fxgate.Run(source, warped, 0), kRunDone);
    ExpectFxgateField(source, warped, WarpField(45, 31, kMeshes[2]));
    filterOk = false;
    TestPicture cancelled = source;
    EXPECT_EQ(fxgate.Run(source, cancelled, 1), kRunCancelled);
    EXPECT_EQ(cancelled.Pixels(), source.Pixels());
}

} // namespace
