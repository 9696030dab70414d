// Every help topic of Fxrun.8bf's dialogs (the dialogs' own, the pop-ups
// of their controls) has a page in the module's help.
#include "filters/frame/tests/HelpPagesWalk.h"

namespace {

class PhotoHelpPages : public HelpPagesWalk {
protected:
    PhotoHelpPages() : HelpPagesWalk("Fxrun", FXRUN_MODULE) {}
};

}  // namespace

TEST_F(PhotoHelpPages, EveryTopicOfTheDialogsHasAPage)
{
    Walk({"ENTRYPOINT", "ENTRYPOINT1", "ENTRYPOINT2", "ENTRYPOINT3", "ENTRYPOINT4", "ENTRYPOINT5", "ENTRYPOINT6",
          "ENTRYPOINT7"});
    ExpectEveryTopicHasAPage("telvy11");
}
