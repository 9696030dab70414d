#include "editor/ui/LdStatusBar.h"

#include "editor/ui/PictureViewProbe.h"
#include "editor/ui/ProgramEnvironment.h"
#include "editor/helpdlg/SystemFont.h"
#include "editor/ui/UiStrings.h"
#include "framework/App.h"
#include "framework/ControlId.h"
#include "framework/EventGuard.h"
#include "framework/FrameWnd.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {

constexpr int kIconSize = 10;
constexpr int kIconPaneWidth = 20;
constexpr uint32_t kIconStyle = fw::StatusBar::SBPS_POPOUT | fw::StatusBar::SBPS_DISABLED;

// Icons keep the button face where their bitmaps are magenta.
QImage Transparent(QImage image)
{
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == 0xFF00FF)
                image.setPixel(x, y, 0);
    return image;
}

// The picture view at a screen point: the widget there or one it belongs to.
const CLdPictureViewProbe* ViewAt(const QPoint& screenPoint)
{
    for (QWidget* w = QApplication::widgetAt(screenPoint); w; w = w->parentWidget()) {
        if (auto* view = dynamic_cast<const CLdPictureViewProbe*>(w))
            return view;
        if (w->isWindow())
            break;
    }
    return nullptr;
}

}  // namespace

CLdStatusBar::CLdStatusBar(QWidget* parent) : fw::StatusBar(parent)
{
    fw::SetControlId(this, ID_STATUS_BAR);
}

bool CLdStatusBar::Create(QWidget* parent)
{
    if (parent && parentWidget() != parent)
        setParent(parent);
    static const std::vector<uint32_t> kIndicators = {0,      ID_INFO,  ID_IN,     ID_OUT,  ID_ACTUAL,
                                                      ID_FIT, ID_SCALE, ID_CURSOR, ID_COLOR};
    if (!SetIndicators(kIndicators))
        return false;
    const QFont paneFont = LdMakeFont(LdPointFont(80, "MS Sans Serif"));
    setFont(paneFont);
    charWidth_ = QFontMetrics(paneFont).averageCharWidth();
    for (int i = kFirstIcon; i <= kLastIcon; ++i) {
        SetPaneInfo(i, GetItemID(i), kIconStyle, kIconPaneWidth);
        if (auto image = LdLoadProgramBitmap(GetItemID(i)))
            icons_[i] = Transparent(*image);
    }
    SetPaneInfo(kScalePane, ID_SCALE, SBPS_NORMAL, 8 * charWidth_);
    SetPaneInfo(kCursorPane, ID_CURSOR, SBPS_NORMAL, 20 * charWidth_);
    SetPaneInfo(kColorPane, ID_COLOR, SBPS_NORMAL, 26 * charWidth_);
    show();
    return true;
}

uint32_t CLdStatusBar::PaneCommand(int index)
{
    switch (index) {
    case 1: return ID_VIEW_PROPERTIES;
    case 2: return ID_ZOOM_IN;
    case 3: return ID_ZOOM_OUT;
    case 4: return ID_ACTUAL_VIEW;
    case 5: return ID_FIT_IN_WINDOW;
    default: return 0;
    }
}

void CLdStatusBar::OnUpdateCmdUI(fw::CmdTarget*, bool)
{
    update();
    UpdateTexts(QCursor::pos());
}

void CLdStatusBar::UpdateTexts(const QPoint& screenPoint)
{
    std::optional<LdPictureSample> sample;
    if (const CLdPictureViewProbe* view = ViewAt(screenPoint))
        sample = LdSampleView(*view, screenPoint);
    texts_ = LdStatusTexts::For(sample);
    if (GetCount() <= kColorPane)
        return;
    SetPaneText(kScalePane, texts_.zoom);
    SetPaneText(kCursorPane, texts_.position);
    SetPaneText(kColorPane, texts_.colour);
}

void CLdStatusBar::DrawPane(QPainter& painter, int index, const QRect& rect)
{
    fw::StatusBar::DrawPane(painter, index, rect);
    if (index < kFirstIcon || index > kLastIcon || icons_[index].isNull())
        return;
    const int shift = index == pressed_ ? 1 : 0;
    painter.drawImage(QPoint(rect.left() + (rect.width() - kIconSize) / 2 + shift,
                             rect.top() + (rect.height() - kIconSize) / 2 + shift),
                      icons_[index]);
}

void CLdStatusBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && GetCount() > size_t(kLastIcon)) {
        for (int i = kFirstIcon; i <= kLastIcon; ++i) {
            if (!GetItemRect(i).contains(event->position().toPoint()))
                continue;
            pressed_ = i;
            SetPaneStyle(i, SBPS_DISABLED);  // drawn pressed in
            grabMouse();
            break;
        }
    }
    fw::StatusBar::mousePressEvent(event);
}

void CLdStatusBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (pressed_ >= 0) {
        const int index = pressed_;
        SetPaneStyle(index, kIconStyle);
        pressed_ = -1;
        releaseMouse();
        // Sent wherever the button comes up, as the bar always did.
        fw::GuardedCall([&] { SendToMainWindow(PaneCommand(index)); });
    }
    fw::StatusBar::mouseReleaseEvent(event);
}

void CLdStatusBar::SendToMainWindow(uint32_t command)
{
    fw::FrameWnd* frame = fw::App::Get() ? fw::App::Get()->GetMainWnd() : nullptr;
    if (!frame)
        frame = dynamic_cast<fw::FrameWnd*>(window());
    if (frame)
        frame->SendCommand(command);
}

bool CLdStatusBar::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        for (size_t i = 1; i < GetCount(); ++i) {
            if (GetItemRect(int(i)).contains(help->pos())) {
                QToolTip::showText(help->globalPos(), QString::fromStdString(LdUiString(int(GetItemID(int(i))))), this);
                return true;
            }
        }
        QToolTip::hideText();
        return true;
    }
    return fw::StatusBar::event(e);
}
