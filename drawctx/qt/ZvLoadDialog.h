// The library's dialogs run from their templates: the layout is built in
// code around the template's control ids, and the caption and control texts
// come from the template found in the forced language (else the ordinary
// one).
#pragma once

#include "drawctx/ZvLibraryResources.h"
#include "framework/Dialog.h"

// F1 on a control with a help id, or a right click on one, pops up the
// control's topic from the library's help file.
class ZvTemplateDialog : public fw::Dialog {
public:
    explicit ZvTemplateDialog(QWidget* owner);

    // Caption (id 0) and the texts of the controls with those ids.
    void SetTexts(platform::DialogTexts texts) { texts_ = std::move(texts); }

    // Puts the template's texts on the controls, then shows the fields.
    bool OnInitDialog() override;

    // The library's help file: "Zvblt35.HLP" in the library's folder.
    static std::string HelpFile();

private:
    platform::DialogTexts texts_;
};

// Runs dialog modally with the texts of templateName, looked up in the
// language of resources and else without one; its result, or -1 when no
// such template exists.
int ZvLoadDialog(const char* templateName, ZvTemplateDialog& dialog,
                 const platform::LangResources& resources = ZvLibraryLangResources());
