#include "drawctx/qt/ZvLoadDialog.h"

#include "framework/ControlId.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

void ZvTemplateDialog::ApplyTexts(const ZvDialogTexts& texts)
{
    for (const auto& [id, text] : texts) {
        const QString t = QString::fromUtf8(text.c_str());
        if (id == 0) {
            setWindowTitle(t);
            continue;
        }
        QWidget* control = fw::FindControl(this, id);
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            button->setText(t);
        else if (auto* label = qobject_cast<QLabel*>(control))
            label->setText(t);
        else if (auto* group = qobject_cast<QGroupBox*>(control))
            group->setTitle(t);
    }
}

bool ZvTemplateDialog::OnInitDialog()
{
    ApplyTexts(texts_);
    return fw::Dialog::OnInitDialog();
}

int ZvLoadDialog(const char* templateName, ZvTemplateDialog& dialog, const ZvLangResources& resources)
{
    const auto bytes = resources.FindResource(templateName, platform::ResourceType::Dialog);
    if (!bytes)
        return -1;
    dialog.SetTexts(ZvParseDialogTexts(*bytes));
    return dialog.DoModal();
}
