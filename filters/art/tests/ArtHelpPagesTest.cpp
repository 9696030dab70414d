// Every help topic of OVARTG.8bf's dialogs has a page in the module's help.
#include "filters/frame/tests/HelpPagesWalk.h"

using ArtHelpPages = HelpPagesWalk;

TEST_F(ArtHelpPages, EveryTopicOfTheDialogsHasAPage)
{
    Walk(OVARTG_MODULE, Entries(true, 16));
    ExpectEveryTopicHasAPage("OVARTG");
}
