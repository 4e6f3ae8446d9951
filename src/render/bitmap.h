// The software canvas: an ARGB8888 picture with the drawing state and the
// GDI-like operations the game paints with (brush, pen, font, text, pictures
// with a key colour, stretched draws, raster copies, flood fill).
//
// Rectangles are given as left, top inclusive and right, bottom exclusive.
// Shapes are not antialiased. Everything is clipped to the picture.
#pragma once
#include "render/colour.h"
#include "render/text_engine.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tsu {

enum class BrushStyle { solid, clear };
enum class CopyMode { src_copy, src_paint }; // SRCCOPY and SRCPAINT (bitwise OR)
enum class FillStyle { surface, border };    // flood fill: recolour a colour area / fill up to a border colour

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};

struct Font {
    FontStyle style;
    Colour colour = kBlack;
};

class Bitmap {
  public:
    Bitmap() = default;
    Bitmap(int width, int height, Colour fill = kWhite);

    // --- the picture ---------------------------------------------------
    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ <= 0 || height_ <= 0; }
    void resize(int width, int height, Colour fill = kWhite); // discards the contents
    Colour pixel(int x, int y) const;          // kBlack outside the picture
    void set_pixel(int x, int y, Colour c);    // ignored outside the picture
    const std::vector<Colour>& pixels() const { return pixels_; }
    std::vector<Colour>& pixels() { return pixels_; }

    // Transparent drawing: when set, draw/stretch_draw skip the pixels equal
    // to the key colour, which is the colour of the bottom-left pixel.
    bool transparent = false;
    Colour key_colour() const { return pixel(0, height_ - 1); }

    // --- drawing state ---------------------------------------------------
    Colour brush_colour = kWhite;
    BrushStyle brush_style = BrushStyle::solid;
    Colour pen_colour = kBlack;
    int pen_width = 1;
    Font font;
    const TextEngine* text_engine = nullptr; // null: default_text_engine()

    // --- shapes ----------------------------------------------------------
    void fill_rect(const Rect& r);                        // brush only, no outline
    void fill(Colour c);                                  // whole picture
    void rectangle(int l, int t, int r, int b);           // pen outline, brush inside
    void ellipse(int l, int t, int r, int b);             // by bounding box, pen + brush
    void move_to(int x, int y);
    void line_to(int x, int y);                           // pen; the end point is not drawn
    void line(int x1, int y1, int x2, int y2) { move_to(x1, y1); line_to(x2, y2); }
    int pen_x() const { return pen_x_; }
    int pen_y() const { return pen_y_; }

    // --- text ------------------------------------------------------------
    // Draws the text with its top-left corner at (x, y) in font.colour; with a
    // solid brush the text's box is first filled with the brush colour.
    void text_out(int x, int y, std::string_view utf8);
    int text_width(std::string_view utf8) const;
    int text_height(std::string_view utf8) const;

    // --- pictures --------------------------------------------------------
    void draw(int x, int y, const Bitmap& src);                       // at its own size
    void stretch_draw(const Rect& dst, const Bitmap& src);            // nearest neighbour
    void stretch_draw_flipped(const Rect& dst, const Bitmap& src);    // upside down
    // Copies src_rect of src onto dst_rect (stretched when the sizes differ),
    // ignoring transparency, with the raster operation mode.
    void copy_rect(const Rect& dst_rect, const Bitmap& src, const Rect& src_rect,
                   CopyMode mode = CopyMode::src_copy);
    void flood_fill(int x, int y, Colour colour, FillStyle style); // uses the brush colour
    void mirror_vertical(); // turns the picture upside down in place

  private:
    const TextEngine* engine() const;
    int width_ = 0, height_ = 0;
    std::vector<Colour> pixels_;
    int pen_x_ = 0, pen_y_ = 0;
};

} // namespace tsu
