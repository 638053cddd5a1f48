#include "shell/item_pool.h"

void ItemPool::Clear() { *this = ItemPool{}; }
