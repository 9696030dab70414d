// The Convert commands on a document, through their dialogs, undone back to
// the original picture; their option memories and enable rules; a cancel
// that changes nothing; Picture properties and the whole-picture selection
// commands.
#include "DocTestSupport.h"

#include <QComboBox>

#include "editor/ui/Convert1Dlg.h"
#include "editor/ui/Convert4Dlg.h"
#include "editor/ui/PreviewControl.h"
#include "editor/builtins/CheckedCast.h"
#include "framework/CmdUI.h"
#include "framework/Dialog.h"
#include "framework/MessageBox.h"
#include "lang/ValueExpr.h"

using namespace doctest;

namespace {

class Commands : public DocTest {
protected:
    void New(CLodo40Doc& doc) { NewFromExpression(doc, PpQnExpr(PpQnFlVal(Pattern(90, 40)))); }
};

QComboBox* Combo(fw::Dialog& d, uint32_t id) { return qobject_cast<QComboBox*>(d.GetDlgItem(id)); }


}  // namespace

TEST_F(Commands, ConversionsRoundTripAndUndo)
{
    host.depth = 10;
    CLodo40Doc doc;
    New(doc);
    const std::vector<uint8_t> original = doc.RenderToDib();
    doc.SetSelection(QnRgn(QnRect{5, 6, 30, 20}));

    // Each step: the command, what its dialog is set to (-1: no dialog),
    // the type it makes and which Convert item is then disabled.
    int asked = -1;
    auto answer = [&](int raster, int palette) {
        fw::SetDialogHook([&asked, raster, palette](fw::Dialog& d) {
            asked = Combo(d, Convert1Dlg::IDC_RASTER)->currentIndex();
            if (palette >= 0) {
                Combo(d, Convert4Dlg::IDC_PALETTE)->setCurrentIndex(palette);
                dynamic_cast<Convert4Dlg&>(d).OnSelChangePalette();
            }
            Combo(d, Convert1Dlg::IDC_RASTER)->setCurrentIndex(raster);
            d.PressButton(fw::IDOK);
        });
    };
    answer(2, -1);
    doc.OnConvertToMono();
    EXPECT_EQ(asked, 1);  // error diffusion the first time
    EXPECT_EQ(doc.PictureType(), 1);
    EXPECT_EQ(doc.RenderToDib().size(), 40 + 272 * 40u);  // a black and white picture as colour rows
    EXPECT_FALSE(CommandEnabled(doc, CLodo40Doc::ID_CONVERT_MONO));
    EXPECT_TRUE(CommandEnabled(doc, CLodo40Doc::ID_CONVERT_24BIT));
    answer(0, -1);
    doc.OnConvertToMono();  // already black and white: no dialog, nothing
    EXPECT_EQ(doc.UndoList().Size(), 1u);
    doc.OnConvertTo24Bit();
    answer(0, 1);
    doc.OnConvertTo4Bit();
    EXPECT_EQ(doc.PictureType(), 2);
    answer(1, 0);
    doc.OnConvertTo8Bit();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(doc.PictureType(), 4);
    doc.OnConvertToGrey();
    EXPECT_EQ(doc.PictureType(), 8);
    EXPECT_FALSE(CommandEnabled(doc, CLodo40Doc::ID_CONVERT_GREY));
    doc.OnConvertToGrey();
    doc.OnConvertTo24Bit();
    EXPECT_EQ(doc.PictureType(), 16);
    EXPECT_EQ(doc.GetLabel(), "Menu " + std::to_string(CLodo40Doc::ID_CONVERT_24BIT));
    EXPECT_EQ(doc.UndoList().Size(), 6u);
    // The selection went through every conversion.
    EXPECT_EQ(doc.GetSelection(), QnRgn(QnRect{5, 6, 30, 20}));

    // The dialogs open on the last choices.
    answer(2, -1);
    doc.OnConvertToMono();
    EXPECT_EQ(asked, 2);
    fw::SetDialogHook([&](fw::Dialog& d) {
        EXPECT_EQ(Combo(d, Convert4Dlg::IDC_PALETTE)->currentIndex(), 1);
        asked = Combo(d, Convert4Dlg::IDC_RASTER)->currentIndex();
        d.PressButton(fw::IDCANCEL);
    });
    doc.OnConvertTo4Bit();
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(doc.UndoList().Size(), 7u);

    doc.StepHistory(7);
    EXPECT_EQ(doc.PictureType(), 16);
    EXPECT_EQ(doc.RenderToDib(), original);
    doc.StepHistory(-6);
    EXPECT_EQ(doc.PictureType(), 16);
    EXPECT_NE(doc.RenderToDib(), original);
    EXPECT_TRUE(messages.empty());
}

TEST_F(Commands, PreviewsShowTheVisiblePartConverted)
{
    CLodo40Doc doc;
    NewFromExpression(doc, PpQnExpr(PpQnFlVal(Pattern(900, 700))));
    struct Case {
        bool mono;
        int palette;  // -1: the monochrome dialog
        int type;
    };
    for (const Case c : {Case{true, -1, 1}, Case{false, 1, 2}}) {
        SCOPED_TRACE(c.type);
        fw::SetDialogHook([&](fw::Dialog& d) {
            if (c.palette >= 0) {
                Combo(d, Convert4Dlg::IDC_PALETTE)->setCurrentIndex(c.palette);
                dynamic_cast<Convert4Dlg&>(d).OnSelChangePalette();
            }
            d.show();
            PreviewControl* preview = c.mono ? dynamic_cast<Convert1Dlg&>(d).Preview()
                                             : dynamic_cast<Convert4Dlg&>(d).Preview();
            const QImage shown = preview->grab().toImage();
            const auto* result = dynamic_cast<QnPicture*>(QnValueOf(preview->LastResult()).Get());
            ASSERT_NE(result, nullptr);
            EXPECT_EQ(result->Type(), c.type);
            EXPECT_EQ(result->GetWidth(), preview->width());
            EXPECT_EQ(result->GetHeight(), preview->height());
            if (c.mono) {
                for (int y = 0; y < shown.height(); y += 7)
                    for (int x = 0; x < shown.width(); x += 7)
                        EXPECT_TRUE(shown.pixel(x, y) == 0xFF000000u || shown.pixel(x, y) == 0xFFFFFFFFu);
            }
            d.PressButton(fw::IDCANCEL);
        });
        if (c.mono)
            doc.OnConvertToMono();
        else
            doc.OnConvertTo4Bit();
    }
    fw::SetDialogHook({});
    EXPECT_EQ(doc.PictureType(), 16);
}

TEST_F(Commands, CancelChangesNothing)
{
    CLodo40Doc doc;
    New(doc);
    const std::vector<uint8_t> before = doc.RenderToDib();
    fw::SetDialogHook([](fw::Dialog& d) {
        Combo(d, Convert1Dlg::IDC_RASTER)->setCurrentIndex(0);
        d.PressButton(fw::IDCANCEL);
    });
    doc.OnConvertToMono();
    doc.OnConvertTo4Bit();
    doc.OnConvertTo8Bit();
    EXPECT_TRUE(doc.UndoListEmpty());
    EXPECT_EQ(doc.RenderToDib(), before);
    EXPECT_EQ(doc.PictureType(), 16);
    EXPECT_FALSE(CommandEnabled(doc, CLodo40Doc::ID_CONVERT_24BIT));
    for (uint32_t id : {CLodo40Doc::ID_CONVERT_GREY, CLodo40Doc::ID_CONVERT_MONO, CLodo40Doc::ID_CONVERT_4BIT,
                        CLodo40Doc::ID_CONVERT_8BIT})
        EXPECT_TRUE(CommandEnabled(doc, id)) << id;
}

TEST_F(Commands, PropertiesAndWholePictureSelections)
{
    CLodo40Doc doc;
    New(doc);
    doc.SetTitle("ramp.tif*");
    doc.SetModifiedFlag(true);
    const std::vector<std::string> expected = {"Picture name: ramp.tif (modified)", "Width : 90", "Height: 40",
                                               "X Resolution : 300 DPI", "Y Resolution : 300 DPI",
                                               "Picture type: 24-bit truecolor"};
    EXPECT_EQ(doc.PropertyLines(), expected);

    RecordingView view;
    doc.AddView(&view);
    const QnRgn whole(QnRect{0, 0, 90, 40});
    doc.OnEditSelectAll();
    EXPECT_EQ(doc.GetSelection(), whole);
    doc.SetSelection(QnRgn(QnRect{10, 10, 20, 20}));
    doc.OnEditSelectInvert();
    EXPECT_EQ(doc.GetSelection(), whole - QnRgn(QnRect{10, 10, 20, 20}));
    doc.OnEditSelectInvert();
    EXPECT_EQ(doc.GetSelection(), QnRgn(QnRect{10, 10, 20, 20}));
    doc.OnEditSelectNone();
    EXPECT_FALSE(doc.GetSelection());
    doc.OnEditSelectInvert();
    EXPECT_EQ(doc.GetSelection(), whole);
    EXPECT_TRUE(doc.UndoListEmpty());
    ASSERT_EQ(view.updates.size(), 5u);
    EXPECT_EQ(view.updates[0].hint, kHintSelection);
    EXPECT_TRUE(view.updates[0].rect.IsEmpty());
    doc.RemoveView(&view);
}
