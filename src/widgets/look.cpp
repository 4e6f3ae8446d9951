// Drawing helpers of the panels' look.
#include "widgets/look.h"

#include "render/utf8.h"

#include <algorithm>

namespace tsu::look {

void shade(Bitmap& canvas, const Rect& r, Colour tint, int alpha) {
    const int l = std::max(0, r.left), t = std::max(0, r.top);
    const int rr = std::min(canvas.width(), r.right), b = std::min(canvas.height(), r.bottom);
    const std::uint32_t a = std::uint32_t(std::clamp(alpha, 0, 256)), keep = 256 - a;
    const std::uint32_t tr = (tint >> 16) & 0xFF, tg = (tint >> 8) & 0xFF, tb = tint & 0xFF;
    std::vector<Colour>& px = canvas.pixels();
    for (int y = t; y < b; ++y) {
        Colour* row = px.data() + std::size_t(y) * std::size_t(canvas.width());
        for (int x = l; x < rr; ++x) {
            const Colour c = row[x];
            const std::uint32_t cr = (((c >> 16) & 0xFF) * keep + tr * a) >> 8;
            const std::uint32_t cg = (((c >> 8) & 0xFF) * keep + tg * a) >> 8;
            const std::uint32_t cb = ((c & 0xFF) * keep + tb * a) >> 8;
            row[x] = 0xFF000000u | (cr << 16) | (cg << 8) | cb;
        }
    }
}

void fill(Bitmap& canvas, const Rect& r, Colour c) {
    canvas.brush_style = BrushStyle::solid;
    canvas.brush_colour = c;
    canvas.fill_rect(r);
}

void frame(Bitmap& canvas, const Rect& r, Colour light, Colour dark) {
    if (r.width() <= 0 || r.height() <= 0) return;
    fill(canvas, {r.left, r.top, r.right, r.top + 1}, light);
    fill(canvas, {r.left, r.top, r.left + 1, r.bottom}, light);
    fill(canvas, {r.left, r.bottom - 1, r.right, r.bottom}, dark);
    fill(canvas, {r.right - 1, r.top, r.right, r.bottom}, dark);
}

void use_font(Bitmap& canvas, const TextStyle& style, Colour colour) {
    canvas.font.style = FontStyle{style.size, style.bold, false};
    canvas.font.colour = colour;
    canvas.brush_style = BrushStyle::clear;
}

std::vector<std::string> caption_lines(Bitmap& canvas, std::string_view text, const TextStyle& style,
                                       int width) {
    use_font(canvas, style, style.colour);
    std::vector<std::string> lines;
    std::string line;
    auto end_line = [&] {
        lines.push_back(line);
        line.clear();
    };
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '\r' || text[i] == '\n') {
            const bool crlf = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
            i += crlf ? 2 : 1;
            end_line();
            continue;
        }
        const std::size_t start = i;
        utf8::next(text, i);
        const std::string_view ch = text.substr(start, i - start);
        if (width > 0 && !line.empty() && canvas.text_width(line + std::string(ch)) > width) end_line();
        line += ch;
    }
    lines.push_back(line);
    return lines;
}

void caption(Bitmap& canvas, const Rect& r, std::string_view text, const TextStyle& style,
             bool middle, bool wrap) {
    const std::vector<std::string> lines = caption_lines(canvas, text, style, wrap ? r.width() : 0);
    const int line_h = std::max(1, canvas.text_height("あ"));
    const int total = line_h * int(lines.size());
    int y = middle ? r.top + (r.height() - total) / 2 : r.top;
    for (const std::string& line : lines) {
        if (y + line_h > r.bottom + line_h / 3) break; // a line mostly below the box is left out
        int x = r.left;
        if (style.align != TextAlign::left) {
            const int w = canvas.text_width(line);
            x = style.align == TextAlign::centre ? r.left + (r.width() - w) / 2 : r.right - w;
        }
        canvas.text_out(x, y, line);
        y += line_h;
    }
}

} // namespace tsu::look
