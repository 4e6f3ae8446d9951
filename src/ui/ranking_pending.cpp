// The ranking screen is not built yet: its controls do nothing.
#include "ui/ranking_screen.h"

namespace tsu {

void ranking_set_switch(Game&, bool) {}
void ranking_page_switch(Game&) {}

} // namespace tsu
