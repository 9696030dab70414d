// Every help topic of OVARTG.8bf's dialogs has a page in the module's help.
#include "filters/frame/tests/HelpPagesWalk.h"

namespace {

class ArtHelpPages : public HelpPagesWalk {
protected:
    ArtHelpPages() : HelpPagesWalk("OVARTG", OVARTG_MODULE) {}
};

}  // namespace

TEST_F(ArtHelpPages, EveryTopicOfTheDialogsHasAPage)
{
    Walk({"ENTRYPOINT", "ENTRYPOINT1", "ENTRYPOINT2", "ENTRYPOINT3", "ENTRYPOINT4", "ENTRYPOINT5", "ENTRYPOINT6",
          "ENTRYPOINT7", "ENTRYPOINT8", "ENTRYPOINT9", "ENTRYPOINT10", "ENTRYPOINT11", "ENTRYPOINT12",
          "ENTRYPOINT13", "ENTRYPOINT14", "ENTRYPOINT15", "ENTRYPOINT16"});
    ExpectEveryTopicHasAPage("OVARTG");
}
