// The effect renderer is not built yet: effects neither draw nor age.
#include "render/effects.h"

namespace tsu {

void draw_effects(Game&) {}

} // namespace tsu
