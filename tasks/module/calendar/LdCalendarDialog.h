// "Calendar": a one-month calendar page made of the editor's picture, the
// month grid, the year and the month name, laid out by one of two
// templates and arranged in the view with the mouse; year and month,
// orientation, grid style, stacking, whitening of the picture, fonts and
// colours; printing; the page's styling saved to and loaded from calendar
// files. Context help as in the module's other dialogs.
#pragma once

#include "editor/helpdlg/LdHelpDlg.h"
#include "tasks/module/calendar/LdCalendarPage.h"

#include <QPrinter>
#include <cstdint>
#include <memory>
#include <string>

class CLdCalendarView;
class CLdLoadable;
class QComboBox;
class QFrame;
class QLineEdit;
namespace fw {
class SpinButton;
}

class CLdCalendarDialog : public CLdHelpDlg {
public:
    static constexpr uint32_t IDD = 132;
    // The frame that holds the page; the view in it answers with the
    // frame's topic (kViewHelpId), so no other control may be 1007.
    static constexpr uint32_t IDC_FRAME = 1007;
    static constexpr uint32_t IDC_STYLE = 1000;
    static constexpr uint32_t IDC_FONT = 1001;
    static constexpr uint32_t IDC_COLOR = 1002;
    static constexpr uint32_t IDC_YEAR = 1003;
    static constexpr uint32_t IDC_YEAR_SPIN = 1004;
    static constexpr uint32_t IDC_MONTH = 1005;
    static constexpr uint32_t IDC_PORTRAIT = 1006;
    static constexpr uint32_t IDC_TEMPLATE = 1008;
    static constexpr uint32_t IDC_TOP = 1009;
    static constexpr uint32_t IDC_WHITE = 1010;
    static constexpr uint32_t IDC_SAVE = 1011;
    static constexpr uint32_t IDC_LOAD = 1012;
    static constexpr uint32_t IDC_PRINT = 1013;
    static constexpr uint32_t kHelpContext = 104;
    static constexpr uint32_t kViewHelpId = 0x808403EF;
    // The years the page can show.
    static constexpr int32_t kFirstYear = 1970;
    static constexpr int32_t kLastYear = 2037;
    // Module resources: the grid styles and the two templates of each
    // orientation as strips of cells.
    static constexpr int32_t kStyleBitmap = 192;
    static constexpr int32_t kPortraitTemplates = 196;
    static constexpr int32_t kLandscapeTemplates = 197;
    // Module strings: the document's name, the months and the days.
    static constexpr int32_t kCalendarString = 7;
    static constexpr int32_t kFirstMonthString = 19;
    static constexpr int32_t kFirstDayString = 31;

    // tool: whose module holds the strings and pictures. dib: the editor's
    // packed DIB of size bytes, valid while the dialog runs.
    CLdCalendarDialog(const CLdLoadable& tool, const void* dib, uint32_t size, QWidget* parent = nullptr);
    ~CLdCalendarDialog() override;

    bool OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;
    void OnCommand(uint32_t id) override;

    // The view moved into the frame by the orientation, then the page laid
    // out anew by the template.
    void Layout();
    void PlaceView();
    // Font and Color are offered only for the texts and the grid.
    void UpdateStyleButtons();

    void OnMonthChanged();
    void OnYearChanged();
    void OnYearLeft();
    void SaveCalendar();
    void LoadCalendar();
    void Print();

    CLdCalendarPage& Page() { return page_; }
    CLdCalendarView* View() const { return view_; }
    // Where the page is printed; the dialog's own unless set.
    void SetPrinter(QPrinter* printer) { printer_ = printer; }

    int32_t year = 0;
    int month = -1;
    int portrait = 1;
    int ready = 0;
    int topIndex = 0;
    int layoutTemplate = 0;

protected:
    void CreateControls() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The year box into year; false when it holds no number.
    bool ReadYear();
    // A menu of the cells of a module bitmap strip; the cell chosen or -1.
    int RunCellMenu(int32_t bitmapId, int cells);
    // A menu of texts with item checked; the item chosen or -1.
    int RunTextMenu(const std::vector<std::string>& items, int checked);
    void OnStyle();
    void OnTemplate();
    void OnBringToTop();
    void OnWhite();
    void RepaintView();
    std::optional<std::string> ChooseFile(bool open);

    const CLdLoadable& tool_;
    CLdCalendarPage page_;
    CLdCalendarView* view_ = nullptr;
    QFrame* frame_ = nullptr;
    QComboBox* monthCombo_ = nullptr;
    QLineEdit* yearEdit_ = nullptr;
    fw::SpinButton* yearSpin_ = nullptr;
    QPrinter* printer_ = nullptr;
    std::unique_ptr<QPrinter> ownPrinter_;
};
