#pragma once
// 2 x 2 matrices for the shadow projection. A matrix maps (x, y) to
// (m11 x + m12 y, m21 x + m22 y).
namespace vok {

struct TMatrix {
    double m11 = 1;
    double m12 = 0;
    double m21 = 0;
    double m22 = 1;
};

struct TIntPoint {
    int x = 0;
    int y = 0;
};

// Raises Exception("The determinant is zero") for a singular matrix, leaving it unchanged.
void InvertMatrix(TMatrix& m);
// The product p * q.
TMatrix MultiplyMatrix(const TMatrix& p, const TMatrix& q);
// The matrix that takes the triangle s0 s1 s2 to d0 d1 d2. The points are given in
// picture coordinates (y down); the result works on upward coordinates (y up).
TMatrix MatrixFromPoints(TIntPoint s0, TIntPoint s1, TIntPoint s2, TIntPoint d0, TIntPoint d1, TIntPoint d2);
TMatrix ScaleMatrix(double sx, double sy);

}  // namespace vok
