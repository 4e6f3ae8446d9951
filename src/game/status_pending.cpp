// The status display is not built yet: it draws nothing.
#include "game/status.h"

namespace tsu {

void status_display(Game&) {}

} // namespace tsu
