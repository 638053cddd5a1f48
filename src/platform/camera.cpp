#include "platform/camera.h"

#include <cmath>

#include "platform/matrix4.h"

Camera::Camera() {
    SetPosition(0, 0, 0);
    SetRotation(0, 0, 0);
    UpdateView();
}

int Camera::SetPosition(float px, float py, float pz) {
    x = px;
    y = py;
    z = pz;
    translation = MatrixTranslation(-px, -py, -pz);
    return 1;
}

int Camera::SetRotation(float ax, float ay, float az) {
    angleX = ax;
    angleY = ay;
    angleZ = az;
    rotation = MatrixMultiply(MatrixMultiply(MatrixRotationZ(-az), MatrixRotationY(-ay)), MatrixRotationX(-ax));
    return 1;
}

int Camera::LookAt(float fromX, float fromY, float fromZ, float toX, float toY, float toZ) {
    SetPosition(fromX, fromY, fromZ);
    float dx = toX - fromX;
    float dz = toZ - fromZ;
    float yaw = std::atan2(dx, dz);
    float pitch = std::atan2(-(toY - fromY), std::sqrt(dz * dz + dx * dx));
    SetRotation(pitch, yaw, 0.0f);
    return 1;
}

int Camera::UpdateView() {
    view = MatrixMultiply(translation, rotation);
    return 1;
}

const Matrix4* Camera::ViewMatrix() {
    UpdateView();
    return &view;
}
