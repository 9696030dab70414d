// Resample, Resize, Rotate&Flip and Stitch on documents through their
// dialogs: applied, undone and redone, "Nothing to do!" when the dialog
// changes nothing, Cancel changing nothing, and Stitch opening a new
// document while both sources stay as they were.
#include "DocTestSupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <memory>

#include "editor/ui/ResizeDlg.h"
#include "editor/ui/RotateFlipDlg.h"
#include "editor/ui/RotateFlipSelDlg.h"
#include "editor/ui/StitchDlg.h"
#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/Dialog.h"
#include "framework/MessageBox.h"
#include "lang/ValueExpr.h"

using namespace doctest;

namespace {

// A host that knows the open pictures and makes File > New's document.
class StitchHost : public FakeHost {
public:
    std::vector<CLodo40Doc*> OpenPictures() override { return open; }
    CLodo40Doc* ActivePicture() override { return active; }
    void SendCommand(uint32_t id) override
    {
        FakeHost::SendCommand(id);
        if (id != fw::ID_FILE_NEW)
            return;
        made = std::make_unique<CLodo40Doc>();
        modeSeen = request.mode;
        if (!made->OnNewDocument())
            made.reset();
    }

    std::vector<CLodo40Doc*> open;
    CLodo40Doc* active = nullptr;
    std::unique_ptr<CLodo40Doc> made;
    int32_t modeSeen = -1;
};

class GeometryCommands : public DocTest {
protected:
    void SetUp() override
    {
        DocTest::SetUp();
        LdSetDocumentHost(&stitchHost);
    }
    void New(CLodo40Doc& doc, int32_t width = 90, int32_t height = 40)
    {
        stitchHost.request = NewDocumentRequest{NewDocumentRequest::Expression, {}, PpQnExpr(PpQnFlVal(Pattern(width, height))), "New"};
        ASSERT_TRUE(doc.OnNewDocument());
        stitchHost.request = NewDocumentRequest{};
    }
    // Every dialog of a command answered by work.
    template <class Dlg>
    void Answer(std::function<void(Dlg&)> work)
    {
        fw::SetDialogHook([work](fw::Dialog& d) { work(dynamic_cast<Dlg&>(d)); });
    }
    static void Type(fw::Dialog& d, uint32_t id, const char* text)
    {
        qobject_cast<QLineEdit*>(d.GetDlgItem(id))->setText(text);
    }
    static void ChooseAngle(fw::Dialog& d, const char* text)
    {
        qobject_cast<QComboBox*>(d.GetDlgItem(RotateFlipBase::IDC_ANGLE))->lineEdit()->setText(text);
    }

    StitchHost stitchHost;
};


}  // namespace

TEST_F(GeometryCommands, ResizeAndResampleUndoAndRedo)
{
    CLodo40Doc doc;
    New(doc);
    RecordingView view;
    doc.AddView(&view);
    const std::vector<uint8_t> original = doc.RenderToDib();
    const QnRgn selection(QnRect{5, 5, 20, 20});
    doc.SetSelection(selection);

    struct Case {
        void (CLodo40Doc::*command)();
        uint32_t id;
        const char* width;
        QnPoint size;
    };
    const Case cases[] = {
        {&CLodo40Doc::OnPictureResize, CLodo40Doc::ID_PICTURE_RESIZE, "45", {45, 20}},
        {&CLodo40Doc::OnPictureResample, CLodo40Doc::ID_PICTURE_RESAMPLE, "180", {180, 80}},
    };
    for (const Case& c : cases) {
        Answer<ResizeDlg>([&](ResizeDlg& d) {
            EXPECT_EQ(d.width, 90);
            Type(d, ResizeDlg::IDC_WIDTH, c.width);
            d.PressButton(fw::IDOK);
        });
        (doc.*c.command)();
        EXPECT_EQ(doc.GetPictureSize(), c.size);
        EXPECT_EQ(doc.GetLabel(), "Menu " + std::to_string(c.id));
        EXPECT_FALSE(doc.GetSelection());  // dropped with the old size
        EXPECT_TRUE(view.updates.back().whole);
        doc.StepHistory(1);
        EXPECT_EQ(doc.RenderToDib(), original);
        EXPECT_EQ(doc.GetSelection(), selection);
        doc.StepHistory(-1);
        EXPECT_EQ(doc.GetPictureSize(), c.size);
        doc.StepHistory(1);
    }

    // Only a new resolution: no pixel changes, the selection stays.
    Answer<ResizeDlg>([](ResizeDlg& d) {
        auto* vertical = qobject_cast<QComboBox*>(d.GetDlgItem(ResizeDlg::IDC_VRES));
        vertical->setCurrentIndex(4);
        emit vertical->activated(4);
        d.PressButton(fw::IDOK);
    });
    doc.OnPictureResize();
    EXPECT_EQ(doc.GetPicture()->GetVRes(), 600);
    EXPECT_EQ(doc.GetPicture()->GetHRes(), 300);
    EXPECT_EQ(doc.RenderToDib(), original);
    EXPECT_EQ(doc.GetSelection(), selection);
    EXPECT_FALSE(view.updates.back().whole);
    EXPECT_TRUE(view.updates.back().rect.IsEmpty());
    EXPECT_EQ(doc.UndoList().Size(), 1u);

    // Nothing changed, or cancelled: no step.
    EXPECT_TRUE(messages.empty());
    Answer<ResizeDlg>([](ResizeDlg& d) { d.PressButton(fw::IDOK); });
    doc.OnPictureResample();
    EXPECT_EQ(messages, (std::vector<std::string>{"Nothing to do!"}));
    Answer<ResizeDlg>([](ResizeDlg& d) {
        Type(d, ResizeDlg::IDC_WIDTH, "10");
        d.PressButton(fw::IDCANCEL);
    });
    doc.OnPictureResize();
    EXPECT_EQ(doc.UndoList().Size(), 1u);
    EXPECT_EQ(doc.GetPictureSize(), (QnPoint{90, 40}));
    doc.RemoveView(&view);
}

TEST_F(GeometryCommands, ResampleAndRotateNeedColourOrGrey)
{
    CLodo40Doc doc;
    stitchHost.request = NewDocumentRequest{NewDocumentRequest::Expression, {}, PpQnExpr(PpQnFlVal(PpQnPicture(20, 10, WA_8BIT, nullptr))), "New"};
    ASSERT_TRUE(doc.OnNewDocument());
    int shown = 0;
    fw::SetDialogHook([&](fw::Dialog& d) {
        ++shown;
        d.PressButton(fw::IDCANCEL);
    });
    EXPECT_FALSE(CommandEnabled(doc, CLodo40Doc::ID_PICTURE_RESAMPLE));
    EXPECT_FALSE(CommandEnabled(doc, CLodo40Doc::ID_PICTURE_ROTATE_FLIP));
    doc.OnPictureResample();
    doc.OnPictureRotateFlip();
    EXPECT_EQ(shown, 0);
    doc.OnPictureResize();  // any type
    EXPECT_EQ(shown, 1);
}

TEST_F(GeometryCommands, RotateAndFlip)
{
    CLodo40Doc doc;
    New(doc);
    const std::vector<uint8_t> original = doc.RenderToDib();
    const uint32_t corner = doc.GetPixelColor(QnPoint{0, 0});
    doc.SetSelection(QnRgn());

    struct Case {
        const char* angle;
        int flipH;
        QnPoint size;
        QnPoint cornerGoesTo;  // where pixel (0, 0) lands, or x -1 for "Nothing to do!"
    };
    const Case cases[] = {
        {"90", 0, {40, 90}, {39, 0}},
        {"-90", 0, {40, 90}, {0, 89}},
        {"180", 0, {90, 40}, {89, 39}},
        {"0", 1, {90, 40}, {89, 0}},
        {"360", 0, {90, 40}, {-1, 0}},
        {"-360", 0, {90, 40}, {-1, 0}},
    };
    for (const Case& c : cases) {
        messages.clear();
        Answer<RotateFlipDlg>([&](RotateFlipDlg& d) {
            ChooseAngle(d, c.angle);
            d.OnSettingChanged();
            if (c.flipH)
                qobject_cast<QAbstractButton*>(d.GetDlgItem(RotateFlipBase::IDC_FLIP_HORIZONTALLY))->click();
            d.PressButton(fw::IDOK);
        });
        const size_t before = doc.UndoList().Size();
        doc.OnPictureRotateFlip();
        EXPECT_EQ(doc.GetPictureSize(), c.size) << c.angle;
        if (c.cornerGoesTo.x < 0) {
            EXPECT_EQ(messages, (std::vector<std::string>{"Nothing to do!"})) << c.angle;
            EXPECT_EQ(doc.UndoList().Size(), before);
            continue;
        }
        EXPECT_EQ(doc.GetPixelColor(c.cornerGoesTo), corner) << c.angle;
        EXPECT_EQ(doc.GetLabel(), "Menu " + std::to_string(CLodo40Doc::ID_PICTURE_ROTATE_FLIP));
        doc.StepHistory(1);
        EXPECT_EQ(doc.RenderToDib(), original) << c.angle;
        doc.StepHistory(-1);
        EXPECT_EQ(doc.GetPixelColor(c.cornerGoesTo), corner) << c.angle;
        doc.StepHistory(1);
    }
    // Cancel changes nothing.
    Answer<RotateFlipDlg>([](RotateFlipDlg& d) {
        ChooseAngle(d, "90");
        d.PressButton(fw::IDCANCEL);
    });
    doc.OnPictureRotateFlip();
    EXPECT_EQ(doc.RenderToDib(), original);
}

TEST_F(GeometryCommands, RotateAndFlipTheSelection)
{
    CLodo40Doc doc;
    New(doc);
    const std::vector<uint8_t> original = doc.RenderToDib();
    const QnRgn selection(QnRect{10, 10, 30, 20});
    doc.SetSelection(selection);
    Answer<RotateFlipSelDlg>([](RotateFlipSelDlg& d) {
        EXPECT_TRUE(d.ReducedMask());
        qobject_cast<QAbstractButton*>(d.GetDlgItem(RotateFlipBase::IDC_FLIP_HORIZONTALLY))->click();
        d.PressButton(fw::IDOK);
    });
    const uint32_t outside = doc.GetPixelColor(QnPoint{50, 30});
    doc.OnPictureRotateFlip();
    EXPECT_EQ(doc.GetPictureSize(), (QnPoint{90, 40}));
    EXPECT_NE(doc.RenderToDib(), original);
    EXPECT_EQ(doc.GetPixelColor(QnPoint{50, 30}), outside);
    EXPECT_FALSE(doc.GetSelection());
    doc.StepHistory(1);
    EXPECT_EQ(doc.RenderToDib(), original);
    EXPECT_EQ(doc.GetSelection(), selection);

    Answer<RotateFlipSelDlg>([](RotateFlipSelDlg& d) {
        ChooseAngle(d, "720");
        d.PressButton(fw::IDOK);
    });
    messages.clear();
    doc.OnPictureRotateFlip();
    EXPECT_EQ(messages, (std::vector<std::string>{"Nothing to do!"}));
    EXPECT_EQ(doc.RenderToDib(), original);
}

TEST_F(GeometryCommands, StitchOpensANewDocument)
{
    CLodo40Doc lower, upper;
    New(lower, 90, 40);
    New(upper, 30, 20);
    lower.SetTitle("lower.bmp");
    upper.SetTitle("upper.bmp");
    const std::vector<uint8_t> lowerBefore = lower.RenderToDib(), upperBefore = upper.RenderToDib();
    stitchHost.open = {&upper, &lower};
    stitchHost.active = &lower;

    Answer<StitchDlg>([](StitchDlg& d) {
        EXPECT_EQ(d.lowerIndex, 1);
        EXPECT_EQ(d.upperIndex, 0);
        d.PressButton(fw::IDCANCEL);
    });
    upper.OnPictureStitch();
    EXPECT_FALSE(stitchHost.made);

    Answer<StitchDlg>([](StitchDlg& d) { d.PressButton(fw::IDOK); });
    upper.OnPictureStitch();
    ASSERT_TRUE(stitchHost.made);
    EXPECT_EQ(stitchHost.modeSeen, NewDocumentRequest::Expression);
    EXPECT_EQ(stitchHost.made->GetPictureSize(), (QnPoint{120, 40}));
    EXPECT_EQ(stitchHost.made->GetPixelColor(QnPoint{0, 0}), lower.GetPixelColor(QnPoint{0, 0}));
    EXPECT_EQ(stitchHost.made->GetPixelColor(QnPoint{100, 5}), upper.GetPixelColor(QnPoint{10, 5}));
    // The request is spent, the sources are as they were.
    EXPECT_EQ(stitchHost.request.mode, NewDocumentRequest::Dialog);
    EXPECT_FALSE(stitchHost.request.expr);
    EXPECT_EQ(lower.RenderToDib(), lowerBefore);
    EXPECT_EQ(upper.RenderToDib(), upperBefore);
    EXPECT_TRUE(lower.UndoListEmpty());
    EXPECT_TRUE(upper.UndoListEmpty());
}
