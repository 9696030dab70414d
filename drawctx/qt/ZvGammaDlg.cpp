#include "drawctx/qt/ZvGammaDlg.h"

#include "drawctx/ZvWaTmb.h"
#include "drawctx/qt/ZvWindow.h"
#include "framework/ControlId.h"
#include "framework/EventGuard.h"
#include "framework/MessageBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

int CodeOf(int action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub: return ZV_SB_LINELEFT;
    case QAbstractSlider::SliderSingleStepAdd: return ZV_SB_LINERIGHT;
    case QAbstractSlider::SliderPageStepSub: return ZV_SB_PAGELEFT;
    case QAbstractSlider::SliderPageStepAdd: return ZV_SB_PAGERIGHT;
    case QAbstractSlider::SliderToMinimum: return ZV_SB_LEFT;
    case QAbstractSlider::SliderToMaximum: return ZV_SB_RIGHT;
    case QAbstractSlider::SliderMove: return ZV_SB_THUMBTRACK;
    default: return ZV_SB_ENDSCROLL;
    }
}

} // namespace

ZvGammaDlg::ZvGammaDlg(QWidget* owner, ZV_MG& gamma, ZvUserProc preview, ZvUserProc help, intptr_t user)
    : ZvTemplateDialog(owner), model_(gamma, preview, help, user, [this](const ZV_MG& g) { SendGamma(g); })
{
}

void ZvGammaDlg::CreateControls()
{
    // A fixed layout, as the template places its controls.
    setFixedSize(360, 290);
    picture_ = ZvCreateWindow(ZV_WATMB_CLASS, this, 109, ZV_WS_BORDER);
    if (picture_) {
        picture_->setGeometry(kPictureLeft, kPictureTop, kPictureWidth, kPictureHeight);
        fw::SetControlId(picture_, 109);
        fw::SetHelpId(picture_, 3069);
    }
    for (int c = 0; c < 3; ++c) {
        const int y = 160 + c * 30;
        auto* label = new QLabel(this);
        fw::SetControlId(label, uint32_t(1101 + c));
        label->setGeometry(20, y, 60, 22);
        bars_[c] = new QScrollBar(Qt::Horizontal, this);
        fw::SetControlId(bars_[c], uint32_t(101 + c));
        fw::SetHelpId(bars_[c], uint32_t(3063 + c));
        bars_[c]->setGeometry(80, y + 2, 180, 18);
        bars_[c]->setRange(ZV_GAMMA_MIN, ZV_GAMMA_MAX);
        bars_[c]->setSingleStep(1);
        bars_[c]->setPageStep(10);
        label->setBuddy(bars_[c]);
        edits_[c] = new QLineEdit(this);
        fw::SetControlId(edits_[c], uint32_t(104 + c));
        fw::SetHelpId(edits_[c], uint32_t(3066 + c));
        edits_[c]->setGeometry(270, y, 70, 22);
        connect(bars_[c], &QAbstractSlider::actionTriggered, this,
                [this, c](int action) { fw::GuardedCall([&] { Scrolled(c, CodeOf(action)); }); });
        connect(bars_[c], &QAbstractSlider::sliderReleased, this,
                [this, c] { fw::GuardedCall([&] { Scrolled(c, ZV_SB_THUMBPOSITION); }); });
        connect(edits_[c], &QLineEdit::editingFinished, this, [this, c] {
            fw::GuardedCall([&] {
                model_.EditDone(c, edits_[c]->text().toStdString());
                Show(c);
            });
        });
    }
    const char* texts[] = {"OK", "Cancel", "&Help"};
    const uint32_t ids[] = {1, 2, 107};
    for (int i = 0; i < 3; ++i)
        AddButton(ids[i], texts[i])->setGeometry(20 + i * 110, 254, 100, 26);
}

bool ZvGammaDlg::OnInitDialog()
{
    if (WA* picture = ZvLoadGammaPicture()) {
        if (picture_) {
            // Fitted to the picture, centred where the template put the
            // control, and raised 20 pixels.
            const int w = picture->width + 3, h = picture->height + 3;
            picture_->setGeometry(kPictureLeft + (kPictureWidth - w) / 2,
                                  kPictureTop + (kPictureHeight - h) / 2 - 20, w, h);
            picture_->SendMessage(ZV_WATMB_SETPICTURE, reinterpret_cast<uintptr_t>(picture), 0);
        }
        WARelease(picture);
    }
    GetDlgItem(107)->setVisible(model_.HasHelp());
    for (int c = 0; c < 3; ++c)
        Show(c);
    ZV_MG g;
    g.red = model_.Value(0);
    g.green = model_.Value(1);
    g.blue = model_.Value(2);
    SendGamma(g);
    return ZvTemplateDialog::OnInitDialog();
}

void ZvGammaDlg::Scrolled(int channel, int code)
{
    model_.Scroll(channel, code, bars_[channel]->sliderPosition());
    edits_[channel]->setText(QString::fromStdString(model_.Text(channel)));
    // The thumb stays where it is dragged; otherwise the bar shows the value.
    if (code != ZV_SB_THUMBTRACK)
        bars_[channel]->setSliderPosition(model_.Value(channel));
}

void ZvGammaDlg::Show(int channel)
{
    bars_[channel]->setSliderPosition(model_.Value(channel));
    edits_[channel]->setText(QString::fromStdString(model_.Text(channel)));
}

void ZvGammaDlg::SendGamma(const ZV_MG& g)
{
    if (picture_)
        picture_->SendMessage(ZV_WATMB_SETGAMMA, uintptr_t(g.red), intptr_t(g.green | g.blue << 16));
}

void ZvGammaDlg::OnOK() { EndDialog(model_.Finish(true)); }

void ZvGammaDlg::OnCancel()
{
    Finish(false);
    EndDialog(0);
}

void ZvGammaDlg::OnCommand(uint32_t id)
{
    if (id == 107)
        model_.Help();
    else
        ZvTemplateDialog::OnCommand(id);
}

int SelectGamma(QWidget* owner, ZV_MG& gamma, ZvUserProc preview, ZvUserProc help, intptr_t user)
{
    ZvGammaDlg dlg(owner, gamma, preview, help, user);
    if (ZvLoadDialog("MONGAMMA", dlg) == 1)
        return 1;
    // However the dialog ended without OK (closed, never shown), the
    // incoming values are what the client keeps.
    dlg.Finish(false);
    return 0;
}
