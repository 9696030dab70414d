#include "tasks/module/LdFontDialog.h"

#include "framework/App.h"
#include "framework/CommandIds.h"
#include "framework/ControlId.h"
#include "framework/DataExchange.h"
#include "framework/EventGuard.h"
#include "framework/FrameWnd.h"
#include "framework/MessageBox.h"
#include "tasks/module/LdModuleHelp.h"
#include "tasks/module/LdFontFaces.h"
#include "tasks/sketch/SketchDialogs.h"
#include "tasks/sketch/SketchFont.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidgetAction>

namespace {

CLdFontDialog::FaceMenuHook& Hook()
{
    static CLdFontDialog::FaceMenuHook hook;
    return hook;
}

// The sunken box the sample is drawn in; a press on it opens the face menu.
class SampleBox : public QFrame {
public:
    explicit SampleBox(CLdFontDialog* dialog) : QFrame(dialog), dialog_(dialog)
    {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QFrame::paintEvent(event);
        QPainter painter(this);
        fw::GuardedCall([&] { dialog_->PaintSample(painter); });
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::LeftButton) {
            QFrame::mousePressEvent(event);
            return;
        }
        fw::GuardedCall([&] { dialog_->OnSamplePressed(event->globalPosition().toPoint()); });
    }

private:
    CLdFontDialog* dialog_;
};

}  // namespace

CLdFontDialog::FaceMenuHook CLdFontDialog::SetFaceMenuHook(FaceMenuHook hook)
{
    std::swap(Hook(), hook);
    return hook;
}

CLdFontDialog::CLdFontDialog(QWidget* parent) : CLdHelpDlg(IDD, parent, LdModuleDialogStyle())
{
    setWindowTitle("Choose font");
    helpId = kHelpContext;
    setFont(SketchLogFont::FromPointSize(80, "Arial").MakeFont());
}

void CLdFontDialog::CreateControls()
{
    // 186 x 122 dialog units of the 8-point dialog font.
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* checks = new QVBoxLayout;
    auto* italicBox = new QCheckBox("&Italic", this);
    fw::SetControlId(italicBox, IDC_ITALIC);
    auto* boldBox = new QCheckBox("&Bold", this);
    fw::SetControlId(boldBox, IDC_BOLD);
    checks->addWidget(italicBox);
    checks->addWidget(boldBox);
    checks->addStretch(1);
    top->addLayout(checks, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(AddButton(fw::IDOK, "OK"));
    buttons->addWidget(AddButton(fw::IDCANCEL, "Cancel"));
    buttons->addWidget(AddButton(fw::ID_HELP, "&Help"));
    top->addLayout(buttons);
    layout->addLayout(top);
    sample_ = new SampleBox(this);
    fw::SetControlId(sample_, IDC_SAMPLE);
    sample_->setFixedSize(258, 65);
    layout->addWidget(sample_);
    auto reread = [this] {
        fw::GuardedCall([this] {
            UpdateData(true);
            sample_->update();
        });
    };
    connect(italicBox, &QCheckBox::clicked, this, reread);
    connect(boldBox, &QCheckBox::clicked, this, reread);
}

bool CLdFontDialog::OnInitDialog()
{
    for (const QString& family : QFontDatabase::families())
        LdInsertFace(faces, family.toStdString());
    return CLdHelpDlg::OnInitDialog();
}

void CLdFontDialog::DoDataExchange(fw::DataExchange& dx)
{
    fw::DDX_Check(dx, IDC_ITALIC, italic);
    fw::DDX_Check(dx, IDC_BOLD, bold);
}

void CLdFontDialog::OnOK()
{
    if (UpdateData(true))
        EndDialog(fw::IDOK);
}

QRect CLdFontDialog::SampleRect() const
{
    return sample_->rect().adjusted(3, 3, -3, -3);
}

QFont CLdFontDialog::SampleFont() const
{
    const QString text = QString::fromStdString(sampleText);
    const QFontMetrics measure(SketchLogFont::FromPointSize(80, faceName).MakeFont());
    SketchLogFont font;
    font.face = faceName;
    font.height = LdSampleFontHeight(SampleRect().width(), measure.horizontalAdvance(text), measure.height());
    font.italic = italic != 0;
    font.weight = bold ? 700 : 400;
    return font.MakeFont();
}

void CLdFontDialog::PaintSample(QPainter& painter) const
{
    painter.setFont(SampleFont());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(SampleRect(), Qt::AlignCenter | Qt::TextSingleLine, QString::fromStdString(sampleText));
}

void CLdFontDialog::OnSamplePressed(const QPoint& screenPoint)
{
    const int chosen = RunFaceMenu(screenPoint);
    // Items past the 256th are listed but choose nothing.
    if (chosen < 0 || chosen >= kLdFaceMenuChoices || chosen >= int(faces.size()))
        return;
    faceName = faces[size_t(chosen)];
    sample_->update();
}

int CLdFontDialog::RunFaceMenu(const QPoint& screenPoint)
{
    std::vector<int32_t> columns;
    for (size_t i = 0; i < faces.size(); ++i)
        columns.push_back(LdFaceMenuColumn(int32_t(i)));
    if (Hook())
        return Hook()(faces, columns);
    // A menu of columns: each face a flat button in its row and column.
    QMenu menu(this);
    auto* grid = new QWidget(&menu);
    auto* layout = new QGridLayout(grid);
    layout->setSpacing(0);
    int chosen = -1;
    for (size_t i = 0; i < faces.size(); ++i) {
        auto* item = new QPushButton(QString::fromStdString(faces[i]), grid);
        item->setFlat(true);
        item->setStyleSheet("text-align: left; padding: 1px 6px;");
        layout->addWidget(item, int(i) % kLdFaceMenuRows, columns[i]);
        connect(item, &QPushButton::clicked, &menu, [&menu, &chosen, i] {
            chosen = int(i);
            menu.close();
        });
    }
    auto* action = new QWidgetAction(&menu);
    action->setDefaultWidget(grid);
    menu.addAction(action);
    menu.exec(screenPoint);
    return chosen;
}

void LdInstallFontDialog()
{
    SetSketchFontDialogRunner([](SketchFontChoice& choice) {
        fw::App* app = fw::App::Get();
        QWidget* parent = app ? app->GetMainWnd() : nullptr;
        CLdFontDialog dialog(parent);
        dialog.faceName = choice.face;
        dialog.italic = choice.italic ? 1 : 0;
        dialog.bold = choice.bold ? 1 : 0;
        dialog.sampleText = choice.sample;
        if (dialog.DoModal() != fw::IDOK)
            return false;
        choice.face = dialog.faceName;
        choice.italic = dialog.italic != 0;
        choice.bold = dialog.bold != 0;
        return true;
    });
}
