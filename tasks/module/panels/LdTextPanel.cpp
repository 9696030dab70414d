#include "tasks/module/panels/LdTextPanel.h"

#include "editor/loadable/ToolParams.h"
#include "framework/ControlId.h"
#include "framework/DataExchange.h"
#include "framework/EventGuard.h"
#include "framework/FocusLost.h"
#include "tasks/module/LdEditorHost.h"
#include "tasks/module/LdWizardServices.h"
#include "tasks/module/panels/LdDialogUnits.h"
#include "tasks/module/panels/LdPanelIcon.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QPushButton>
#include <QTextEdit>

#include <charconv>

namespace {

constexpr std::initializer_list<uint32_t> kAlignments = {CLdTextPanel::IDC_LEFT, CLdTextPanel::IDC_CENTRE,
                                                         CLdTextPanel::IDC_RIGHT};

struct ControlResource {
    uint32_t id;
    int32_t icon;
    uint32_t help;
};
constexpr ControlResource kResources[] = {
    {CLdTextPanel::IDC_FACE, 0, 91},         {CLdTextPanel::IDC_SIZE, 0, 92},
    {CLdTextPanel::IDC_ITALIC, 147, 93},     {CLdTextPanel::IDC_BOLD, 216, 94},
    {CLdTextPanel::IDC_UNDERLINE, 219, 95},  {CLdTextPanel::IDC_LEFT, 148, 96},
    {CLdTextPanel::IDC_CENTRE, 146, 97},     {CLdTextPanel::IDC_RIGHT, 150, 98},
    {CLdTextPanel::IDC_TEXT_LEFT, 0, 99},    {CLdTextPanel::IDC_TEXT_CENTRE, 0, 100},
    {CLdTextPanel::IDC_TEXT_RIGHT, 0, 101},
};

// The number a size box holds: its leading digits, 0 for anything else.
int32_t SizeOf(const QString& text)
{
    const std::string digits = text.trimmed().toStdString();
    int32_t size = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), size);
    return error == std::errc() ? size : 0;
}

}  // namespace

CLdTextPanel::CLdTextPanel(QWidget* parent) : CLdOptionsPanel(parent) {}

CLdTextPanel::~CLdTextPanel() { ResetToolState(); }

void CLdTextPanel::ResetToolState()
{
    if (params)
        params->ints[CTextParams::kInts - 1] = 0;
}

void CLdTextPanel::CreateControls()
{
    faceCombo = new QComboBox(this);
    fw::SetControlId(faceCombo, IDC_FACE);
    faceCombo->setEditable(true);
    faceCombo->setInsertPolicy(QComboBox::NoInsert);
    faceCombo->setGeometry(LdDluRect(2, 2, 110, 13));
    sizeCombo = new QComboBox(this);
    fw::SetControlId(sizeCombo, IDC_SIZE);
    sizeCombo->setEditable(true);
    sizeCombo->setInsertPolicy(QComboBox::NoInsert);
    sizeCombo->setGeometry(LdDluRect(114, 2, 32, 13));
    int x = 150;
    for (const auto& [id, text] : {std::pair{IDC_ITALIC, "&I"}, {IDC_BOLD, "&B"}, {IDC_UNDERLINE, "&U"}}) {
        auto* button = new QPushButton(text, this);
        fw::SetControlId(button, id);
        button->setCheckable(true);
        button->setGeometry(LdDluRect(x, 1, 15, 15));
        x += 16;
        connect(button, &QPushButton::clicked, this, [this, id = id] { fw::GuardedCall([&] { OnStyleClicked(id); }); });
    }
    // The alignments exclude one another, and only one another.
    auto* group = new QWidget(this);
    group->setGeometry(LdDluRect(x + 4, 1, 48, 15));
    int i = 0;
    for (const auto& [id, text] : {std::pair{IDC_LEFT, "&L"}, {IDC_CENTRE, "&C"}, {IDC_RIGHT, "&R"}}) {
        auto* button = new QPushButton(text, group);
        fw::SetControlId(button, id);
        button->setCheckable(true);
        button->setAutoExclusive(true);
        button->setGeometry(LdDluRect(16 * i++, 0, 15, 15));
        connect(button, &QPushButton::clicked, this, [this] { fw::GuardedCall([this] { OnAlignmentClicked(); }); });
    }
    const auto textBox = [this](uint32_t id, Qt::Alignment align) {
        auto* edit = new QTextEdit(this);
        fw::SetControlId(edit, id);
        edit->setAcceptRichText(false);
        edit->document()->setDefaultTextOption(QTextOption(align));
        edit->setGeometry(LdDluRect(2, 18, 323, 26));
        connect(edit, &QTextEdit::textChanged, this, [this] { fw::GuardedCall([this] { OnTextChanged(); }); });
        return edit;
    };
    leftEdit = textBox(IDC_TEXT_LEFT, Qt::AlignLeft);
    centreEdit = textBox(IDC_TEXT_CENTRE, Qt::AlignHCenter);
    rightEdit = textBox(IDC_TEXT_RIGHT, Qt::AlignRight);
    setFixedSize(LdDluX(327), LdDluY(46));

    connect(faceCombo, &QComboBox::activated, this, [this] { fw::GuardedCall([this] { OnFaceChosen(); }); });
    connect(sizeCombo, &QComboBox::activated, this, [this] { fw::GuardedCall([this] { OnSizeChosen(); }); });
    fw::OnFocusLost(sizeCombo, [this] { OnSizeLeft(); });
}

bool CLdTextPanel::OnInitDialog()
{
    ResetToolState();
    if (params) {
        italic = params->ints[kItalic];
        bold = params->ints[kBold];
        underline = params->ints[kUnderline];
        alignment = params->ints[kAlignment];
    }
    for (int size = 1; size <= kLargestListedSize; ++size)
        sizeCombo->addItem(QString::number(size));
    ShowAlignedBox();
    SelectCurrentSize();
    // One entry per family the display offers, in alphabetical order.
    QStringList faces = QFontDatabase::families();
    faces.removeDuplicates();
    faces.sort(Qt::CaseInsensitive);
    faceCombo->addItems(faces);
    if (params) {
        const QString face = QString::fromStdString(params->face);
        const int index = faceCombo->findText(face, Qt::MatchFixedString);
        faceCombo->setCurrentIndex(index);
        if (index < 0)
            faceCombo->setEditText(face);
    }
    Fill();
    helpId = kHelpPanel;
    fw::SetHelpId(this, kHelpPanel);
    for (const ControlResource& r : kResources) {
        fw::SetHelpId(GetDlgItem(r.id), r.help);
        if (r.icon)
            LdSetButtonIcon(qobject_cast<QAbstractButton*>(GetDlgItem(r.id)), module_, r.icon);
    }
    initialised = 1;
    return true;
}

void CLdTextPanel::DoDataExchange(fw::DataExchange& dx)
{
    fw::DDX_Text(dx, IDC_TEXT_LEFT, leftText);
    fw::DDX_Text(dx, IDC_TEXT_CENTRE, centreText);
    fw::DDX_Text(dx, IDC_TEXT_RIGHT, rightText);
    fw::DDX_Check(dx, IDC_ITALIC, italic);
    fw::DDX_Check(dx, IDC_BOLD, bold);
    fw::DDX_Check(dx, IDC_UNDERLINE, underline);
    fw::DDX_Radio(dx, kAlignments, alignment);
}

void CLdTextPanel::Fill()
{
    filling_ = true;
    UpdateData(false);
    filling_ = false;
}

void CLdTextPanel::ShowAlignedBox()
{
    leftEdit->setVisible(alignment == 0);
    centreEdit->setVisible(alignment == 1);
    rightEdit->setVisible(alignment == 2);
}

void CLdTextPanel::SelectCurrentSize()
{
    if (!params)
        return;
    const int32_t size = params->ints[kSize];
    if (size >= 1 && size <= kLargestListedSize)
        sizeCombo->setCurrentIndex(size - 1);
    else
        sizeCombo->setEditText(QString::number(size));
}

void CLdTextPanel::Apply()
{
    if (!UpdateData(true))
        return;
    switch (alignment) {
    case 0:
        currentText = leftText;
        break;
    case 1:
        currentText = centreText;
        break;
    case 2:
        currentText = rightText;
        break;
    default:
        break;
    }
    if (params)
        params->text = currentText;
    CLdWizardServices::Editor().InvalidateActiveView();
}

void CLdTextPanel::OnFaceChosen()
{
    if (params && faceCombo->currentIndex() >= 0)
        params->face = faceCombo->currentText().toStdString();
    Apply();
}

void CLdTextPanel::OnSizeChosen()
{
    if (params && sizeCombo->currentIndex() >= 0)
        params->ints[kSize] = sizeCombo->currentIndex() + 1;
    Apply();
}

void CLdTextPanel::OnSizeLeft()
{
    const int32_t size = SizeOf(sizeCombo->currentText());
    if (size <= 0)
        SelectCurrentSize();
    else if (params)
        params->ints[kSize] = size;
    Apply();
}

void CLdTextPanel::OnStyleClicked(uint32_t id)
{
    auto* button = qobject_cast<QAbstractButton*>(GetDlgItem(id));
    const int flag = button && button->isChecked() ? 1 : 0;
    if (params)
        params->ints[id == IDC_ITALIC ? kItalic : id == IDC_BOLD ? kBold : kUnderline] = flag;
    Apply();
}

void CLdTextPanel::OnAlignmentClicked()
{
    if (!UpdateData(true))
        return;
    if (params)
        params->ints[kAlignment] = alignment;
    leftText = centreText = rightText = currentText;
    ShowAlignedBox();
    Fill();
    Apply();
}

void CLdTextPanel::OnTextChanged()
{
    if (initialised && !filling_)
        Apply();
}
