#include "tasks/module/calendar/LdCalendarDialog.h"

#include "editor/loadable/LdLoadable.h"
#include "editor/loadable/LdModule.h"
#include "framework/App.h"
#include "framework/Clipboard.h"
#include "framework/CommandIds.h"
#include "framework/ControlId.h"
#include "framework/DataExchange.h"
#include "framework/Exception.h"
#include "framework/FileDialog.h"
#include "framework/MessageBox.h"
#include "framework/PopupMenu.h"
#include "framework/PrintDialog.h"
#include "framework/PrintInfo.h"
#include "framework/SpinButton.h"
#include "tasks/module/LdBitmapMenu.h"
#include "tasks/module/LdModuleHelp.h"
#include "tasks/module/calendar/LdCalendarFile.h"
#include "tasks/module/calendar/LdCalendarPrint.h"
#include "tasks/module/calendar/LdCalendarView.h"
#include "tasks/sketch/CVShape.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include <ctime>

namespace {

std::tm Today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

CLdCalendarPage::Names NamesOf(const CLdLoadable& tool)
{
    CLdCalendarPage::Names names;
    for (size_t i = 0; i < names.months.size(); ++i)
        names.months[i] = tool.LoadResString(CLdCalendarDialog::kFirstMonthString + int32_t(i));
    for (size_t i = 0; i < names.days.size(); ++i)
        names.days[i] = tool.LoadResString(CLdCalendarDialog::kFirstDayString + int32_t(i));
    return names;
}

// The frame the view is placed in: the template's 221 x 229 dialog units.
constexpr int kFrameWidth = 332;
constexpr int kFrameHeight = 372;

}  // namespace

CLdCalendarDialog::CLdCalendarDialog(const CLdLoadable& tool, const void* dib, uint32_t size, QWidget* parent)
    : CLdHelpDlg(IDD, parent, LdModuleDialogStyle()), tool_(tool), page_(dib, size, NamesOf(tool), Today().tm_mon, Today().tm_year + 1900)
{
    setWindowTitle("Calendar");
    helpId = kHelpContext;
}

CLdCalendarDialog::~CLdCalendarDialog() = default;

void CLdCalendarDialog::CreateControls()
{
    auto* layout = new QHBoxLayout(this);
    frame_ = new QFrame(this);
    frame_->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame_->setFixedSize(kFrameWidth, kFrameHeight);
    fw::SetControlId(frame_, IDC_FRAME);
    layout->addWidget(frame_, 0, Qt::AlignTop);

    auto* side = new QVBoxLayout;
    side->addWidget(AddButton(fw::IDCANCEL, "&Exit"));
    side->addWidget(AddButton(fw::ID_HELP, "&Help"));
    side->addWidget(AddButton(IDC_FONT, "&Font"));
    side->addWidget(AddButton(IDC_COLOR, "&Color"));
    auto* yearRow = new QHBoxLayout;
    auto* yearLabel = new QLabel("&Year", this);
    yearEdit_ = new QLineEdit(this);
    fw::SetControlId(yearEdit_, IDC_YEAR);
    yearLabel->setBuddy(yearEdit_);
    yearSpin_ = new fw::SpinButton(this);
    fw::SetControlId(yearSpin_, IDC_YEAR_SPIN);
    yearSpin_->SetBuddy(yearEdit_);
    yearRow->addWidget(yearLabel);
    yearRow->addWidget(yearEdit_);
    yearRow->addWidget(yearSpin_);
    side->addLayout(yearRow);
    monthCombo_ = new QComboBox(this);
    fw::SetControlId(monthCombo_, IDC_MONTH);
    side->addWidget(monthCombo_);
    auto* portraitBox = new QCheckBox("P&ortrait", this);
    fw::SetControlId(portraitBox, IDC_PORTRAIT);
    side->addWidget(portraitBox);
    side->addWidget(AddButton(IDC_STYLE, "&Style"));
    side->addWidget(AddButton(IDC_TEMPLATE, "&Template"));
    side->addWidget(AddButton(IDC_TOP, "&Bring to top"));
    side->addWidget(AddButton(IDC_WHITE, "&White"));
    side->addWidget(AddButton(IDC_SAVE, "Save..."));
    side->addWidget(AddButton(IDC_LOAD, "Load..."));
    QPushButton* print = AddButton(IDC_PRINT, "&Print...");
    print->setDefault(true);
    side->addWidget(print);
    side->addStretch();
    layout->addLayout(side);

    QObject::connect(monthCombo_, &QComboBox::currentIndexChanged, this, [this] { OnMonthChanged(); });
    QObject::connect(yearEdit_, &QLineEdit::textChanged, this, [this] { OnYearChanged(); });
    yearEdit_->installEventFilter(this);
}

bool CLdCalendarDialog::OnInitDialog()
{
    const std::tm today = Today();
    year = today.tm_year + 1900;
    yearSpin_->SetRange(int16_t(kFirstYear), int16_t(kLastYear - 1));
    yearSpin_->SetPos(year);
    month = today.tm_mon;
    page_.SetYear(year);
    page_.SetMonth(month);
    for (const std::string& name : page_.GetNames().months)
        monthCombo_->addItem(QString::fromStdString(name));

    view_ = new CLdCalendarView(page_.Sketch(), this, frame_);
    fw::SetControlId(view_, CLdCalendarView::kControlId);
    fw::SetHelpId(view_, kViewHelpId);
    view_->setGeometry(0, 0, 1, 1);
    view_->show();

    Layout();
    UpdateStyleButtons();
    ready = 1;
    CLdHelpDlg::OnInitDialog();
    return true;
}

void CLdCalendarDialog::DoDataExchange(fw::DataExchange& dx)
{
    fw::DDX_Text(dx, IDC_YEAR, year);
    fw::DDX_CBIndex(dx, IDC_MONTH, month);
    fw::DDX_Check(dx, IDC_PORTRAIT, portrait);
}

void CLdCalendarDialog::PlaceView()
{
    const QRect f = frame_->rect();
    QRect r = f;
    if (portrait)
        r.adjust(f.width() / 8, 3, -(f.width() / 8), -3);
    else
        r.adjust(3, f.height() / 8, -3, -(f.height() / 8));
    view_->setGeometry(r);
    view_->update();
}

void CLdCalendarDialog::Layout()
{
    PlaceView();
    page_.Layout(view_->width(), view_->height(), layoutTemplate);
    topIndex = CLdCalendarPage::kTopMonth;
}

void CLdCalendarDialog::UpdateStyleButtons()
{
    const CVShape* selected = page_.Sketch().GetSelected();
    const bool styled = selected && (selected == page_.ShapeOf(CLdCalendarPage::kTopYear) ||
                                     selected == page_.ShapeOf(CLdCalendarPage::kTopMonth) ||
                                     selected == page_.ShapeOf(CLdCalendarPage::kTopCalendar));
    GetDlgItem(IDC_FONT)->setVisible(styled);
    GetDlgItem(IDC_COLOR)->setVisible(styled);
}

void CLdCalendarDialog::RepaintView()
{
    if (view_)
        view_->update();
}

void CLdCalendarDialog::OnMonthChanged()
{
    if (!view_)
        return;
    month = monthCombo_->currentIndex();
    if (month < 0)
        return;
    page_.SetMonth(month);
    RepaintView();
}

bool CLdCalendarDialog::ReadYear()
{
    bool ok = false;
    const int32_t typed = yearEdit_->text().trimmed().toInt(&ok);
    if (ok)
        year = typed;
    return ok;
}

void CLdCalendarDialog::OnYearChanged()
{
    if (!ready || !ReadYear())
        return;
    if (year > kFirstYear && year < kLastYear) {
        page_.SetYear(year);
        RepaintView();
    }
}

void CLdCalendarDialog::OnYearLeft()
{
    if (!ready)
        return;
    if (ReadYear() && year >= kFirstYear && year <= kLastYear)
        return;
    // The editor's message for a number out of its range.
    char text[128];
    std::snprintf(text, sizeof text, "The number has to be between %i and %i.", kFirstYear, kLastYear);
    year = Today().tm_year + 1900;
    ready = 0;
    UpdateData(false);
    ready = 1;
    page_.SetYear(year);
    RepaintView();
    fw::MessageBox(text, fw::MB_OK | fw::MB_ICONEXCLAMATION);
}

bool CLdCalendarDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == yearEdit_ && event->type() == QEvent::FocusOut)
        OnYearLeft();
    return CLdHelpDlg::eventFilter(watched, event);
}

int CLdCalendarDialog::RunCellMenu(int32_t bitmapId, int cells)
{
    // Item i carries command i + 1, so that 0 stays "nothing chosen".
    CLdBitmapMenu menu(this);
    const CLdModule* module = tool_.GetModule();
    const QImage strip =
        module ? fw::Clipboard::DibToImage(module->FindBitmap(bitmapId)).value_or(QImage()) : QImage();
    if (!menu.Create(strip, 1, cells))
        return -1;
    return int(menu.Track(QCursor::pos())) - 1;
}

int CLdCalendarDialog::RunTextMenu(const std::vector<std::string>& items, int checked)
{
    QMenu menu(this);
    for (size_t i = 0; i < items.size(); ++i) {
        QAction* action = menu.addAction(QString::fromStdString(items[i]));
        action->setData(int(i));
        action->setCheckable(true);
        action->setChecked(int(i) == checked);
    }
    const QAction* chosen = fw::TrackPopupMenu(menu, QCursor::pos());
    return chosen ? chosen->data().toInt() : -1;
}

void CLdCalendarDialog::OnStyle()
{
    const int style = RunCellMenu(kStyleBitmap, CLdCalendarPage::kGridStyles);
    if (style < 0)
        return;
    page_.SetGridStyle(style);
    RepaintView();
}

void CLdCalendarDialog::OnTemplate()
{
    const int chosen = RunCellMenu(portrait ? kPortraitTemplates : kLandscapeTemplates, 2);
    if (chosen < 0)
        return;
    layoutTemplate = chosen;
    Layout();
    UpdateStyleButtons();
    RepaintView();
}

void CLdCalendarDialog::OnBringToTop()
{
    const int item = RunTextMenu({"Year", "Month", "Calendar", "Picture"}, topIndex);
    if (item < 0 || !page_.BringToTop(item))
        return;
    topIndex = item;
    RepaintView();
}

void CLdCalendarDialog::OnWhite()
{
    std::vector<std::string> levels;
    for (int i = 0; i <= CLdCalendarPage::kMaxWhiteLevel; ++i)
        levels.push_back(std::to_string(i * 10) + "%");
    const int level = RunTextMenu(levels, page_.WhiteLevel());
    if (level < 0)
        return;
    page_.SetWhiteLevel(level);
    RepaintView();
}

std::optional<std::string> CLdCalendarDialog::ChooseFile(bool open)
{
    fw::FileDialogRequest request;
    request.open = open;
    request.fileName = "*.cal";
    request.filters = {"Calendar Files (*.cal)"};
    request.defaultExtension = ".cal";
    request.mustExist = open;
    request.owner = this;
    return fw::RunFileDialog(request);
}

void CLdCalendarDialog::SaveCalendar()
{
    const auto path = ChooseFile(false);
    if (!path)
        return;
    try {
        CLdCalendarFile::Save(*path, page_);
    } catch (const fw::Exception& e) {
        e.ReportError();
    }
}

void CLdCalendarDialog::LoadCalendar()
{
    const auto path = ChooseFile(true);
    if (!path)
        return;
    try {
        CLdCalendarFile::Load(*path, page_);
    } catch (const fw::Exception& e) {
        e.ReportError();
    }
    UpdateStyleButtons();
    RepaintView();
}

void CLdCalendarDialog::Print()
{
    QPrinter* printer = printer_;
    if (!printer) {
        if (fw::App* app = fw::App::Get()) {
            printer = &app->GetPrinter();
        } else {
            if (!ownPrinter_)
                ownPrinter_ = std::make_unique<QPrinter>();
            printer = ownPrinter_.get();
        }
    }
    fw::PrintInfo info;
    info.minPage = 1;
    info.maxPage = 1;
    if (!fw::RunPrintDialog(*printer, info, this))
        return;
    std::string name = tool_.LoadResString(kCalendarString);
    if (name.empty())
        name = "Calendar";
    LdPrintCalendar(*printer, page_.Sketch(), view_->size(), portrait != 0, name);
}

void CLdCalendarDialog::OnCommand(uint32_t id)
{
    switch (id) {
    case IDC_COLOR:
    case IDC_FONT:
        if (CVShape* selected = page_.Sketch().GetSelected()) {
            if (id == IDC_COLOR)
                selected->EditColor();
            else
                selected->EditFont();
        }
        RepaintView();
        break;
    case IDC_STYLE: OnStyle(); break;
    case IDC_TEMPLATE: OnTemplate(); break;
    case IDC_TOP: OnBringToTop(); break;
    case IDC_WHITE: OnWhite(); break;
    case IDC_PORTRAIT:
        UpdateData(true);
        PlaceView();
        break;
    case IDC_SAVE: SaveCalendar(); break;
    case IDC_LOAD: LoadCalendar(); break;
    case IDC_PRINT: Print(); break;
    default: CLdHelpDlg::OnCommand(id);
    }
}
