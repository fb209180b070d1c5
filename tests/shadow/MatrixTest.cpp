#include <gtest/gtest.h>

#include "shadow/Matrix.h"
#include "shadow/ShadowGenerator.h"
#include "support/Errors.h"

namespace vok {
namespace {

TEST(Matrix, InvertAndMultiplyGiveIdentity) {
    const TMatrix m{2, 1, 7, 4};
    TMatrix inv = m;
    InvertMatrix(inv);
    EXPECT_DOUBLE_EQ(inv.m11, 4);
    EXPECT_DOUBLE_EQ(inv.m12, -1);
    EXPECT_DOUBLE_EQ(inv.m21, -7);
    EXPECT_DOUBLE_EQ(inv.m22, 2);
    const TMatrix p = MultiplyMatrix(m, inv);
    EXPECT_DOUBLE_EQ(p.m11, 1);
    EXPECT_DOUBLE_EQ(p.m12, 0);
    EXPECT_DOUBLE_EQ(p.m21, 0);
    EXPECT_DOUBLE_EQ(p.m22, 1);
}

TEST(Matrix, ProductIsNotCommuted) {
    const TMatrix p = MultiplyMatrix({1, 2, 3, 4}, {5, 6, 7, 8});
    EXPECT_DOUBLE_EQ(p.m11, 19);
    EXPECT_DOUBLE_EQ(p.m12, 22);
    EXPECT_DOUBLE_EQ(p.m21, 43);
    EXPECT_DOUBLE_EQ(p.m22, 50);
}

TEST(Matrix, SingularMatrixFailsAndStaysUnchanged) {
    TMatrix m{1, 2, 2, 4};
    try {
        InvertMatrix(m);
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "The determinant is zero");
    }
    EXPECT_EQ(m.m12, 2);
    EXPECT_EQ(m.m22, 4);
    EXPECT_THROW(MatrixFromPoints({0, 0}, {5, 5}, {10, 10}, {0, 0}, {1, 0}, {0, 1}), Exception);
}

TEST(Matrix, ShadowMatrices) {
    const TMatrix slanted = ShadowMatrix(ShadowKind::Slanted);
    EXPECT_DOUBLE_EQ(slanted.m11, 1);
    EXPECT_DOUBLE_EQ(slanted.m12, -0.44);
    EXPECT_DOUBLE_EQ(slanted.m21, 0);
    EXPECT_DOUBLE_EQ(slanted.m22, 0.62);
    const TMatrix creature = ShadowMatrix(ShadowKind::Creature);
    EXPECT_DOUBLE_EQ(creature.m11, 1);
    EXPECT_DOUBLE_EQ(creature.m12, 0);
    EXPECT_DOUBLE_EQ(creature.m22, 1.0 / 3);
}

TEST(Matrix, FromPointsUsesUpwardCoordinates) {
    // Picture points moved by a translation and a flip of the y direction.
    const TMatrix m = MatrixFromPoints({10, 10}, {20, 10}, {10, 30}, {0, 0}, {10, 0}, {0, -20});
    EXPECT_DOUBLE_EQ(m.m11, 1);
    EXPECT_DOUBLE_EQ(m.m12, 0);
    EXPECT_DOUBLE_EQ(m.m21, 0);
    EXPECT_DOUBLE_EQ(m.m22, -1);
}

}  // namespace
}  // namespace vok
