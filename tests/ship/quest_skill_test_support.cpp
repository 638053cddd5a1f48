#include "quest_skill_test_support.h"

namespace quest_skill_test {

Mouse::Mouse() {
    system_.Create(nullptr, nullptr);
    device_.Create(&system_, InputDevice::kMouse, 0);
}

InputDevice* Mouse::Poll() {
    device_.Poll();
    return &device_;
}

}  // namespace quest_skill_test
