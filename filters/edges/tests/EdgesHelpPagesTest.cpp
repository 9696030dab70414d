// Every help topic of the "Edge style" dialog and its controls has a page
// in the module's help.
#include "filters/frame/tests/HelpPagesWalk.h"

namespace {

class EdgesHelpPages : public HelpPagesWalk {
protected:
    EdgesHelpPages() : HelpPagesWalk("edges", EDGES_MODULE) {}
};

}  // namespace

TEST_F(EdgesHelpPages, EveryTopicOfTheDialogsHasAPage)
{
    Walk({"ENTRYPOINT1"});
    ExpectEveryTopicHasAPage("edges");
}
