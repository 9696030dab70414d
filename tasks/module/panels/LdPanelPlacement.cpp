#include "tasks/module/panels/LdPanelPlacement.h"

#include "tasks/module/panels/LdOptionsPanel.h"

#include <QPoint>

QWidget* LdPlacePanel(std::unique_ptr<CLdOptionsPanel> panel, QWidget* parent, const QPoint* at)
{
    // A child widget, not a dialog window: it lives inside the bar.
    CLdOptionsPanel* placed = panel.release();
    placed->setParent(parent, Qt::Widget);
    placed->Create(parent);
    placed->adjustSize();
    if (at)
        placed->move(*at);
    placed->show();
    return placed;
}
