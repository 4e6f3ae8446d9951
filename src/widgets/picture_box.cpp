// Pictures.
#include "widgets/picture_box.h"

#include <algorithm>

namespace tsu {

PictureBox::PictureBox(std::string name, Rect box) : Control(ControlKind::picture, std::move(name), box) {}

void PictureBox::draw(Bitmap& target, int x, int y, const DrawState&) const {
    const Bitmap& pic = picture();
    if (pic.empty()) return;
    const int w = rect.width(), h = rect.height();
    if (stretch) {
        target.copy_rect({x, y, x + w, y + h}, pic, {0, 0, pic.width(), pic.height()});
        return;
    }
    const int cw = std::min(w, pic.width()), ch = std::min(h, pic.height());
    target.copy_rect({x, y, x + cw, y + ch}, pic, {0, 0, cw, ch});
}

} // namespace tsu
