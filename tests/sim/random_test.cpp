// Random(n) draws by a fixed algorithm, so the numbers a seed gives, and
// every golden hash built on them, do not change with the standard library.
#include <gtest/gtest.h>

#include <vector>

#include "sim/random.h"

TEST(Random, ASeedGivesTheReferenceNumbers)
{
    // From random_reference.py beside this file, which models mt19937_64
    // and the reduction independently: "random_reference.py 20261207 360
    // 256 2 1 7 1000000007 2147483647" and "random_reference.py 5489 360 360".
    SeedRandom(20261207);
    std::vector<int> Drawn;
    for (const int N : {360, 256, 2, 1, 7, 1000000007, 2147483647}) {
        Drawn.push_back(Random(N));
        EXPECT_EQ(Random(0), 0); // draws nothing
        EXPECT_EQ(Random(-5), 0);
    }
    EXPECT_EQ(Drawn, (std::vector<int>{61, 210, 0, 0, 6, 12914303, 486432115}));

    ResetRandom(); // the generator's default seed
    EXPECT_EQ(Random(360), 283);
    EXPECT_EQ(Random(360), 90);
}
