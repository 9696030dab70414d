// Every help topic of rubber.8bf's dialogs has a page in the module's help.
#include "filters/frame/tests/HelpPagesWalk.h"

namespace {

class RubberHelpPages : public HelpPagesWalk {
protected:
    RubberHelpPages() : HelpPagesWalk("rubber", RUBBER_MODULE) {}
};

}  // namespace

TEST_F(RubberHelpPages, EveryTopicOfTheDialogsHasAPage)
{
    Walk({"ENTRYPOINT1", "ENTRYPOINT2", "ENTRYPOINT3", "ENTRYPOINT4", "ENTRYPOINT5", "ENTRYPOINT6", "ENTRYPOINT7",
          "ENTRYPOINT8", "ENTRYPOINT9", "ENTRYPOINT10", "ENTRYPOINT11", "ENTRYPOINT12", "ENTRYPOINT13",
          "ENTRYPOINT14"});
    ExpectEveryTopicHasAPage("rubber");
}
