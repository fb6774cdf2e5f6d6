// The suite runs in one process, in any order: every test starts from the
// program's state as before start-up.
#include <gtest/gtest.h>

#include "app/application.h"

namespace {

class TFreshState : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { ResetProgramState(); }
};

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new TFreshState);
    return RUN_ALL_TESTS();
}
