#pragma once
#include "platform/graphics_device.h"

// A position and three angles turned into a view matrix (row vectors).
class Camera {
public:
    Camera();
    virtual ~Camera() = default;

    int SetPosition(float x, float y, float z);
    int SetRotation(float angleX, float angleY, float angleZ);
    int LookAt(float fromX, float fromY, float fromZ, float toX, float toY, float toZ);
    int UpdateView();
    const Matrix4* ViewMatrix();

    float x = 0, y = 0, z = 0;
    float angleX = 0, angleY = 0, angleZ = 0;
    Matrix4 view{};
    Matrix4 translation{};
    Matrix4 rotation{};
};
