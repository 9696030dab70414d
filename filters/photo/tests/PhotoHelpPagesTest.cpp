// Every help topic of Fxrun.8bf's dialogs (the dialogs' own, the pop-ups
// of their controls) has a page in the module's help.
#include "filters/frame/tests/HelpPagesWalk.h"

using PhotoHelpPages = HelpPagesWalk;

TEST_F(PhotoHelpPages, EveryTopicOfTheDialogsHasAPage)
{
    Walk(FXRUN_MODULE, Entries(true, 7));
    ExpectEveryTopicHasAPage("telvy11");
}
