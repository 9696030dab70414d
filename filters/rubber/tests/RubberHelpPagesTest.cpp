// Every help topic of rubber.8bf's dialogs has a page in the module's help.
#include "filters/frame/tests/HelpPagesWalk.h"

using RubberHelpPages = HelpPagesWalk;

TEST_F(RubberHelpPages, EveryTopicOfTheDialogsHasAPage)
{
    Walk(RUBBER_MODULE, Entries(false, 14));
    ExpectEveryTopicHasAPage("rubber");
}
