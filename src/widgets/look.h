// The panels' own look: dark, see-through panels over the game view, warm
// gold titles, indigo button faces that light up under the pointer and turn
// vermilion when latched down, paper-white edit fields. Every control draws
// through these helpers so the panels read as one set.
#pragma once
#include "render/bitmap.h"
#include "widgets/control.h"

#include <string>
#include <string_view>
#include <vector>

namespace tsu::look {

inline constexpr Colour panel_tint = rgb(0x0A0E1C);    // mixed over the view
inline constexpr int panel_opacity = 200;               // of 256
inline constexpr Colour panel_edge = rgb(0x5A6A9A);
inline constexpr Colour panel_edge_light = rgb(0x8C9CCC);
inline constexpr Colour title_colour = rgb(0xFFD873);
inline constexpr Colour caption_colour = rgb(0xF2F2F2);
inline constexpr Colour disabled_text = rgb(0x8A8A96);
inline constexpr Colour face = rgb(0x27305A);
inline constexpr Colour face_hover = rgb(0x3A4C8C);
inline constexpr Colour face_pressed = rgb(0x161C38);
inline constexpr Colour face_down = rgb(0xB8402A);       // a latched button
inline constexpr Colour face_down_hover = rgb(0xD85A3C);
inline constexpr Colour edge = rgb(0x6A7AB0);
inline constexpr Colour edge_hover = rgb(0xB4C4FF);
inline constexpr Colour edge_down = rgb(0xFFB080);
inline constexpr Colour focus_ring = rgb(0xFFE060);
inline constexpr Colour field_paper = rgb(0xF6F2E8);
inline constexpr Colour field_paper_disabled = rgb(0xA8A8B0);
inline constexpr Colour field_ink = rgb(0x101018);
inline constexpr Colour field_edge = rgb(0x7C86A8);
inline constexpr Colour caret = rgb(0x1030C0);
inline constexpr Colour composition_ink = rgb(0x1848D0);

// Mixes `tint` over the pixels of r with the opacity alpha (0..256).
void shade(Bitmap& canvas, const Rect& r, Colour tint, int alpha);
// A one-pixel frame: top and left in `light`, bottom and right in `dark`.
void frame(Bitmap& canvas, const Rect& r, Colour light, Colour dark);
void fill(Bitmap& canvas, const Rect& r, Colour c);

// The lines of a caption: a CR, an LF or a CR LF ends a line. With a width
// above 0, lines longer than it are broken between characters.
std::vector<std::string> caption_lines(Bitmap& canvas, std::string_view text, const TextStyle& style,
                                       int width);
// Draws a caption in its style inside r: lines from the top (or centred
// vertically when `middle`), aligned as the style says, clipped to r's height.
void caption(Bitmap& canvas, const Rect& r, std::string_view text, const TextStyle& style,
             bool middle, bool wrap = false);
// Sets the canvas font to the style (clear brush, the given colour).
void use_font(Bitmap& canvas, const TextStyle& style, Colour colour);

} // namespace tsu::look
