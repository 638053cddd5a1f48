// Drawing of the Store: the frame, tabs, money and button bar, then the
// stock, tooltips, dialogs, messages, menus and the "Ship's Storage" panel.
#include <cstdio>

#include "platform/font.h"
#include "platform/sprite_sheet.h"
#include "ship/store_screen.h"
#include "ship/store_screen_drawing.h"

using namespace store_drawing;

namespace {

constexpr uint32_t kBackdropTint = 0x69FFFFFF;
constexpr float kBackdropScaleX = 3.08f, kBackdropScaleY = 1.67f;
constexpr uint32_t kOpenTabText = 0xFFDCDCDC, kClosedTabText = 0xFF8C468C;
constexpr uint32_t kCaptionText = 0xFF050505;
constexpr uint32_t kSellMark = 0xFFC80A0A;
constexpr uint32_t kTipBox = 0xF0141414, kTipName = 0xFFDCDCDC, kTipStat = 0xFF008C00;
constexpr uint32_t kDialogName = 0xFFCFCFCF, kDialogStat = 0xFF009600;
constexpr uint32_t kMenuHeading = 0xFFFAFAFA;

// The tab strip as it shows on screen: Armor, Shields, Weapons, Engines, Leave.
constexpr int kStripTabs = StoreScreen::kTabs + 1;
constexpr int32_t kTabX[kStripTabs] = {0, 165, 323, 483, 641};
constexpr int32_t kTabW[kStripTabs] = {164, 157, 159, 157, 159};
constexpr int32_t kTabH = 68;
constexpr const char* kTabCaptions[kStripTabs] = {"Armor", "Shields", "Weapons", "Engines", "Leave"};
constexpr int32_t kCaptionX[kStripTabs] = {59, 213, 365, 530, 699};
constexpr int32_t kCaptionY = 23;

constexpr int32_t kBarX = 280, kBarY = 535, kBarPitch = 58, kBarSize = 32;
constexpr const char* kBarCaptions[StoreScreen::kBarButtons] = {
    "Buy Gold", "Buy Crystal", "Buy Favors", "Buy Materials", "Sell Items",
    "Sell Gold", "Sell Crystal", "Sell Favors", "Sell Material"};
constexpr int32_t kBarCaptionX[StoreScreen::kBarButtons] = {261, 310, 367, 413, 489, 550, 597, 656, 692};
constexpr int32_t kBarCaptionY = 510;
constexpr int kSellItemsButton = 4;
// The picture on each bar button: menu image, frame and frame size; Sell
// Items has a letter instead.
struct BarIcon {
    int image, frame;
    float frameSize;
};
constexpr BarIcon kGoldIcon{kWealthIcons, 0, 64.0f}, kCrystalIcon{kWealthIcons, 1, 64.0f}, kFavorsIcon{kFavorIcon, 0, 32.0f},
    kMaterialsIcon{kMaterialIcons, 0, 32.0f};
constexpr BarIcon kBarIcons[StoreScreen::kBarButtons] = {kGoldIcon,   kCrystalIcon, kFavorsIcon, kMaterialsIcon, {},
                                                         kGoldIcon,   kCrystalIcon, kFavorsIcon, kMaterialsIcon};
constexpr float kBarIconSize = 20.0f;

constexpr const char* kStatLabels[kItemClassCount] = {"Armor:", "Shields:", "Attack:", "Speed:"};
constexpr const char* kProtectionLabels[] = {"Atomic:", "Chemical:", "Electrical:", "Protection:"};

// Tooltip rows, from the tooltip's origin.
constexpr int32_t kTipBoxX = 323, kTipBoxY = 260, kTipTextX = 342, kTipNameY = 276, kTipStatY = 306,
                  kTipDefenceY = 336, kTipProtectionY = 366, kTipPriceY = 396, kTipShortPriceY = 360;
constexpr int32_t kTipValueX = 447, kTipWideValueX = 437, kTipWidestValueX = 427;

// The panels, Ship's Storage and its cells.
constexpr int32_t kStorageX = 290, kStorageY = 86, kStorageW = 240, kStorageH = 414;
constexpr int32_t kCellsX = 320, kCellsY = 140, kCellSize = 60;
constexpr int32_t kHoldAreaLeft = 600;
constexpr int32_t kHoldShiftX = -290;
constexpr int32_t kHoldShiftY[kItemClassCount] = {-150, -150, -161, -160};

// What one line of a tooltip or dialog describes.
struct ItemView {
    uint8_t itemClass, icon, subtype;
    uint32_t stat, defence, protection;
    uint8_t protectionType;
    uint32_t price;
    uint8_t currency;
};

ItemView ViewOf(const StoreStock& stock, int slot) {
    return {stock.itemClass[slot], stock.icon[slot],       stock.subtype[slot], stock.stat[slot],    stock.defence[slot],
            stock.protection[slot], stock.protectionType[slot], stock.price[slot], stock.currency[slot]};
}

ItemView ViewOf(const ItemPool& pool, ItemId id) {
    const int k = static_cast<int>(id - 1);
    return {pool.itemClass[k],  pool.icon[k],           pool.subtype[k], pool.stat[k],    pool.defence[k],
            pool.protection[k], pool.protectionType[k], pool.price[k],   pool.currency[k]};
}

bool HasExtraStats(const ItemView& item) { return item.itemClass == kCube || item.itemClass == kSphere; }

const char* ProtectionLabel(uint8_t type) { return type <= kAllProtections ? kProtectionLabels[type] : ""; }

}  // namespace

void StoreScreen::Text(const char* text, int32_t x, int32_t y, uint32_t colour) {
    if (font && text) font->DrawText(text, x, y, 0, 0, colour, DT_LEFT | DT_TOP);
}

void StoreScreen::DrawIcon(int itemClass, int icon, int32_t x, int32_t y) {
    if (itemClass < 0 || itemClass >= kItemClassCount || !iconSheets[itemClass]) return;
    iconSheets[itemClass]->Draw(icon, 0, float(x), float(y), kWhite, 1.0f, 1.0f, 0, 0.0f);
}

void StoreScreen::DrawTabs(SpriteSheet* menu) {
    DrawFrame(menu);
    DrawTabCaptions(menu);
    DrawMoney();
    DrawButtonBar(menu);
}

void StoreScreen::DrawFrame(SpriteSheet* menu) {
    Fill(menu, kPanelBox, 0, 0, 800, 600);
    Frame(menu, 0, kTabH, 800, 600 - kTabH);
    if (backdrop) {
        backdrop->Draw(0, 0, 6.0f, float(kTabH), kBackdropTint, kBackdropScaleX, kBackdropScaleY, 0, 0.0f);
    }
}

void StoreScreen::DrawTabCaptions(SpriteSheet* menu) {
    const int open = OpenTab();
    for (int t = 0; t < kStripTabs; ++t) {
        const bool isOpen = t == open;
        const bool lit = !isOpen && hoverCode == kArmorTabCode + t;
        Panel(menu, isOpen ? kPanelBox : (lit ? kLitFace : kPanelFill), kTabX[t], 0, kTabW[t], kTabH);
        Text(kTabCaptions[t], kCaptionX[t], kCaptionY, isOpen ? kOpenTabText : kClosedTabText);
    }
}

void StoreScreen::DrawMoney() {
    Text("Your Gold:", 15, 520, kGoldText);
    Text(resourceTexts[kExGold], 150, 520, kGoldText);
    Text("Your Crystal:", 15, 557, kCrystalText);
    Text(resourceTexts[kExCrystal], 150, 557, kCrystalText);
}

void StoreScreen::DrawButtonBar(SpriteSheet* menu) {
    for (int k = 0; k < kBarButtons; ++k) {
        const int32_t x = kBarX + kBarPitch * k;
        const bool lit = hoverCode == kFirstBarCode + k;
        if (menu) menu->Draw(kGlow, lit ? 1 : 0, float(x), float(kBarY), kWhite, 0.5f, 0.5f, 0, 0.0f);
        if (k == kSellItemsButton) {
            Text("I", x + 13, kBarY + 6, kSellMark);
        } else {
            const BarIcon& icon = kBarIcons[k];
            const float scale = kBarIconSize / icon.frameSize;
            if (menu) menu->Draw(icon.image, icon.frame, float(x + 6), float(kBarY + 6), kWhite, scale, scale, 0, 0.0f);
            if (k > kSellItemsButton) Text("x", x + 20, kBarY + 12, kSellMark);
        }
        if (lit) Text(kBarCaptions[k], kBarCaptionX[k], kBarCaptionY, kCaptionText);
    }
}

void StoreScreen::DrawResourceIcon(SpriteSheet* menu, ExchangeResource resource, int32_t x, int32_t y, float size) {
    if (!menu) return;
    int image = kMaterialIcons, frame = 0;
    float frameSize = 32.0f;
    switch (resource) {
        case kExGold: image = kWealthIcons, frame = 0, frameSize = 64.0f; break;
        case kExCrystal: image = kWealthIcons, frame = 1, frameSize = 64.0f; break;
        case kExFavors: image = kFavorIcon; break;
        case kExShipMaterial: frame = 1; break;
        case kExRobotMaterial: frame = 2; break;
        case kExBuildingMaterial: frame = 3; break;
    }
    menu->Draw(image, frame, float(x), float(y), kWhite, size / frameSize, size / frameSize, 0, 0.0f);
}

void StoreScreen::Draw(SpriteSheet* menu) {
    DrawStock();
    if (sellItemsOpen && !sellDialog) DrawStoragePanel(menu);
    DrawTooltip(menu);
    if (buySelection != 0) DrawItemDialog(menu, false);
    else if (sellDialog) DrawItemDialog(menu, true);
    DrawMaterialMenu(menu);
    if (exchangeOpen) DrawExchangePanel(menu);
    DrawMessages(menu);
}

void StoreScreen::DrawStock() {
    const int open = OpenTab();
    for (int s = 0; s < StoreStock::kSlots; ++s) {
        if (stock.exists[s] && stock.itemClass[s] == open) DrawIcon(open, stock.icon[s], stock.x[s], stock.y[s]);
    }
}

void StoreScreen::DrawTooltip(SpriteSheet* menu) {
    ItemView item{};
    const int slot = static_cast<int>(hoverSlot) - 1;
    if (StoreStock::ValidSlot(slot) && stock.exists[slot]) {
        item = ViewOf(stock, slot);
    } else if (sellItemsOpen && !sellDialog && pool.Exists(selectedItem)) {
        item = ViewOf(pool, selectedItem);
    } else {
        return;
    }
    const bool extra = HasExtraStats(item);
    const int32_t x = tipX + kTipTextX;
    Fill(menu, kPanelFill, tipX + kTipBoxX, tipY + kTipBoxY, 170, extra ? 166 : 130, kTipBox);
    char name[48];
    std::snprintf(name, sizeof name, "%s ", ItemName(item.itemClass, item.subtype));
    Text(name, x, tipY + kTipNameY, kTipName);
    auto value = [&](const char* label, uint32_t v, int32_t y, uint32_t colour) {
        char text[kNumberTextSize];
        FormatNumber(text, v);
        Text(label, x, y, colour);
        const int32_t at = v < 10 ? kTipValueX : (v < 10000 ? kTipWideValueX : kTipWidestValueX);
        Text(text, tipX + at, y, colour);
    };
    value(kStatLabels[item.itemClass % kItemClassCount], item.stat, tipY + kTipStatY, kTipStat);
    if (extra && item.defence != 0) value("Defence:", item.defence, tipY + kTipDefenceY, kTipStat);
    if (extra && item.protection != 0) {
        value(ProtectionLabel(item.protectionType), item.protection, tipY + kTipProtectionY, kTipStat);
    }
    if (item.price != 0) {
        const bool gold = item.currency == kGoldCurrency;
        value(gold ? "Gold:" : "Crystal:", item.price, tipY + (extra ? kTipPriceY : kTipShortPriceY),
              gold ? kGoldText : kCrystalText);
    }
}

void StoreScreen::DrawItemDialog(SpriteSheet* menu, bool selling) {
    ItemView item{};
    char price[kNumberTextSize];
    if (selling) {
        if (!pool.Exists(selectedItem)) return;  // nothing is shown for an empty selection
        item = ViewOf(pool, selectedItem);
        FormatNumber(price, item.price);
    } else {
        const int slot = static_cast<int>(buySelection) - 1;
        if (!StoreStock::ValidSlot(slot)) return;
        item = ViewOf(stock, slot);
        std::snprintf(price, sizeof price, "%s", priceText);
    }
    Panel(menu, kMessageBox, 229, 140, 342, 250);
    DrawIcon(item.itemClass, item.icon, 470, 155);
    Text(ItemName(item.itemClass, item.subtype), 317, 160, kDialogName);
    int32_t y = 200;
    auto line = [&](const char* label, uint32_t v) {
        char text[kNumberTextSize];
        FormatNumber(text, v);
        Text(label, 330, y, kDialogStat);
        Text(text, v < 10 ? 440 : 430, y, kDialogStat);
        y += 30;
    };
    line(kStatLabels[item.itemClass % kItemClassCount], item.stat);
    if (HasExtraStats(item) && item.defence != 0) line("Defence:", item.defence);
    if (HasExtraStats(item) && item.protection != 0) line(ProtectionLabel(item.protectionType), item.protection);
    const bool gold = item.currency == kGoldCurrency;
    Text(gold ? "Gold:" : "Crystal:", gold ? 317 : 297, 288, gold ? kGoldText : kCrystalText);
    Text(price, 367, 288, gold ? kGoldText : kCrystalText);
    Text(selling ? "Sell?" : "Buy?", selling ? 374 : 372, 317, kDark);
    ButtonFace(menu, 313, 334, 45, 35, hoverCode == kYesCode);
    Text("Yes", 320, 340, kDark);
    ButtonFace(menu, 428, 334, 45, 35, hoverCode == kNoCode);
    Text("No", 440, 340, kDark);
}

void StoreScreen::DrawMessages(SpriteSheet* menu) {
    struct Message {
        uint8_t timer;
        const char* text;
        int32_t x;
    };
    const Message messages[] = {
        {noGoldTimer, "Not enough gold", 324},
        {noCrystalTimer, "Not enough crystal", 317},
        {noRoomTimer, "No more room in Ship's Storage", 275},
    };
    for (const Message& m : messages) {
        if (m.timer == 0) continue;
        Panel(menu, kMessageBox, 230, 260, 340, 75);
        Text(m.text, m.x, 290, kDark);
    }
}

void StoreScreen::DrawMaterialMenu(SpriteSheet* menu) {
    if (!buyMaterialMenu && !sellMaterialMenu) return;
    Panel(menu, kMessageBox, 178, 200, 446, 162);
    if (buyMaterialMenu) Text("Buy which material?", 310, 240, kMenuHeading);
    else Text("Sell which material?", 307, 240, kMenuHeading);
    struct Choice {
        int32_t x, w, textX;
        const char* label;
    };
    constexpr Choice kChoices[] = {
        {188, 125, 198, "Ship Material"}, {318, 138, 327, "Robot Material"}, {461, 153, 471, "Building Material"}};
    for (int m = 0; m < 3; ++m) {
        const Choice& c = kChoices[m];
        ButtonFace(menu, c.x, 300, c.w, 42, hoverCode == kFirstMaterialCode + m);
        Text(c.label, c.textX, 310, kDark);
    }
}

void StoreScreen::DrawStoragePanel(SpriteSheet* menu) {
    Panel(menu, kPanelBox, kStorageX, kStorageY, kStorageW, kStorageH);
    Text("Ship's Storage", 350, 102, kDark);
    for (int cell = 0; cell < kHoldCells; ++cell) {
        const int32_t x = kCellsX + kCellSize * (cell % 3), y = kCellsY + kCellSize * (cell / 3);
        Fill(menu, hoverCell == cell + 1 ? kLitFace : kPanelFill, x, y, kCellSize, kCellSize);
        Fill(menu, kRim, x, y, kCellSize, kCellSize);
    }
    for (int k = 0; k < ItemPool::kItemCount; ++k) {
        if (!pool.exists[k] || pool.storageNumber[k] != 0 || pool.x[k] <= kHoldAreaLeft) continue;
        const int c = pool.itemClass[k] % kItemClassCount;
        DrawIcon(c, pool.icon[k], pool.x[k] + kHoldShiftX, pool.y[k] + kHoldShiftY[c]);
    }
    ButtonFace(menu, 383, 443, 51, 42, hoverCode == kStorageExitCode);
    Text("Exit", 394, 453, kDark);
}
