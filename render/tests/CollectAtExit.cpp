// Render objects of a test live until a collection; one last collection
// after the tests returns their pixels, so that leak checks see only leaks.
#include "gc/QnObj.h"

#include <gtest/gtest.h>

namespace {

class CollectAtExit : public ::testing::Environment {
public:
    void TearDown() override { QnObj::CollectGarbage(QnObj::DF_DISCARD, -1); }
};

[[maybe_unused]] const auto* const kRegistered = ::testing::AddGlobalTestEnvironment(new CollectAtExit);

} // namespace
