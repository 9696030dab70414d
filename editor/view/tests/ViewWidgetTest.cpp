// The view in a real MDI frame (offscreen): a new picture opens zoomed out
// to fit the room, what the view shows is the picture stretched to that
// zoom, the painting goes on tile by tile by itself, coordinates map both
// ways, and the zoom commands keep the centre.
#include "blt/RgnMap.h"
#include "editor/document/Lodo40Doc.h"
#include "editor/view/Lodo40View.h"
#include "framework/App.h"
#include "framework/DocTemplate.h"
#include "framework/MDIChildWnd.h"
#include "framework/MDIFrameWnd.h"
#include "framework/MessageBox.h"
#include "lang/FlVal.h"
#include "imexp/ImExp.h"
#include "picture/Picture.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace {

class ViewWidget : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = new fw::MDIFrameWnd;
        app.SetMainWnd(frame);
        frame->resize(900, 700);
        frame->show();
        auto docTemplate = std::make_unique<fw::MultiDocTemplate>(
            "\nPicture\nPicture\nBitmap (*.bmp)\n.BMP\nid\nname", FW_RUNTIME_CLASS(CLodo40Doc),
            FW_RUNTIME_CLASS(fw::MDIChildWnd), FW_RUNTIME_CLASS(CLodo40View));
        tmpl = docTemplate.get();
        app.AddDocTemplate(std::move(docTemplate));
        folder = std::filesystem::temp_directory_path() / ("qnview-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
    }
    void TearDown() override
    {
        app.CloseAllDocuments(true);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        delete frame;
        std::filesystem::remove_all(folder);
    }
    // A picture of w x h: blue = x, green = y (both mod 256), red 77.
    std::string Picture(int32_t w, int32_t h)
    {
        PpQnPicture p(w, h, WA_RGB24, nullptr);
        std::vector<uint8_t> row(size_t(w) * 3);
        for (int32_t y = 0; y < h; ++y) {
            for (int32_t x = 0; x < w; ++x) {
                row[size_t(3 * x)] = uint8_t(x);
                row[size_t(3 * x + 1)] = uint8_t(y);
                row[size_t(3 * x + 2)] = 77;
            }
            p->SetRow(0, 0, h - 1 - y, row.data());
        }
        char name[64];
        std::snprintf(name, sizeof name, "p%dx%d.bmp", int(w), int(h));
        const std::string path = (folder / name).string();
        EXPECT_TRUE(imexp::WritePicture(path, *p));
        return path;
    }
    CLodo40View* Open(const std::string& path)
    {
        fw::Document* doc = tmpl->OpenDocumentFile(path);
        EXPECT_NE(doc, nullptr);
        if (!doc)
            return nullptr;
        QCoreApplication::processEvents();
        return dynamic_cast<CLodo40View*>(doc->GetFirstView());
    }

    fw::App app{"Telvy12ViewTest"};
    fw::MDIFrameWnd* frame = nullptr;
    fw::DocTemplate* tmpl = nullptr;
    std::filesystem::path folder;
};

}  // namespace

TEST_F(ViewWidget, ALargePictureOpensZoomedOutAndShowsStretched)
{
    CLodo40View* view = Open(Picture(3000, 600));
    ASSERT_NE(view, nullptr);
    const QSize room = frame->GetMdiArea()->viewport()->size();
    ASSERT_GT(room.width(), 0);
    EXPECT_EQ(view->Zoom().num, 1);
    EXPECT_GE(view->Zoom().den, 4);
    EXPECT_EQ(view->Zoom().den % 2, 0);
    const auto* child = dynamic_cast<fw::MDIChildWnd*>(view->GetParentFrame());
    EXPECT_LE(child->GetSubWindow()->width(), room.width());

    // What the view shows: each window pixel is the picture pixel its
    // centre maps to.
    view->OnViewActualView();
    view->OnViewZoomOut();
    view->OnViewZoomOut();  // 1/4
    const QImage shown = view->Grab();
    int checked = 0;
    for (int y = 0; y < shown.height(); y += 7) {
        for (int x = 0; x < shown.width(); x += 13) {
            const QnPoint p = view->ClientToPicture(QnPoint{x, y});
            if (!view->GetPictureRect().Contains(p))
                continue;
            const QColor c = shown.pixelColor(x, y);
            ASSERT_EQ(c.red(), 77) << x << "," << y;
            ASSERT_LE(std::abs(c.blue() - (p.x & 255)), 4) << x << "," << y;
            ++checked;
        }
    }
    EXPECT_GT(checked, 100);
}

TEST_F(ViewWidget, PaintingGoesOnByItselfUntilEveryTileIsDrawn)
{
    CLodo40View* view = Open(Picture(700, 500));
    ASSERT_NE(view, nullptr);
    view->OnViewActualView();
    view->viewport()->update();
    // Only events: no more input, no more calls.
    for (int i = 0; i < 400 && view->Blitter().CachedTiles() < 1; ++i)
        QCoreApplication::processEvents();
    for (int i = 0; i < 400; ++i)
        QCoreApplication::processEvents();
    const QnRect visible = view->GetPictureClientRect();
    const int32_t expected = int32_t(((visible.Width() + view->ScrollX() % 128 + 127) / 128 + 1) *
                                     ((visible.Height() + 127) / 128 + 1));
    EXPECT_GE(view->Blitter().CachedTiles(), std::min<int32_t>(expected, 4));
    EXPECT_FALSE(view->Blitter().InvalidRgn() * QnRgn(view->Blitter().Bounds()));
}

TEST_F(ViewWidget, PaintAllDrawsEveryVisibleTileInOneCall)
{
    CLodo40View* view = Open(Picture(700, 500));
    ASSERT_NE(view, nullptr);
    view->OnViewActualView();
    view->Blitter().InvalidateBits(nullptr);
    view->PaintAll();
    // Nothing the window shows is left out of date, without a turn of the
    // event loop after the call.
    const QnRect visible = QnOffsetRect(view->GetPictureClientRect(), view->ScrollX(), view->ScrollY());
    ASSERT_GT(visible.Width() * visible.Height(), 3 * 128 * 128);
    EXPECT_FALSE(view->Blitter().InvalidRgn() * QnRgn(visible));
}

TEST_F(ViewWidget, CoordinatesMapBothWaysAndZoomKeepsTheCentre)
{
    CLodo40View* view = Open(Picture(640, 480));
    ASSERT_NE(view, nullptr);
    view->OnViewActualView();
    for (int i = 0; i < 3; ++i)
        view->OnViewZoomIn();  // 6/1
    EXPECT_EQ(view->Zoom(), (ViewZoom{6, 1}));
    const QnPoint centre = view->ClientToPicture(QnPoint{view->viewport()->width() / 2, view->viewport()->height() / 2});
    EXPECT_NEAR(centre.x, 320, 3);
    EXPECT_NEAR(centre.y, 240, 3);
    const QnPoint p{100, 200};
    const QnPoint back = view->ClientToPicture(view->PictureToClient(p));
    EXPECT_EQ(back, p);
    EXPECT_EQ(view->GetViewXForm().XForm(QnPoint{10, 10}, 128), (QnPoint{63, 63}));
    view->OnViewFitInWindow();
    EXPECT_EQ(view->Zoom().num, 1);
    // A small picture is centred: its corner lies inside the window.
    CLodo40View* small = Open(Picture(20, 10));
    ASSERT_NE(small, nullptr);
    small->OnViewActualView();
    const QnPoint corner = small->PictureToClient(QnPoint{0, 0});
    EXPECT_GE(corner.x, 0);
    EXPECT_EQ(small->ClientToPicture(corner), (QnPoint{0, 0}));
}

TEST_F(ViewWidget, ClosingAChangedPictureAsksAndCancelKeepsItOpen)
{
    CLodo40View* view = Open(Picture(30, 20));
    ASSERT_NE(view, nullptr);
    CLodo40Doc* doc = view->GetDocument();
    EXPECT_EQ(doc->GetTitle(), "p30x20.bmp");
    // Any edit: a picture of its own in place of the opened one.
    doc->ApplyExpression(PpQnExpr(PpQnFlVal(PpQnPicture(30, 20, 0u))), nullptr, nullptr, "Edit", true, true);
    EXPECT_EQ(doc->GetTitle(), "p30x20.bmp*");
    std::vector<std::string> asked;
    int answer = fw::IDCANCEL;
    fw::SetMessageBoxHook([&](const fw::MessageBoxRequest& r) {
        asked.push_back(r.text);
        return answer;
    });
    doc->OnFileClose();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_NE(asked[0].find("p30x20.bmp"), std::string::npos);
    EXPECT_EQ(tmpl->GetDocuments().size(), 1u);
    answer = fw::IDNO;
    doc->OnFileClose();
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_TRUE(tmpl->GetDocuments().empty());
    fw::SetMessageBoxHook({});
}
