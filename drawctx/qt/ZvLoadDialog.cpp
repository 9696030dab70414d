#include "drawctx/qt/ZvLoadDialog.h"

#include "framework/DialogTexts.h"

bool ZvTemplateDialog::OnInitDialog()
{
    fw::ApplyDialogTexts(this, texts_);
    return fw::Dialog::OnInitDialog();
}

int ZvLoadDialog(const char* templateName, ZvTemplateDialog& dialog, const platform::LangResources& resources)
{
    const auto bytes = resources.FindResource(templateName, platform::ResourceType::Dialog);
    if (!bytes)
        return -1;
    dialog.SetTexts(platform::ParseDialogTexts(*bytes));
    return dialog.DoModal();
}
