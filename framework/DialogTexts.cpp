#include "framework/DialogTexts.h"

#include "framework/ControlId.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

namespace fw {

void ApplyDialogTexts(QWidget* dialog, const platform::DialogTexts& texts)
{
    for (const auto& [id, text] : texts) {
        const QString t = QString::fromUtf8(text.c_str());
        if (id == 0) {
            dialog->setWindowTitle(t);
            continue;
        }
        QWidget* control = FindControl(dialog, id);
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            button->setText(t);
        else if (auto* label = qobject_cast<QLabel*>(control))
            label->setText(t);
        else if (auto* group = qobject_cast<QGroupBox*>(control))
            group->setTitle(t);
    }
}

} // namespace fw
