#include <gtest/gtest.h>
#include "tablebases/tablebases.h"

TEST(Skeleton, NoTablebasesBeforeInitialisation) { EXPECT_EQ(TablebasePieces, 0); }
