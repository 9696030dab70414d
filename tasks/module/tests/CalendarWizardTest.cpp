// The calendar wizard: its action with and without a picture, the page the
// dialog lays out and changes (month, year, whitening, templates), calendar
// files saved, loaded and refused, and the printed page.
#include "tasks/module/tests/CalendarFixture.h"

#include <QComboBox>
#include <QFile>
#include <QFocusEvent>
#include <QImage>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>

#include <ctime>

#include "framework/tests/HelpRecorder.h"
#include "framework/App.h"
#include "framework/Archive.h"
#include "framework/CommandIds.h"
#include "framework/ColorDialog.h"
#include "framework/Exception.h"
#include "framework/MemFile.h"
#include "tasks/module/LdSourceDialog.h"
#include "tasks/module/calendar/LdCalendarFile.h"
#include "tasks/module/calendar/LdCalendarPage.h"
#include "tasks/module/calendar/LdCalendarPrint.h"
#include "tasks/module/calendar/LdCalendarView.h"
#include "tasks/sketch/CVFiller_Bitmap.h"
#include "tasks/sketch/CVShape_Cal.h"
#include "tasks/sketch/CVShape_Line.h"
#include "tasks/sketch/CVShape_Text.h"

namespace {

int32_t ThisYear()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_year + 1900;
}

// Everything a calendar file holds of a page, and the picture it shows.
std::string Snapshot(const CLdCalendarPage& page)
{
    fw::MemFile file;
    {
        fw::Archive ar(file, fw::Archive::store);
        page.Store(ar);
        ar.Close();
    }
    const auto& bytes = file.data();
    const auto& copy = page.WhiteCopy();
    return std::string(bytes.begin(), bytes.end()) + "|" + std::string(copy.begin(), copy.end()) + "|" +
           std::to_string(page.Month()) + "/" + std::to_string(page.Year());
}

CLdCalendarPage::Names TestNames()
{
    CLdCalendarPage::Names names;
    for (size_t i = 0; i < 12; ++i)
        names.months[i] = "Month" + std::to_string(i + 1);
    for (size_t i = 0; i < 7; ++i)
        names.days[i] = "Day" + std::to_string(i);
    return names;
}

void LeaveYearBox(CLdCalendarDialog& dialog)
{
    QFocusEvent leave(QEvent::FocusOut);
    QApplication::sendEvent(dialog.GetDlgItem(CLdCalendarDialog::IDC_YEAR), &leave);
}

void TypeYear(CLdCalendarDialog& dialog, const char* text)
{
    static_cast<QLineEdit*>(dialog.GetDlgItem(CLdCalendarDialog::IDC_YEAR))->setText(text);
}

}  // namespace

using CalendarWizard = CalendarFixture;

// The source dialog's choices are the wizards' shared ones (tested with the
// screen-saver wizard); here it is reached without a picture.
TEST_F(CalendarWizard, WithoutAPictureItOffersTheEditorsSources)
{
    fw::SetDialogHook([&](fw::Dialog& dialog) {
        ASSERT_NE(dynamic_cast<CLdSourceDialog*>(&dialog), nullptr);
        dialog.PressButton(CLdSourceDialog::IDC_FROM_ALBUM);
    });
    CTool_Calendar fresh;
    fresh.SetPicture(nullptr, 0);
    EXPECT_EQ(fresh.Execute(), 0);
    EXPECT_EQ(editor.calls, std::vector<std::string>{"command 32773"});
}

TEST_F(CalendarWizard, OpensOnThisMonthWithTheModulesNamesAndTheWholePicture)
{
    EXPECT_EQ(RunWizard([&](CLdCalendarDialog& dialog) {
                  CLdCalendarPage& page = dialog.Page();
                  EXPECT_EQ(dialog.year, ThisYear());
                  EXPECT_EQ(page.YearText()->text, std::to_string(ThisYear()));
                  EXPECT_EQ(page.MonthText()->text, page.GetNames().months[size_t(dialog.month)]);
                  EXPECT_EQ(page.GetNames().months[0], "January");
                  EXPECT_EQ(page.GetNames().days[6], "Saturday");
                  EXPECT_EQ(page.Grid()->dayNames[1], "Monday");
                  // Portrait: the frame's sides move in by an eighth.
                  EXPECT_EQ(dialog.View()->size(), QSize(332 - 2 * 41, 372 - 6));
                  // The picture's frame shows the copy, not yet whitened.
                  const auto* filler = dynamic_cast<CVFiller_Bitmap*>(page.PictureShape()->filler.get());
                  ASSERT_NE(filler, nullptr);
                  EXPECT_EQ(filler->GetDib(), page.WhiteCopy().data());
                  EXPECT_EQ(page.WhiteCopy(), dib);
                  // Front to back: month, year, grid, picture.
                  ASSERT_EQ(page.Sketch().GetShapes().size(), 4u);
                  EXPECT_EQ(page.Sketch().GetShapes()[0].get(), page.MonthText());
                  EXPECT_EQ(page.Sketch().GetShapes()[3].get(), page.PictureShape());
                  GrabWhenAsked(dialog, "calendar");
              }),
              0);
    EXPECT_TRUE(editor.calls.empty());
}

TEST_F(CalendarWizard, MonthAndYearChangesReachTheGridAndTitles)
{
    RunWizard([&](CLdCalendarDialog& dialog) {
        CLdCalendarPage& page = dialog.Page();
        static_cast<QComboBox*>(dialog.GetDlgItem(CLdCalendarDialog::IDC_MONTH))->setCurrentIndex(1);
        TypeYear(dialog, "2024");
        // 1 February 2024 is a Thursday; a leap year.
        EXPECT_EQ(page.MonthText()->text, "February");
        EXPECT_EQ(page.YearText()->text, "2024");
        EXPECT_EQ(page.Grid()->month, 2);
        EXPECT_EQ(page.Grid()->year, 2024);
        EXPECT_EQ(page.Grid()->days[3], -1);
        EXPECT_EQ(page.Grid()->days[4], 1);
        EXPECT_EQ(page.Grid()->days[4 + 28], 29);
        EXPECT_EQ(page.Grid()->days[4 + 29], -1);
        // February 2026 starts on a Sunday and fills four week rows;
        // August 2020 starts on a Saturday and needs a sixth.
        TypeYear(dialog, "2026");
        EXPECT_EQ(page.Grid()->days[0], 1);
        EXPECT_EQ(page.Grid()->days[28], -1);
        EXPECT_EQ(page.Grid()->rows, 6);
        static_cast<QComboBox*>(dialog.GetDlgItem(CLdCalendarDialog::IDC_MONTH))->setCurrentIndex(7);
        TypeYear(dialog, "2020");
        EXPECT_EQ(page.Grid()->days[6], 1);
        EXPECT_EQ(page.Grid()->days[36], 31);
        EXPECT_EQ(page.Grid()->rows, 7);

        // 1970 is taken when leaving the box but changes nothing.
        TypeYear(dialog, "1970");
        EXPECT_EQ(page.YearText()->text, "2020");
        LeaveYearBox(dialog);
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(dialog.year, 1970);

        // 2038 is refused on leaving: the message, and this year back.
        TypeYear(dialog, "2038");
        EXPECT_EQ(page.YearText()->text, "2020");
        LeaveYearBox(dialog);
        EXPECT_EQ(messages, std::vector<std::string>{"The number has to be between 1970 and 2037."});
        EXPECT_EQ(dialog.year, ThisYear());
        EXPECT_EQ(page.YearText()->text, std::to_string(ThisYear()));
    });
}

TEST_F(CalendarWizard, StackingAndColourGoToTheShapesTheUserPicks)
{
    RunWizard([&](CLdCalendarDialog& dialog) {
        CLdCalendarPage& page = dialog.Page();
        // The stacking menu shows the front shape checked; Picture puts the
        // picture in front.
        std::vector<bool> checked;
        fw::SetPopupMenuHook([&](QMenu& menu, const QPoint&) -> QAction* {
            for (QAction* action : menu.actions())
                checked.push_back(action->isChecked());
            return menu.actions()[CLdCalendarPage::kTopPicture];
        });
        dialog.PressButton(CLdCalendarDialog::IDC_TOP);
        EXPECT_EQ(checked, (std::vector<bool>{false, true, false, false}));
        EXPECT_EQ(dialog.topIndex, CLdCalendarPage::kTopPicture);
        EXPECT_EQ(page.Sketch().GetShapes()[0].get(), page.PictureShape());

        // Color edits the selected shape only.
        std::vector<fw::ColorRef> asked;
        fw::SetColorDialogHook([&](fw::ColorRef initial) -> std::optional<fw::ColorRef> {
            asked.push_back(initial);
            return 0x0000FFu;
        });
        page.Sketch().Select(page.YearText());
        dialog.PressButton(CLdCalendarDialog::IDC_COLOR);
        fw::SetColorDialogHook({});
        EXPECT_EQ(asked, std::vector<fw::ColorRef>{0});
        EXPECT_EQ(page.YearText()->color, 0x0000FFu);
        EXPECT_EQ(page.MonthText()->color, 0u);
    });
}

TEST(CalendarWhitening, ColourBytesAreBlendedWithWhiteAndIndicesKept)
{
    const std::vector<uint8_t> colour = PatternDib(9, 4);
    const size_t header = 40;
    for (const int32_t level : {0, 3, 10}) {
        SCOPED_TRACE(level);
        const std::vector<uint8_t> out = LdWhitenDib(colour.data(), uint32_t(colour.size()), level);
        ASSERT_EQ(out.size(), colour.size());
        EXPECT_TRUE(std::equal(out.begin(), out.begin() + header, colour.begin()));
        for (size_t i = header; i < out.size(); ++i)
            ASSERT_EQ(out[i], (level * 255 + colour[i] * (10 - level)) / 10) << i;
    }

    // A paletted picture: the colour table is whitened, the indices stay.
    std::vector<platform::RGBQUAD> palette(4);
    for (uint8_t i = 0; i < 4; ++i)
        palette[i] = platform::RGBQUAD{uint8_t(i * 10), uint8_t(i * 20), uint8_t(i * 30), 0};
    std::vector<uint8_t> paletted = platform::MakeDibHeader(4, 2, 8, palette, 96, 96);
    const size_t bits = paletted.size();
    paletted.insert(paletted.end(), {0, 1, 2, 3, 3, 2, 1, 0});
    const std::vector<uint8_t> out = LdWhitenDib(paletted.data(), uint32_t(paletted.size()), 5);
    EXPECT_EQ(out[header], (5 * 255 + 0) / 10);
    EXPECT_EQ(out[header + 4 + 1], (5 * 255 + 20 * 5) / 10);
    EXPECT_TRUE(std::equal(out.begin() + long(bits), out.end(), paletted.begin() + long(bits)));
}

TEST_F(CalendarWizard, TheWhiteMenuWhitensTheShownPictureAndANewTemplateClearsIt)
{
    RunWizard([&](CLdCalendarDialog& dialog) {
        CLdCalendarPage& page = dialog.Page();
        ChooseFromMenu(dialog, CLdCalendarDialog::IDC_WHITE, 10);
        ASSERT_EQ(menus.back(), 11);
        EXPECT_EQ(page.WhiteLevel(), 10);
        EXPECT_TRUE(std::all_of(page.WhiteCopy().begin() + 40, page.WhiteCopy().end(),
                                [](uint8_t b) { return b == 255; }));
        const auto* filler = dynamic_cast<CVFiller_Bitmap*>(page.PictureShape()->filler.get());
        EXPECT_EQ(filler->GetDib(), page.WhiteCopy().data());

        ChooseFromMenu(dialog, CLdCalendarDialog::IDC_TEMPLATE, 1);
        EXPECT_EQ(menus.back(), 2);
        EXPECT_EQ(dialog.layoutTemplate, 1);
        EXPECT_EQ(page.WhiteLevel(), 0);
        EXPECT_EQ(page.WhiteCopy(), dib);
    });
}

// Help opens the dialog's topic; What's This on the page or on a button
// shows that control's pop-up topic.
TEST_F(CalendarWizard, ContextHelpOfTheDialogAndItsControls)
{
    HelpRecorder help;
    RunWizard([&](CLdCalendarDialog& dialog) {
        EXPECT_EQ(dialog.GetWhatsThisCommand(), 256u);
        EXPECT_EQ(CLdHelpDlg::ControlTopic(CLdCalendarDialog::IDD, CLdCalendarDialog::IDC_FRAME),
                  CLdCalendarDialog::kViewHelpId);
        dialog.show();
        dialog.PressButton(fw::ID_HELP);
        HelpRecorder::RightClick(dialog.View());
        HelpRecorder::RightClick(dialog.GetDlgItem(CLdCalendarDialog::IDC_STYLE));
        EXPECT_TRUE(dialog.IsOpen());
    });
    EXPECT_EQ(help.shown, (std::vector<HelpRecorder::Shown>{
                              {CLdCalendarDialog::kHelpContext, fw::HELP_CONTEXT},
                              {CLdCalendarDialog::kViewHelpId, fw::HELP_CONTEXTPOPUP},
                              {CLdHelpDlg::ControlTopic(CLdCalendarDialog::IDD, CLdCalendarDialog::IDC_STYLE),
                               fw::HELP_CONTEXTPOPUP}}));
}

// Style and Template offer the module's picture strips cell by cell (six
// grid styles, two templates of the page's orientation); the stacking and
// white menus are lists of words.
TEST_F(CalendarWizard, StyleAndTemplateAreMenusOfPictureCells)
{
    RunWizard([&](CLdCalendarDialog& dialog) {
        const struct {
            uint32_t button;
            qsizetype items;
            bool cells;
        } cases[] = {
            {CLdCalendarDialog::IDC_STYLE, 6, true},
            {CLdCalendarDialog::IDC_TEMPLATE, 2, true},
            {CLdCalendarDialog::IDC_PORTRAIT, 0, false},  // landscape from here on
            {CLdCalendarDialog::IDC_TEMPLATE, 2, true},
            {CLdCalendarDialog::IDC_TOP, 4, false},
            {CLdCalendarDialog::IDC_WHITE, 11, false},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.button);
            menus.clear();
            cellSizes.clear();
            dialog.PressButton(c.button);
            if (!c.items) {
                EXPECT_TRUE(menus.empty());
                continue;
            }
            ASSERT_EQ(menus, std::vector<qsizetype>{c.items});
            EXPECT_EQ(cellSizes[0], c.cells ? QSize(48, 48) : QSize());
        }
        // Nothing chosen changes nothing.
        EXPECT_EQ(dialog.layoutTemplate, 0);
        EXPECT_EQ(dialog.Page().Grid()->gridStyle, 0);
    });
}

TEST_F(CalendarWizard, TemplatesPlaceThePictureAboveOrBelowTheGrid)
{
    for (const int layout : {0, 1}) {
        SCOPED_TRACE(layout);
        RunWizard([&](CLdCalendarDialog& dialog) {
            ChooseFromMenu(dialog, CLdCalendarDialog::IDC_TEMPLATE, layout);
            const CLdCalendarPage& page = dialog.Page();
            const int32_t W = dialog.View()->width(), H = dialog.View()->height();
            const QnRect grid = page.Grid()->GetBoundRect();
            const QnRect picture = page.PictureShape()->GetBoundRect();
            if (layout == 0) {
                EXPECT_EQ(grid, (QnRect{2, H / 2 + 2, W - 2, H - 2}));
                // 120 x 80 fitted into the band from H/8 to H/2.
                const int32_t s = std::min((H / 2 - H / 8) * 100 / 80, W * 100 / 120);
                EXPECT_EQ(picture.Width(), s * 120 / 100);
                EXPECT_EQ(picture.Height(), s * 80 / 100);
                EXPECT_GE(picture.top, H / 8);
                EXPECT_LE(picture.bottom, H / 2);
            } else {
                EXPECT_EQ(grid, (QnRect{2, H / 8 + 2, W - 2, H / 2 - 2}));
                EXPECT_GE(picture.top, H / 2);
                EXPECT_LE(picture.bottom, H);
            }
            EXPECT_EQ(picture.left + picture.right, W - (W - picture.Width()) % 2);
            EXPECT_EQ(page.MonthText()->GetBoundRect(), (QnRect{2, 2, W / 2 - 2, H / 8 - 2}));
            EXPECT_EQ(page.YearText()->GetBoundRect(), (QnRect{W - W / 4 + 2, H / 16 + 2, W - 2, H / 8 - 2}));
        });
    }
}

// Made through the wizard in each template and orientation, restyled, saved;
// loaded into a fresh page, which takes its styling, and saved again: the
// same bytes.
TEST_F(CalendarWizard, ASavedPageLoadsIntoAFreshOneAndSavesToTheSameBytes)
{
    for (const int layout : {0, 1}) {
        for (const bool portrait : {true, false}) {
            SCOPED_TRACE(std::to_string(layout) + (portrait ? " portrait" : " landscape"));
            fileRequests.clear();
            std::string first;
            RunWizard([&](CLdCalendarDialog& dialog) {
                if (!portrait)
                    dialog.PressButton(CLdCalendarDialog::IDC_PORTRAIT);
                EXPECT_EQ(dialog.portrait, portrait ? 1 : 0);
                ChooseFromMenu(dialog, CLdCalendarDialog::IDC_TEMPLATE, layout);
                ChooseFromMenu(dialog, CLdCalendarDialog::IDC_STYLE, 4);
                ChooseFromMenu(dialog, CLdCalendarDialog::IDC_WHITE, 3);
                ChooseFromMenu(dialog, CLdCalendarDialog::IDC_TOP, CLdCalendarPage::kTopPicture);
                dialog.Page().YearText()->color = 0x00123456;
                dialog.Page().Grid()->datesFace = "Courier New";
                nextFile = "first.cal";
                dialog.PressButton(CLdCalendarDialog::IDC_SAVE);
                first = Snapshot(dialog.Page());
            });
            ASSERT_EQ(fileRequests.size(), 1u);
            EXPECT_FALSE(fileRequests[0].open);
            EXPECT_EQ(fileRequests[0].defaultExtension, ".cal");
            fileRequests.clear();
            const std::string stored = TestFolder::Read(folder / "first.cal");
            EXPECT_EQ(stored.substr(0, 10), std::string("\x09Telvy 1.1"));

            RunWizard([&](CLdCalendarDialog& dialog) {
                nextFile = "first.cal";
                dialog.PressButton(CLdCalendarDialog::IDC_LOAD);
                EXPECT_EQ(dialog.Page().WhiteLevel(), 3);
                EXPECT_EQ(dialog.Page().Grid()->gridStyle, 4);
                EXPECT_EQ(dialog.Page().YearText()->color, 0x00123456u);
                EXPECT_EQ(Snapshot(dialog.Page()), first);
                nextFile = "second.cal";
                dialog.PressButton(CLdCalendarDialog::IDC_SAVE);
            });
            EXPECT_TRUE(messages.empty());
            EXPECT_EQ(TestFolder::Read(folder / "second.cal"), stored);
        }
    }
}

TEST_F(CalendarWizard, ALoadKeepsTheDialogsMonthYearAndPicture)
{
    RunWizard([&](CLdCalendarDialog& dialog) {
        TypeYear(dialog, "2001");
        nextFile = "2001.cal";
        dialog.PressButton(CLdCalendarDialog::IDC_SAVE);
    });
    RunWizard([&](CLdCalendarDialog& dialog) {
        static_cast<QComboBox*>(dialog.GetDlgItem(CLdCalendarDialog::IDC_MONTH))->setCurrentIndex(11);
        TypeYear(dialog, "2030");
        nextFile = "2001.cal";
        dialog.PressButton(CLdCalendarDialog::IDC_LOAD);
        EXPECT_EQ(dialog.Page().YearText()->text, "2030");
        EXPECT_EQ(dialog.Page().MonthText()->text, "December");
        EXPECT_EQ(dialog.Page().Grid()->year, 2030);
        EXPECT_EQ(dialog.Page().Grid()->month, 12);
    });
}

TEST_F(CalendarWizard, ADamagedFileIsRefusedWithAMessageAndThePageKept)
{
    CLdCalendarPage saved(dib.data(), uint32_t(dib.size()), TestNames(), 4, 2026);
    saved.Layout(249, 366, 1);
    saved.SetWhiteLevel(2);
    CLdCalendarFile::Save(folder / "good.cal", saved);
    const std::string good = TestFolder::Read(folder / "good.cal");
    // Signature (10 bytes), white level (4), then the year text's rectangle.
    const size_t levelAt = 10, rectAt = 14;
    const auto patched = [&](size_t at, std::string bytes) {
        std::string s = good;
        s.replace(at, bytes.size(), bytes);
        return s;
    };
    const struct {
        const char* name;
        std::string bytes;
        const char* message;
    } cases[] = {
        {"cut short", good.substr(0, good.size() - 9), "Unexpected end of file while reading"},
        {"empty", "", "Unexpected end of file while reading"},
        {"another signature", patched(1, "Telvy 1.0"), "has an incorrect format."},
        {"white level 11", patched(levelAt, std::string("\x0b\0\0\0", 4)), "has an incorrect format."},
        {"rectangle out of range", patched(rectAt, std::string("\0\0\0\x40", 4)), "has an incorrect format."},
        {"rectangle turned over", patched(rectAt, std::string("\xff\x7f\0\0", 4)), "has an incorrect format."},
        {"text longer than the file", patched(rectAt + 16, "\xff\xfd\xff"), "Unexpected end of file while reading"},
        {"face count beyond any file", patched(rectAt + 16 + 5 + 4, std::string("\xff\xff\xff\xff\xff\xff\x7f", 7)),
         "Unexpected end of file while reading"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestFolder::Write(folder / "bad.cal", c.bytes);
        CLdCalendarPage page(dib.data(), uint32_t(dib.size()), TestNames(), 0, 2027);
        page.Layout(300, 200, 0);
        page.SetWhiteLevel(7);
        const std::string before = Snapshot(page);
        try {
            CLdCalendarFile::Load(folder / "bad.cal", page);
            ADD_FAILURE() << "loaded";
        } catch (const fw::Exception& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find("bad.cal"), std::string::npos) << e.what();
        }
        EXPECT_EQ(Snapshot(page), before);
    }

    // Through the dialog the user is told, and the page stays.
    TestFolder::Write(folder / "bad.cal", patched(1, "Telvy 1.0"));
    RunWizard([&](CLdCalendarDialog& dialog) {
        const std::string before = Snapshot(dialog.Page());
        nextFile = "bad.cal";
        dialog.PressButton(CLdCalendarDialog::IDC_LOAD);
        EXPECT_EQ(Snapshot(dialog.Page()), before);
    });
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], (folder / "bad.cal") + " has an incorrect format.");
}

TEST(CalendarPrint, TheSketchIsScaledToTheLargestThatFits)
{
    EXPECT_EQ(LdCalendarPrintPercent(QSize(2490, 3660), QSize(249, 366)), 1000);
    EXPECT_EQ(LdCalendarPrintPercent(QSize(4000, 3660), QSize(249, 366)), 1000);
    EXPECT_EQ(LdCalendarPrintPercent(QSize(2490, 9000), QSize(249, 366)), 1000);
    EXPECT_EQ(LdCalendarPrintPercent(QSize(1000, 1000), QSize(0, 366)), 100);
}

// The printed page to PDF and back to pixels: the picture where its frame
// is, the grid's lines where the grid is, white around.
TEST_F(CalendarWizard, APrintedPageHoldsThePictureAndTheGridWhereTheViewShowsThem)
{
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    if (pdftoppm.isEmpty())
        GTEST_SKIP() << "pdftoppm is not installed";
    dib = PatternDib(120, 80, 5);
    // A flat red picture: easy to find on the page.
    for (size_t i = 40; i + 2 < dib.size(); i += 3) {
        dib[i] = 0;
        dib[i + 1] = 0;
        dib[i + 2] = 255;
    }
    const QString pdf = QString::fromStdString(folder / "page.pdf");
    QPrinter printer;
    QPrinter* used = nullptr;
    fw::SetPrintDialogHook([&](fw::PrintDialogRequest& request) {
        used = request.printer;
        request.printer->setOutputFormat(QPrinter::PdfFormat);
        request.printer->setOutputFileName(pdf);
        return true;
    });
    QnRect picture, grid;
    QSize view;
    RunWizard([&](CLdCalendarDialog& dialog) {
        ChooseFromMenu(dialog, CLdCalendarDialog::IDC_STYLE, 0);
        picture = dialog.Page().PictureShape()->GetBoundRect();
        grid = dialog.Page().Grid()->GetBoundRect();
        view = dialog.View()->size();
        dialog.SetPrinter(&printer);
        dialog.PressButton(CLdCalendarDialog::IDC_PRINT);
    });
    ASSERT_EQ(used, &printer);
    EXPECT_EQ(used->pageLayout().orientation(), QPageLayout::Portrait);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF"));

    constexpr int kDpi = 72;
    const QString png = QString::fromStdString(folder / "page");
    ASSERT_EQ(QProcess::execute(pdftoppm, {"-r", QString::number(kDpi), "-png", "-singlefile", pdf, png}), 0);
    const QImage page = QImage(png + ".png").convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(page.isNull());

    // Sketch units to page pixels: the printer's scale, then its resolution
    // against the raster's, from the printable area's corner.
    const int res = used->resolution();
    const QRect paint = used->pageLayout().paintRectPixels(res);
    const double percent = LdCalendarPrintPercent(paint.size(), view);
    const auto toPage = [&](int32_t x, int32_t y) {
        return QPoint(int((paint.left() + x * percent / 100.0) * kDpi / res),
                      int((paint.top() + y * percent / 100.0) * kDpi / res));
    };
    const QRect printedPicture(toPage(picture.left, picture.top), toPage(picture.right, picture.bottom));
    const QRect printedGrid(toPage(grid.left, grid.top), toPage(grid.right, grid.bottom));
    const auto isRed = [](QRgb c) { return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60; };
    const auto isWhite = [](QRgb c) { return qRed(c) > 240 && qGreen(c) < 256 && qGreen(c) > 240 && qBlue(c) > 240; };
    // Inside the picture's frame (a margin in from its edges): red.
    for (const QPoint p : {printedPicture.center(), printedPicture.topLeft() + QPoint(4, 4),
                           printedPicture.bottomRight() - QPoint(4, 4)})
        EXPECT_TRUE(isRed(page.pixel(p))) << p.x() << "," << p.y();
    // Beside the picture, between it and the page's side: white.
    EXPECT_TRUE(isWhite(page.pixel(toPage(2, (picture.top + picture.bottom) / 2))));
    // The grid's frame: a dark line along its top edge, none above it.
    int dark = 0;
    for (int x = printedGrid.left() + 10; x < printedGrid.right() - 10; ++x) {
        bool lineHere = false;
        for (int dy = -2; dy <= 2; ++dy)
            lineHere = lineHere || qGray(page.pixel(x, printedGrid.top() + dy)) < 100;
        dark += lineHere;
    }
    EXPECT_GT(dark, (printedGrid.width() - 20) * 9 / 10);
    // No red below the picture, in the grid.
    EXPECT_FALSE(isRed(page.pixel(printedGrid.center())));
}
