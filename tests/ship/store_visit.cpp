#include "store_visit.h"

#include <algorithm>

namespace store_test {

namespace {

constexpr uint32_t kFrameMs = 16;
constexpr uint8_t kLeaveKeys[] = {kBackspace, kEsc};

}  // namespace

At StockItem(const StoreScreen& s, int slot) { return {s.stock.x[slot] + 10, s.stock.y[slot] + 10}; }
At Tab(int itemClass) { return {80 + 160 * itemClass, 30}; }
At BarButton(int k) { return {296 + 58 * k, 551}; }
At HoldCell(int cell) { return {350 + 60 * (cell % 3), 170 + 60 * (cell / 3)}; }
At StepButton(int row, int column) {
    const int step = 5 * (row - 1) + column;
    return {StoreScreen::StepButtonX(step) + 10, StoreScreen::StepButtonY(step) + 10};
}
At MaterialChoice(int m) { return {(m == 0 ? 188 : m == 1 ? 318 : 461) + 60, 320}; }

StoreVisit::StoreVisit(uint32_t seed, const std::function<void(GameState&)>& edit)
    : record(std::make_unique<GameState>()), screen(std::make_unique<StoreScreen>()) {
    Clock::Install(&clock_);
    system_.Create(nullptr, nullptr);
    mouse_.Create(&system_, InputDevice::kMouse, 0);
    keyboard_.Create(&system_, InputDevice::kKeyboard, 0);
    record->NewGame();
    record->restockFlag = 1;  // set by the shop row of a travel menu
    if (edit) edit(*record);
    StoreScreen& st = s();
    st.pool = record->itemPool;
    std::copy(std::begin(record->shipHold), std::end(record->shipHold), st.hold);
    st.seed = seed;
    st.restock = record->restockFlag;
    std::copy(std::begin(record->resources), std::end(record->resources), st.resources);
    st.resourcesDirty = 1;
    st.exchangeDirty = 1;
    st.FormatNumbers();
    st.GenerateStock();
    Frame();
}

StoreVisit::~StoreVisit() { Clock::Install(nullptr); }

void StoreVisit::Frame() {
    StoreScreen& st = s();
    mouse_.Poll();
    keyboard_.Poll();
    for (uint8_t key : kLeaveKeys) {
        if (!keyboard_.KeyPressed(key)) continue;
        keyboard_.SetLatch(key, 1);
        if (st.AnythingOpen()) st.CloseAll();
        else left = true;
    }
    if (keyboard_.KeyPressed(kEnter)) {
        keyboard_.SetLatch(kEnter, 1);
        st.PressEnter();
    }
    st.HitTest(at.x, at.y);
    st.OnClick(at.x, at.y, &mouse_);
    if (st.clickCode == StoreScreen::kLeaveCode) left = true;
    if (!left) {
        if (!mouse_.ButtonPressed(0) && !mouse_.ButtonPressed(1)) st.ButtonsUp();
        st.ClickReleased(&mouse_);
        st.FinishFrame();
        if (st.itemsChanged) {
            st.itemsChanged = 0;
            record->itemPool = st.pool;
            std::copy(std::begin(st.hold), std::end(st.hold), record->shipHold);
        }
        if (st.TakeHoverSound()) ++snaps;
        if (st.stampSound) {
            st.stampSound = 0;
            ++stamps;
        }
    }
    std::copy(std::begin(st.resources), std::end(st.resources), record->resources);
    clock_.Advance(kFrameMs);
}

void StoreVisit::MoveTo(At to) {
    at = to;
    Frame();
}

void StoreVisit::Press(int button) {
    system_.Raw().PressButton(button);
    Frame();
}

void StoreVisit::Release(int button) {
    system_.Raw().ReleaseButton(button);
    Frame();
}

void StoreVisit::Click(At to, int button) {
    MoveTo(to);
    Press(button);
    Release(button);
}

void StoreVisit::Key(uint8_t code) {
    system_.Raw().PressKey(code);
    Frame();
    system_.Raw().ReleaseKey(code);
    Frame();
}

void StoreVisit::Wait(uint32_t ms) {
    for (uint32_t t = 0; t < ms; t += kFrameMs) Frame();
}

}  // namespace store_test
