#include "filters/frame/FrameUi.h"

#include "filters/frame/AboutDialog.h"
#include "filters/frame/FilterModuleInfo.h"
#include "filters/frame/HostSelectDialog.h"
#include "framework/MessageBox.h"

#include <QApplication>

bool FrameGuiAvailable() { return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr; }

void ShowHostChangedMessage()
{
    if (!FrameGuiAvailable())
        return;
    fw::MessageBox(QApplication::activeWindow(), "Host application was changed!",
                   FilterModuleDescription().messageCaption, fw::MB_OK | fw::MB_ICONEXCLAMATION);
}

bool AskForHost(uint32_t hostSig, int32_t& hostNumber)
{
    if (!FrameGuiAvailable())
        return false;
    HostSelectDialog dialog(hostSig, hostNumber);
    if (dialog.DoModal() != fw::IDOK)
        return false;
    hostNumber = dialog.hostNumber;
    return true;
}

void ShowAbout()
{
    if (!FrameGuiAvailable())
        return;
    AboutDialog dialog(FilterModuleDescription());
    dialog.DoModal();
}
