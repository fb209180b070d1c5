#include "shadow/Matrix.h"

#include "support/Errors.h"

namespace vok {

void InvertMatrix(TMatrix& m) {
    const double det = m.m11 * m.m22 - m.m21 * m.m12;
    if (det == 0) throw Exception("The determinant is zero");
    const double r = 1 / det;
    const TMatrix inverse{r * m.m22, -r * m.m12, -r * m.m21, r * m.m11};
    m = inverse;
}

TMatrix MultiplyMatrix(const TMatrix& p, const TMatrix& q) {
    return {p.m11 * q.m11 + p.m12 * q.m21, p.m11 * q.m12 + p.m12 * q.m22,
            p.m21 * q.m11 + p.m22 * q.m21, p.m21 * q.m12 + p.m22 * q.m22};
}

TMatrix MatrixFromPoints(TIntPoint s0, TIntPoint s1, TIntPoint s2, TIntPoint d0, TIntPoint d1, TIntPoint d2) {
    // Rows hold x and the upward y of the two edge vectors.
    TMatrix a{double(s1.x - s0.x), double(s2.x - s0.x), double(s0.y - s1.y), double(s0.y - s2.y)};
    const TMatrix b{double(d1.x - d0.x), double(d2.x - d0.x), double(d0.y - d1.y), double(d0.y - d2.y)};
    InvertMatrix(a);
    return MultiplyMatrix(a, b);
}

TMatrix ScaleMatrix(double sx, double sy) { return {sx, 0, 0, sy}; }

}  // namespace vok
