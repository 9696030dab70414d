#include "lang/ProgressIndicatorAuto.h"

QnProgressIndicatorAuto::QnProgressIndicatorAuto(QnProcessControl* control, int kind)
    : indicator_(control ? control->CreateProgressIndicator(kind) : nullptr)
{
}

QnProgressIndicatorAuto::~QnProgressIndicatorAuto()
{
    if (indicator_)
        indicator_->qn_delete();
}

int QnProgressIndicatorAuto::TestAbort() const { return indicator_ ? indicator_->TestAbort() : 0; }

int QnProgressIndicatorAuto::Show(int on) { return indicator_ ? indicator_->Show(on) : 0; }

void QnProgressIndicatorAuto::SetText(const char* text)
{
    if (indicator_)
        indicator_->SetText(text);
}

void QnProgressIndicatorAuto::SetProgress(uint32_t done, uint32_t total)
{
    if (indicator_)
        indicator_->SetProgress(done, total);
}
