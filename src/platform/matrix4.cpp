#include "platform/matrix4.h"

#include <cmath>

Matrix4 MatrixIdentity() {
    Matrix4 m{};
    for (int i = 0; i < 4; ++i) m.m[i][i] = 1.0f;
    return m;
}

Matrix4 MatrixMultiply(const Matrix4& a, const Matrix4& b) {
    Matrix4 r{};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) sum += a.m[i][k] * b.m[k][j];
            r.m[i][j] = sum;
        }
    return r;
}

Matrix4 MatrixTranslation(float x, float y, float z) {
    Matrix4 m = MatrixIdentity();
    m.m[3][0] = x;
    m.m[3][1] = y;
    m.m[3][2] = z;
    return m;
}

Matrix4 MatrixScaling(float x, float y, float z) {
    Matrix4 m{};
    m.m[0][0] = x;
    m.m[1][1] = y;
    m.m[2][2] = z;
    m.m[3][3] = 1.0f;
    return m;
}

Matrix4 MatrixRotationX(float angle) {
    Matrix4 m = MatrixIdentity();
    float c = std::cos(angle), s = std::sin(angle);
    m.m[1][1] = c;
    m.m[1][2] = s;
    m.m[2][1] = -s;
    m.m[2][2] = c;
    return m;
}

Matrix4 MatrixRotationY(float angle) {
    Matrix4 m = MatrixIdentity();
    float c = std::cos(angle), s = std::sin(angle);
    m.m[0][0] = c;
    m.m[0][2] = -s;
    m.m[2][0] = s;
    m.m[2][2] = c;
    return m;
}

Matrix4 MatrixRotationZ(float angle) {
    Matrix4 m = MatrixIdentity();
    float c = std::cos(angle), s = std::sin(angle);
    m.m[0][0] = c;
    m.m[0][1] = s;
    m.m[1][0] = -s;
    m.m[1][1] = c;
    return m;
}

Matrix4 MatrixRotationYawPitchRoll(float yaw, float pitch, float roll) {
    return MatrixMultiply(MatrixMultiply(MatrixRotationZ(roll), MatrixRotationX(pitch)), MatrixRotationY(yaw));
}

Matrix4 MatrixPerspective(float fieldOfView, float aspect, float nearZ, float farZ) {
    float c = std::cos(fieldOfView / 2) / std::sin(fieldOfView / 2);
    Matrix4 m{};
    m.m[0][0] = aspect * c;
    m.m[1][1] = c;
    m.m[2][2] = farZ / (farZ - nearZ);
    m.m[2][3] = 1.0f;
    m.m[3][2] = -nearZ * farZ / (farZ - nearZ);
    return m;
}

Vector4 TransformPoint(float x, float y, float z, const Matrix4& m) {
    return {x * m.m[0][0] + y * m.m[1][0] + z * m.m[2][0] + m.m[3][0],
            x * m.m[0][1] + y * m.m[1][1] + z * m.m[2][1] + m.m[3][1],
            x * m.m[0][2] + y * m.m[1][2] + z * m.m[2][2] + m.m[3][2],
            x * m.m[0][3] + y * m.m[1][3] + z * m.m[2][3] + m.m[3][3]};
}
