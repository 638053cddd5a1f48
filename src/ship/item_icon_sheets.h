#pragma once
#include <memory>

#include "shell/item_pool.h"

class GraphicsDevice;
class SpriteSheet;

// One sheet of item icons per item class, as the Your Ship page and the
// store draw them: image i of a class is the icon of its kind i + 1.
using ItemIconSheets = std::unique_ptr<SpriteSheet>[kItemClassCount];

// Makes (or remakes) the four sheets and loads every class's icons from
// "Art\Items\<class>\<n>.bmp". Returns the result of the last load.
int LoadItemIconSheets(ItemIconSheets& sheets, GraphicsDevice* graphics);
void ReleaseItemIconSheets(ItemIconSheets& sheets);
