// A few hundred random command sequences undone step by step (the benchmark
// runs many more).
#include "UndoModel.h"

#include <gtest/gtest.h>

TEST(UndoModelTest, RandomCommandSequencesAreUndoneExactly) {
    const std::string path = testing::TempDir() + "corvix-undo-model.log";
    for (unsigned seed = 1; seed <= 300; ++seed) {
        std::string failure = RunUndoSequence(seed, path);
        ASSERT_EQ(failure, "") << "seed " << seed;
    }
}
