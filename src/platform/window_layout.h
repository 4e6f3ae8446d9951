// Where the client-area picture sits in the window: the largest whole
// multiple of its size that fits, centred, with black borders; and the way
// back from a window pixel to a client pixel for the mouse. Pure arithmetic,
// no SDL.
#pragma once

namespace tsu {

// The largest whole multiple of the client size that fits into the given
// area; at least 1 even when nothing fits.
int largest_scale(int area_w, int area_h, int client_w, int client_h);

// The scale after the client size changed (512 x 384 <-> 660 x 480 for the
// editor): the current one while it still fits the area, else the largest
// that does.
int scale_for_client(int current, int area_w, int area_h, int client_w, int client_h);

// The picture's rectangle in the window's output pixels.
struct PictureLayout {
    int scale = 1;
    int x = 0, y = 0;          // top-left corner of the picture
    int width = 0, height = 0; // client size times scale
    int client_w = 0, client_h = 0;
};

// Lays out a client_w x client_h picture in an out_w x out_h output:
// largest whole scale that fits (capped at max_scale when above 0), centred.
// A picture larger than the output keeps its top-left corner in view.
PictureLayout layout_picture(int out_w, int out_h, int client_w, int client_h, int max_scale = 0);

struct ClientPoint {
    int x = 0, y = 0;    // client pixels (may lie outside the picture)
    bool inside = false; // on the picture, not on the border
};

// Maps an output pixel back to a client pixel.
ClientPoint map_to_client(const PictureLayout& layout, int out_x, int out_y);

// Game-view coordinates for the mouse handlers: clamped to the 512 x 384 view.
ClientPoint clamp_to_view(ClientPoint p);

// A button press goes to the game only on the picture and inside the view.
bool press_reaches_view(const ClientPoint& p);

} // namespace tsu
