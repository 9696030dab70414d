#include "savers/SaverMain.h"

#include "base/QnRcStr.h"
#include "savers/CSaverApp.h"
#include "savers/SaverIds.h"

int SaverMain(const SaverProgram& program, std::shared_ptr<const QnStringSource> strings, int argc, char** argv)
{
    QnRcStr rcStr;
    rcStr.SetResourceModule(std::move(strings));
    CSaverApp app(program, platform::RegistryStore::User());
    app.SetResourceStrings(&rcStr);
    app.SetAppTitle(rcStr(IDS_DESCRIPTION));
    return fw::RunApp(app, argc, argv);
}
