// Items are not built yet: these steps do nothing.
#include "game/items.h"

namespace tsu {

void item_step(Game&) {}
void item_pickups(Game&) {}
void love_note_step(Game&) {}

} // namespace tsu
