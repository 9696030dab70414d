#include "editor/ui/EvalControl.h"

#include "editor/ui/CursorProgInd.h"
#include "editor/ui/ProgressIndicator.h"
#include "framework/App.h"

#include <QWidget>

EvalControl theEvalControl(true);
EvalControl theModalEvalControl(false);
CursorEvalControl theCursorEvalControl;

namespace {

QWidget* MainWindow()
{
    fw::App* app = fw::App::Get();
    return app ? app->GetMainWidget() : nullptr;
}

}  // namespace

QnProgressIndicator* EvalControl::CreateProgressIndicator(int kind)
{
    if (kind == 0)
        return new ProgInd(cancellable_);
    return new CursorProgInd;
}

QnProgressIndicator* CursorEvalControl::CreateProgressIndicator(int)
{
    return new CursorProgInd;
}

EvalControl::ProgInd::~ProgInd()
{
    Show(0);
}

int EvalControl::ProgInd::TestAbort() const
{
    return dialog_ && dialog_->cancelled ? 1 : 0;
}

int EvalControl::ProgInd::Show(int on)
{
    const bool shown = dialog_ != nullptr;
    QWidget* main = MainWindow();
    if (shown && !on) {
        if (main) {
            main->setEnabled(true);
            main->activateWindow();
            main->setFocus();
        }
        delete dialog_;
        dialog_ = nullptr;
    } else if (!shown && on) {
        if (main)
            main->setEnabled(false);
        dialog_ = new ProgressIndicator(cancellable_);
        dialog_->Create(main);
        dialog_->SetText(QString::fromStdString(text_));
    }
    return shown ? 1 : 0;
}

void EvalControl::ProgInd::SetText(const char* text)
{
    text_ = text ? text : "";
    if (dialog_)
        dialog_->SetText(QString::fromStdString(text_));
}

void EvalControl::ProgInd::SetProgress(uint32_t done, uint32_t total)
{
    if (dialog_)
        dialog_->SetProgress(done, total);
}
