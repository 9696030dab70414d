#include "album/app/SearchDlg.h"

#include <QCheckBox>
#include <algorithm>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "album/app/AlbumIds.h"
#include "album/doc/AlbumFileTimes.h"
#include "album/doc/OvalbumDoc.h"
#include "framework/ControlId.h"
#include "framework/DataExchange.h"
#include "framework/MessageBox.h"
#include "framework/SpinButton.h"

namespace {

constexpr int kPatternChars = 256;
constexpr int32_t kLargestNumber = 100000;

// Offers a value unless an entry already begins with it (ignoring case).
void OfferOnce(QComboBox* combo, const std::string& value)
{
    const QString text = QString::fromStdString(value);
    if (!text.isEmpty() && combo->findText(text, Qt::MatchStartsWith) < 0)
        combo->addItem(text);
}

void ExchangeTime(fw::DataExchange& dx, uint32_t id, int32_t& time)
{
    int64_t seconds = time;
    fw::DDX_DateTimeCtrl(dx, id, seconds);
    time = AlbumTimeFrom(seconds);
}

} // namespace

CSearchDlg::CSearchDlg(const COvalbumDoc& doc, QWidget* parent)
    : CAlbumHelpDlg(IDD_SEARCH, parent), search(doc.search), doc_(doc)
{
    setWindowTitle("Search");
}

void CSearchDlg::CreateControls()
{
    auto* layout = new QGridLayout(this);
    int row = 0;
    const struct {
        uint32_t id, labelId;
        std::string label;
    } patterns[] = {
        {IDC_FIND_FILE, 0, "File name:"},
        {IDC_FIND_ALIAS, IDC_ALIAS_LABEL, doc_.aliasCaption + ":"},
        {IDC_FIND_GROUP, IDC_GROUP_LABEL, doc_.groupCaption + ":"},
        {IDC_FIND_SUBGROUP, IDC_SUBGROUP_LABEL, doc_.subgroupCaption + ":"},
    };
    for (const auto& p : patterns) {
        auto* label = new QLabel(QString::fromStdString(p.label), this);
        if (p.labelId)
            fw::SetControlId(label, p.labelId);
        auto* combo = new QComboBox(this);
        combo->setEditable(true);
        combo->lineEdit()->setMaxLength(kPatternChars);
        combo->setMinimumWidth(260);
        fw::SetControlId(combo, p.id);
        layout->addWidget(label, row, 0);
        layout->addWidget(combo, row++, 1, 1, 4);
    }
    const auto addRange = [&](uint32_t check, const char* text, QWidget* from, uint32_t fromId, QWidget* to,
                              uint32_t toId) {
        auto* box = new QCheckBox(text, this);
        fw::SetControlId(box, check);
        fw::SetControlId(from, fromId);
        fw::SetControlId(to, toId);
        layout->addWidget(box, row, 0);
        layout->addWidget(from, row, 1);
        layout->addWidget(new QLabel("to", this), row, 2);
        layout->addWidget(to, row++, 3);
    };
    auto* numberFrom = new QLineEdit(this);
    auto* numberTo = new QLineEdit(this);
    addRange(IDC_FIND_BY_NUMBER, "Item &number from", numberFrom, IDC_FIND_NUMBER_FROM, numberTo,
             IDC_FIND_NUMBER_TO);
    const int32_t last = std::max<int32_t>(0, int32_t(doc_.GetRecords().size()) - 1);
    for (auto [edit, id] : {std::pair{numberFrom, IDC_FIND_NUMBER_FROM_SPIN}, {numberTo, IDC_FIND_NUMBER_TO_SPIN}}) {
        auto* spin = new fw::SpinButton(this);
        fw::SetControlId(spin, id);
        spin->SetBuddy(edit);
        spin->SetRange(0, last);
        layout->addWidget(spin, row - 1, id == IDC_FIND_NUMBER_FROM_SPIN ? 4 : 5);
    }
    addRange(IDC_FIND_BY_CREATION, "&Created from", new QDateTimeEdit(this), IDC_FIND_CREATED_FROM,
             new QDateTimeEdit(this), IDC_FIND_CREATED_TO);
    addRange(IDC_FIND_BY_MODIFICATION, "&Modified from", new QDateTimeEdit(this), IDC_FIND_MODIFIED_FROM,
             new QDateTimeEdit(this), IDC_FIND_MODIFIED_TO);
    layout->addWidget(AddButton(fw::IDOK, "OK"), row, 3);
    layout->addWidget(AddButton(fw::IDCANCEL, "Cancel"), row, 4);
}

bool CSearchDlg::OnInitDialog()
{
    auto* files = qobject_cast<QComboBox*>(GetDlgItem(IDC_FIND_FILE));
    auto* aliases = qobject_cast<QComboBox*>(GetDlgItem(IDC_FIND_ALIAS));
    auto* groups = qobject_cast<QComboBox*>(GetDlgItem(IDC_FIND_GROUP));
    auto* subgroups = qobject_cast<QComboBox*>(GetDlgItem(IDC_FIND_SUBGROUP));
    for (const auto& r : doc_.GetRecords()) {
        files->addItem(QString::fromStdString(r->path));
        OfferOnce(aliases, r->alias);
        OfferOnce(groups, r->group);
        OfferOnce(subgroups, r->subgroup);
    }
    return CAlbumHelpDlg::OnInitDialog();
}

void CSearchDlg::DoDataExchange(fw::DataExchange& dx)
{
    fw::DDX_CBString(dx, IDC_FIND_ALIAS, search.aliasPattern);
    fw::DDV_MaxChars(dx, search.aliasPattern, kPatternChars);
    fw::DDX_CBString(dx, IDC_FIND_FILE, search.fileNamePattern);
    fw::DDV_MaxChars(dx, search.fileNamePattern, kPatternChars);
    fw::DDX_CBString(dx, IDC_FIND_GROUP, search.groupPattern);
    fw::DDX_CBString(dx, IDC_FIND_SUBGROUP, search.subgroupPattern);
    fw::DDX_Check(dx, IDC_FIND_BY_NUMBER, search.byNumber);
    uint32_t from = uint32_t(std::max(0, search.numberFrom));
    uint32_t to = uint32_t(std::max(0, search.numberTo));
    fw::DDX_Text(dx, IDC_FIND_NUMBER_FROM, from);
    fw::DDV_MinMaxUInt(dx, from, 0, kLargestNumber);
    fw::DDX_Text(dx, IDC_FIND_NUMBER_TO, to);
    fw::DDV_MinMaxUInt(dx, to, 0, kLargestNumber);
    search.numberFrom = int32_t(from);
    search.numberTo = int32_t(to);
    fw::DDX_Check(dx, IDC_FIND_BY_CREATION, search.byCreation);
    ExchangeTime(dx, IDC_FIND_CREATED_FROM, search.creationFrom);
    ExchangeTime(dx, IDC_FIND_CREATED_TO, search.creationTo);
    fw::DDX_Check(dx, IDC_FIND_BY_MODIFICATION, search.byModification);
    ExchangeTime(dx, IDC_FIND_MODIFIED_FROM, search.modificationFrom);
    ExchangeTime(dx, IDC_FIND_MODIFIED_TO, search.modificationTo);
}
