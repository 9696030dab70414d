// The paint tests read the brush shapes from their own resources, as the
// program reads them from its.
#include <gtest/gtest.h>

#include "editor/ui/ProgramEnvironment.h"
#include "platform/OwnResources.h"

int main(int argc, char** argv)
{
    LdSetProgramResources(platform::OwnResources());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
