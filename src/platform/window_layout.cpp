// Whole-multiple scaling of the client picture and the mouse mapping back.
#include "platform/window_layout.h"

#include "game/game.h"

#include <algorithm>

namespace tsu {

namespace {
// Division rounding toward minus infinity: the border left of the picture
// must not map onto client column 0.
int floor_div(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
} // namespace

int largest_scale(int area_w, int area_h, int client_w, int client_h) {
    if (client_w <= 0 || client_h <= 0) return 1;
    return std::max(1, std::min(area_w / client_w, area_h / client_h));
}

int scale_for_client(int current, int area_w, int area_h, int client_w, int client_h) {
    if (current >= 1 && client_w * current <= area_w && client_h * current <= area_h)
        return current;
    return largest_scale(area_w, area_h, client_w, client_h);
}

PictureLayout layout_picture(int out_w, int out_h, int client_w, int client_h, int max_scale) {
    PictureLayout l;
    l.client_w = client_w;
    l.client_h = client_h;
    l.scale = largest_scale(out_w, out_h, client_w, client_h);
    if (max_scale > 0) l.scale = std::min(l.scale, max_scale);
    l.width = client_w * l.scale;
    l.height = client_h * l.scale;
    l.x = std::max(0, (out_w - l.width) / 2);
    l.y = std::max(0, (out_h - l.height) / 2);
    return l;
}

ClientPoint map_to_client(const PictureLayout& l, int out_x, int out_y) {
    ClientPoint p;
    const int s = std::max(1, l.scale);
    p.x = floor_div(out_x - l.x, s);
    p.y = floor_div(out_y - l.y, s);
    p.inside = p.x >= 0 && p.y >= 0 && p.x < l.client_w && p.y < l.client_h;
    return p;
}

ClientPoint clamp_to_view(ClientPoint p) {
    p.x = std::clamp(p.x, 0, kViewWidth - 1);
    p.y = std::clamp(p.y, 0, kViewHeight - 1);
    return p;
}

bool press_reaches_view(const ClientPoint& p) {
    return p.inside && p.x < kViewWidth && p.y < kViewHeight;
}

} // namespace tsu
