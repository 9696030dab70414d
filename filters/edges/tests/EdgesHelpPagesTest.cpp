// Every help topic of the "Edge style" dialog and its controls has a page
// in the module's help.
#include "filters/frame/tests/HelpPagesWalk.h"

using EdgesHelpPages = HelpPagesWalk;

TEST_F(EdgesHelpPages, EveryTopicOfTheDialogsHasAPage)
{
    Walk(EDGES_MODULE, Entries(false, 1));
    ExpectEveryTopicHasAPage("edges");
}
