#include "frontend_test_support.h"

namespace frontend_test {

Mouse::Mouse() {
    system_.Create(nullptr, nullptr);
    device_.Create(&system_, InputDevice::kMouse, 0);
}

InputDevice* Mouse::Poll() {
    device_.Poll();
    return &device_;
}

void Canvas::Begin() {
    graphics_.BeginScene();
    graphics_.Clear(0, 1.0f);
}

Image Canvas::Shot() {
    graphics_.EndScene();
    return ReadBack();
}

Image Crop(const Image& image, int x, int y, int width, int height) {
    Image out;
    out.Resize(width, height);
    for (int row = 0; row < height; ++row)
        for (int col = 0; col < width; ++col) out.At(col, row) = image.At(x + col, y + row);
    return out;
}

}  // namespace frontend_test
