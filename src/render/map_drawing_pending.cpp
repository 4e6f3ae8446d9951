// Map drawing is not built yet: the stage is not drawn.
#include "render/map_drawing.h"

namespace tsu {

void map_drawing(Game&) {}

} // namespace tsu
