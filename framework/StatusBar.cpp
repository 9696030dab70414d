#include "framework/StatusBar.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include "framework/App.h"
#include "framework/CmdUI.h"
#include "framework/EventGuard.h"

namespace fw {
namespace {

constexpr int kGap = 2;      // between panes
constexpr int kBorder = 2;   // around a pane's text

// The update of one pane: enabled shows its text, SetText sets it.
class PaneCmdUI : public CmdUI {
public:
    PaneCmdUI(StatusBar& bar, int index) : CmdUI(bar.GetItemID(index)), bar_(bar), index_(index) {}
    void Enable(bool on) override
    {
        CmdUI::Enable(on);
        const uint32_t style = bar_.GetPaneStyle(index_);
        const uint32_t newStyle = on ? style & ~StatusBar::SBPS_DISABLED : style | StatusBar::SBPS_DISABLED;
        if (newStyle != style)
            bar_.SetPaneStyle(index_, newStyle);
    }
    void SetCheck(int state) override
    {
        CmdUI::SetCheck(state);
        const uint32_t style = bar_.GetPaneStyle(index_);
        bar_.SetPaneStyle(index_, state ? style | StatusBar::SBPS_POPOUT : style & ~StatusBar::SBPS_POPOUT);
    }
    void SetText(const std::string& text) override
    {
        CmdUI::SetText(text);
        bar_.SetPaneText(index_, text);
    }

private:
    StatusBar& bar_;
    int index_;
};

}  // namespace

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
}

bool StatusBar::SetIndicators(const std::vector<uint32_t>& ids)
{
    panes_.clear();
    App* app = App::Get();
    const QFontMetrics metrics(font());
    for (uint32_t id : ids) {
        Pane pane;
        pane.id = id;
        if (id == 0) {
            pane.style = SBPS_NOBORDERS | SBPS_STRETCH;
        } else {
            pane.text = app ? app->LoadString(static_cast<int>(id)) : std::string();
            if (auto nl = pane.text.find('\n'); nl != std::string::npos)
                pane.text.resize(nl);
            pane.width = metrics.horizontalAdvance(QString::fromStdString(pane.text));
        }
        panes_.push_back(pane);
    }
    update();
    return true;
}

int StatusBar::CommandToIndex(uint32_t id) const
{
    for (size_t i = 0; i < panes_.size(); ++i)
        if (panes_[i].id == id)
            return static_cast<int>(i);
    return -1;
}

uint32_t StatusBar::GetItemID(int index) const
{
    return index >= 0 && static_cast<size_t>(index) < panes_.size() ? panes_[index].id : 0;
}

QRect StatusBar::GetItemRect(int index) const
{
    if (index < 0 || static_cast<size_t>(index) >= panes_.size())
        return {};
    // Fixed panes keep their widths; stretching panes share what is left.
    int fixed = kGap;
    int stretching = 0;
    for (const Pane& p : panes_) {
        if (p.style & SBPS_STRETCH)
            ++stretching;
        else
            fixed += p.width + 2 * kBorder;
        fixed += kGap;
    }
    const int spare = std::max(0, width() - fixed);
    int x = kGap;
    for (size_t i = 0; i < panes_.size(); ++i) {
        const Pane& p = panes_[i];
        const int w = (p.style & SBPS_STRETCH) ? spare / std::max(1, stretching) : p.width + 2 * kBorder;
        if (static_cast<int>(i) == index)
            return QRect(x, 1, w, std::max(0, height() - 2));
        x += w + kGap;
    }
    return {};
}

void StatusBar::GetPaneInfo(int index, uint32_t& id, uint32_t& style, int& width) const
{
    if (index < 0 || static_cast<size_t>(index) >= panes_.size())
        return;
    id = panes_[index].id;
    style = panes_[index].style;
    width = panes_[index].width;
}

void StatusBar::SetPaneInfo(int index, uint32_t id, uint32_t style, int width)
{
    if (index < 0 || static_cast<size_t>(index) >= panes_.size())
        return;
    panes_[index].id = id;
    panes_[index].style = style;
    panes_[index].width = width;
    update();
}

uint32_t StatusBar::GetPaneStyle(int index) const
{
    return index >= 0 && static_cast<size_t>(index) < panes_.size() ? panes_[index].style : 0;
}

void StatusBar::SetPaneStyle(int index, uint32_t style)
{
    if (index < 0 || static_cast<size_t>(index) >= panes_.size())
        return;
    panes_[index].style = style;
    update(GetItemRect(index));
}

std::string StatusBar::GetPaneText(int index) const
{
    return index >= 0 && static_cast<size_t>(index) < panes_.size() ? panes_[index].text : std::string();
}

bool StatusBar::SetPaneText(int index, const std::string& text, bool repaint)
{
    if (index < 0 || static_cast<size_t>(index) >= panes_.size())
        return false;
    if (panes_[index].text == text)
        return true;
    panes_[index].text = text;
    if (repaint)
        this->repaint(GetItemRect(index));
    else
        update(GetItemRect(index));
    return true;
}

int StatusBar::AverageCharWidth() const
{
    return QFontMetrics(font()).averageCharWidth();
}

void StatusBar::OnUpdateCmdUI(CmdTarget* target, bool disableIfNoHandler)
{
    for (size_t i = 0; i < panes_.size(); ++i) {
        if (panes_[i].id == 0)
            continue;
        PaneCmdUI ui(*this, static_cast<int>(i));
        ui.DoUpdate(target, disableIfNoHandler);
    }
}

QSize StatusBar::sizeHint() const
{
    return QSize(QStatusBar::sizeHint().width(), QFontMetrics(font()).height() + 2 * kBorder + 4);
}

void StatusBar::paintEvent(QPaintEvent*)
{
    GuardedCall([&] {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        for (size_t i = 0; i < panes_.size(); ++i)
            DrawPane(painter, static_cast<int>(i), GetItemRect(static_cast<int>(i)));
    });
}

void StatusBar::DrawPane(QPainter& painter, int index, const QRect& r)
{
    const Pane& p = panes_[index];
    if (!(p.style & SBPS_NOBORDERS)) {
        QStyleOptionFrame frame;
        frame.initFrom(this);
        frame.rect = r;
        frame.lineWidth = 1;
        frame.state |= (p.style & SBPS_POPOUT) ? QStyle::State_Raised : QStyle::State_Sunken;
        style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
    }
    if (p.style & SBPS_DISABLED)
        return;
    painter.setPen(palette().windowText().color());
    painter.drawText(r.adjusted(kBorder, 0, -kBorder, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                     QString::fromStdString(p.text));
}

}  // namespace fw
