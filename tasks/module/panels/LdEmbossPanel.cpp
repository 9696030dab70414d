#include "tasks/module/panels/LdEmbossPanel.h"

#include "framework/ColorDialog.h"
#include "framework/ControlId.h"
#include "framework/DataExchange.h"
#include "framework/EventGuard.h"
#include "tasks/module/panels/LdDialogUnits.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include <cstdio>

CLdEmbossPanel::CLdEmbossPanel(QWidget* parent) : CLdIntParamPanel(parent) {}

void CLdEmbossPanel::Bind(const CLdIntParam& angle, const CLdColParam& colour, const std::string& caption)
{
    CLdIntParamPanel::Bind(angle, caption);
    color = colour;
}

void CLdEmbossPanel::CreateControls()
{
    CreateValueControls();
    auto* text = new QLabel("Name&C", this);
    fw::SetControlId(text, IDC_COLOR_TEXT);
    text->setGeometry(LdDluRect(106, 2, 113, 9));
    setFixedSize(LdDluX(223), LdDluY(26));
}

QRect CLdEmbossPanel::SwatchRect() const { return LdDluRect(106, 12, 113, 12); }

void CLdEmbossPanel::FormatColor()
{
    const platform::COLORREF c = color.GetValue();
    char text[64];
    std::snprintf(text, sizeof text, "R=%i, G=%i, B=%i", int(fw::RedOf(c)), int(fw::GreenOf(c)),
                  int(fw::BlueOf(c)));
    colorText = text;
}

bool CLdEmbossPanel::OnInitDialog()
{
    FormatColor();
    return CLdIntParamPanel::OnInitDialog();
}

void CLdEmbossPanel::DoDataExchange(fw::DataExchange& dx)
{
    CLdIntParamPanel::DoDataExchange(dx);
    fw::DDX_Text(dx, IDC_COLOR_TEXT, colorText);
}

bool CLdEmbossPanel::OnButtonReleased(const QPoint& point)
{
    if (!SwatchRect().contains(point))
        return false;
    if (const std::optional<fw::ColorRef> chosen = fw::RunColorDialog(color.GetValue(), this)) {
        color.SetValue(*chosen);
        FormatColor();
        update();
        UpdateData(false);
    }
    return true;
}

void CLdEmbossPanel::paintEvent(QPaintEvent* event)
{
    CLdIntParamPanel::paintEvent(event);
    QPainter painter(this);
    QStyleOptionFrame edge;
    edge.initFrom(this);
    edge.rect = SwatchRect();
    edge.lineWidth = 2;
    edge.state |= QStyle::State_Sunken;
    style()->drawPrimitive(QStyle::PE_Frame, &edge, &painter, this);
    const platform::COLORREF c = color.GetValue();
    painter.fillRect(SwatchRect().adjusted(3, 3, -3, -3), QColor(fw::RedOf(c), fw::GreenOf(c), fw::BlueOf(c)));
}

void CLdEmbossPanel::mouseReleaseEvent(QMouseEvent* event)
{
    bool handled = false;
    if (event->button() == Qt::LeftButton)
        fw::GuardedCall([&] { handled = OnButtonReleased(event->position().toPoint()); });
    if (!handled)
        CLdIntParamPanel::mouseReleaseEvent(event);
}
