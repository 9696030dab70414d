#include "tasks/module/panels/LdBrushFramesPanel.h"

#include "editor/loadable/ToolParams.h"
#include "framework/ControlId.h"
#include "framework/EventGuard.h"
#include "tasks/module/LdBitmapMenu.h"
#include "tasks/module/panels/LdEditorResources.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <functional>

namespace {

// A sunken frame that shows one picture cell inside it. Clicks pass through
// to the panel, which tells the frames apart.
class CellFrame : public QFrame {
public:
    using PaintCell = std::function<void(QPainter&, const QRect&)>;

    CellFrame(QWidget* parent, PaintCell paintCell) : QFrame(parent), paintCell_(std::move(paintCell))
    {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        // 35 x 31 dialog units.
        setFixedSize(53, 50);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QFrame::paintEvent(event);
        QPainter painter(this);
        paintCell_(painter, rect().adjusted(2, 2, -2, -2));
    }

private:
    PaintCell paintCell_;
};

// The context-help id of a field's frame.
uint32_t FrameHelpId(LdBrushField field)
{
    switch (field) {
    case LdBrushField::Shape:
        return 72;
    case LdBrushField::Size:
        return 73;
    case LdBrushField::Smooth:
        return 74;
    case LdBrushField::Type:
        return 221;
    }
    return 0;
}

const char* Caption(LdBrushField field)
{
    switch (field) {
    case LdBrushField::Shape:
        return "S&hape:";
    case LdBrushField::Size:
        return "S&ize:";
    case LdBrushField::Smooth:
        return "S&mooth:";
    case LdBrushField::Type:
        return "Type:";
    }
    return "";
}

}  // namespace

CLdBrushFramesPanel::CLdBrushFramesPanel(std::vector<LdBrushField> fields, QSize size, uint32_t helpId,
                                         QWidget* parent)
    : CLdOptionsPanel(parent), panelHelpId_(helpId)
{
    for (LdBrushField field : fields)
        frames_.push_back({field, QImage(), 0, nullptr});
    setFixedSize(size);
}

void CLdBrushFramesPanel::CreateControls()
{
    // The captions sit above their frames, so that the row of frames leaves
    // the panel's width to what follows it.
    grid_ = new QGridLayout(this);
    grid_->setContentsMargins(6, 3, 6, 3);
    grid_->setHorizontalSpacing(10);
    grid_->setVerticalSpacing(2);
    int column = 0;
    for (Frame& frame : frames_) {
        auto* label = new QLabel(Caption(frame.field), this);
        frame.widget = new CellFrame(this, [this, &frame](QPainter& painter, const QRect& rect) {
            PaintCell(frame, painter, rect);
        });
        fw::SetControlId(frame.widget, FrameId(frame.field));
        label->setBuddy(frame.widget);
        grid_->addWidget(label, 0, column, Qt::AlignLeft | Qt::AlignBottom);
        grid_->addWidget(frame.widget, 1, column, Qt::AlignLeft | Qt::AlignTop);
        ++column;
    }
    // Whatever width is left stays right of the frames.
    grid_->setColumnStretch(column, 1);
}

void CLdBrushFramesPanel::AddBesideFrames(QWidget* control)
{
    grid_->addWidget(control, 1, int(frames_.size()));
}

bool CLdBrushFramesPanel::OnInitDialog()
{
    fw::SetHelpId(this, panelHelpId_);
    for (Frame& frame : frames_) {
        fw::SetHelpId(frame.widget, FrameHelpId(frame.field));
        frame.strip = LdLoadEditorBitmap(LdBrushStripOf(frame.field).bitmapId);
        frame.cellSize = frame.strip.width();
    }
    return CLdOptionsPanel::OnInitDialog();
}

void CLdBrushFramesPanel::PaintCell(const Frame& frame, QPainter& painter, const QRect& rect) const
{
    if (!params_ || frame.strip.isNull())
        return;
    const int index = LdBrushValueIndex(*params_, frame.field);
    painter.drawImage(rect, frame.strip, QRect(0, index * frame.cellSize, frame.cellSize, frame.cellSize));
}

void CLdBrushFramesPanel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        for (const Frame& frame : frames_) {
            if (!frame.widget->geometry().contains(event->position().toPoint()))
                continue;
            const QPoint at = event->globalPosition().toPoint();
            fw::GuardedCall([&] {
                CLdBitmapMenu menu(this);
                if (menu.Create(frame.strip, FirstChoiceId(frame.field), LdBrushStripOf(frame.field).count))
                    if (const uint32_t id = menu.Track(at, true))
                        OnCommand(id);
            });
            return;
        }
    }
    CLdOptionsPanel::mousePressEvent(event);
}

void CLdBrushFramesPanel::OnCommand(uint32_t id)
{
    for (const Frame& frame : frames_) {
        const uint32_t first = FirstChoiceId(frame.field);
        const int count = LdBrushStripOf(frame.field).count;
        if (id < first || id >= first + uint32_t(count))
            continue;
        const int index = int(id - first);
        if (params_)
            LdSetBrushValueIndex(*params_, frame.field, index);
        OnValueChosen(frame.field, index);
        UpdateData(false);
        for (const Frame& shown : frames_)
            shown.widget->update();
        return;
    }
    CLdOptionsPanel::OnCommand(id);
}
