#pragma once
#include "platform/graphics_device.h"

// 4 x 4 helpers in the row-vector convention the game's transforms use:
// a point p becomes p x M, and A x B applies A first.
Matrix4 MatrixIdentity();
Matrix4 MatrixMultiply(const Matrix4& a, const Matrix4& b);
Matrix4 MatrixTranslation(float x, float y, float z);
Matrix4 MatrixScaling(float x, float y, float z);
Matrix4 MatrixRotationX(float angle);
Matrix4 MatrixRotationY(float angle);
Matrix4 MatrixRotationZ(float angle);
// Rotation by yaw (about y), then pitch (about x), then roll (about z).
Matrix4 MatrixRotationYawPitchRoll(float yaw, float pitch, float roll);
// Left-handed perspective; aspect is the horizontal scale relative to the vertical one.
Matrix4 MatrixPerspective(float fieldOfView, float aspect, float nearZ, float farZ);

struct Vector4 {
    float x, y, z, w;
};
Vector4 TransformPoint(float x, float y, float z, const Matrix4& m);
