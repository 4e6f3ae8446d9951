// The drawing recipes of content/sprites/ (see recipe.h).
#include "recipe.h"

#include "figures.h"

#include <algorithm>
#include <cmath>

namespace tsu::assetgen {
namespace {

using Words = std::vector<std::string>;

struct State {
    const Section& recipe;
    const SourceLine* line = nullptr;
    Bitmap& canvas;
    Colour key;
    Legend legend;
    int art_x = 0, art_y = 0, art_row = 0;

    std::string where() const { return line ? recipe.at(*line) : recipe.where; }
    SourceError fault(const std::string& what) const { return SourceError(where() + ": " + what); }
    Colour colour(const std::string& w) const {
        const Colour c = parse_colour(w, legend, where());
        if (c == key) throw fault("draws with the key colour, which the game makes see-through");
        return c;
    }
    int num(const Words& w, std::size_t i) const {
        if (i >= w.size()) throw fault("'" + w[0] + "' needs more values");
        return to_int(w[i], where());
    }
    // An optional colour at word i, or kNone.
    Colour optional_colour(const Words& w, std::size_t i) const { return i < w.size() ? colour(w[i]) : kNone; }
};

void need(const State& s, const Words& w, std::size_t n) {
    if (w.size() < n) throw s.fault("'" + w[0] + "' needs " + std::to_string(n - 1) + " values");
}

// Draws a block with its legend; transforms map target offsets back to the
// block's rows and columns.
void place(State& s, const Block& b, const Words& w) {
    need(s, w, 4);
    const int x0 = s.num(w, 2), y0 = s.num(w, 3);
    bool fx = false, fy = false;
    int turns = 0, scale = 1;
    for (std::size_t i = 4; i < w.size(); ++i) {
        if (w[i] == "flipx") fx = true;
        else if (w[i] == "flipy") fy = true;
        else if (w[i] == "rot90") turns = 1;
        else if (w[i] == "rot180") turns = 2;
        else if (w[i] == "rot270") turns = 3;
        else if (w[i] == "scale" && i + 1 < w.size()) scale = std::max(1, s.num(w, ++i));
        else throw s.fault("unknown placement '" + w[i] + "'");
    }
    const int bw = b.width, bh = b.height;
    const int tw = turns % 2 ? bh : bw, th = turns % 2 ? bw : bh;
    for (int ty = 0; ty < th; ++ty)
        for (int tx = 0; tx < tw; ++tx) {
            int u = fx ? tw - 1 - tx : tx, v = fy ? th - 1 - ty : ty;
            int c = u, r = v; // column and row of the block
            if (turns == 1) c = v, r = bh - 1 - u;          // turned clockwise
            else if (turns == 2) c = bw - 1 - u, r = bh - 1 - v;
            else if (turns == 3) c = bw - 1 - v, r = u;
            const char ch = b.rows[std::size_t(r)][std::size_t(c)];
            if (ch == '.') continue;
            const Colour col = s.colour(std::string(1, ch));
            for (int dy = 0; dy < scale; ++dy)
                for (int dx = 0; dx < scale; ++dx) s.canvas.set_pixel(x0 + tx * scale + dx, y0 + ty * scale + dy, col);
        }
}

// Fills pockets of the key colour that the figure closes in (where blocks
// overlap), which the game would show as pin holes.
void seal(Bitmap& b, Colour key, Colour with) {
    const int w = b.width(), h = b.height();
    std::vector<std::uint8_t> outside(std::size_t(w) * std::size_t(h), 0);
    std::vector<std::pair<int, int>> todo;
    for (int x = 0; x < w; ++x) todo.insert(todo.end(), {{x, 0}, {x, h - 1}});
    for (int y = 0; y < h; ++y) todo.insert(todo.end(), {{0, y}, {w - 1, y}});
    while (!todo.empty()) {
        const auto [x, y] = todo.back();
        todo.pop_back();
        if (x < 0 || y < 0 || x >= w || y >= h) continue;
        std::uint8_t& o = outside[std::size_t(y) * std::size_t(w) + std::size_t(x)];
        if (o != 0 || b.pixel(x, y) != key) continue;
        o = 1;
        todo.insert(todo.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (b.pixel(x, y) == key && outside[std::size_t(y) * std::size_t(w) + std::size_t(x)] == 0) b.set_pixel(x, y, with);
}

void pixel_row(State& s, const std::string& row) {
    if (s.art_x < 0 || s.art_x + int(row.size()) > s.canvas.width() || s.art_y + s.art_row >= s.canvas.height())
        throw s.fault("the pixel row runs off the picture");
    for (std::size_t i = 0; i < row.size(); ++i)
        if (row[i] != '.') s.canvas.set_pixel(s.art_x + int(i), s.art_y + s.art_row, s.colour(std::string(1, row[i])));
    ++s.art_row;
}

Rect optional_rect(const State& s, const Words& w, std::size_t i) {
    if (w.size() >= i + 4) return {s.num(w, i), s.num(w, i + 1), s.num(w, i + 2), s.num(w, i + 3)};
    return {0, 0, s.canvas.width(), s.canvas.height()};
}

void draw_text(State& s, const Words& w) {
    need(s, w, 6);
    const int at = s.num(w, 1), y = s.num(w, 2), size = s.num(w, 3);
    const bool bold = w[4] == "bold";
    if (!bold && w[4] != "plain") throw s.fault("text style is bold or plain");
    const Colour c = s.colour(w[5]);
    Colour shadow = kNone, edge = kNone;
    std::size_t i = 6;
    for (; i + 1 < w.size(); i += 2) {
        if (w[i] == "shadow") shadow = s.colour(w[i + 1]);
        else if (w[i] == "edge") edge = s.colour(w[i + 1]);
        else break;
    }
    if (i + 1 != w.size()) throw s.fault("text ends with the \"quoted text\"");
    const std::string& t = w.back();
    const int width = text_width(t, size, bold);
    const int x = w[0] == "ctext" ? at - width / 2 : w[0] == "rtext" ? at - width : at;
    if (edge != kNone)
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (dx != 0 || dy != 0) text(s.canvas, x + dx, y + dy, t, size, bold, edge);
    text(s.canvas, x, y, t, size, bold, c, shadow);
}

void run_lines(State& s, const Section& recipe, const ArtLibrary& lib, const PictureLookup& pictures, int depth);

void command(State& s, const Words& w, const ArtLibrary& lib, const PictureLookup& pictures, int depth) {
    const std::string& op = w[0];
    Bitmap& b = s.canvas;
    if (op == "use") {
        need(s, w, 2);
        const Section* part = lib.recipe(w[1]);
        if (!part || !w[1].starts_with("@")) throw s.fault("no shared recipe [" + w[1] + "] (their names start with @)");
        if (depth > 8) throw s.fault("shared recipes nest too deep");
        State inner{*part, nullptr, s.canvas, s.key, s.legend};
        run_lines(inner, *part, lib, pictures, depth + 1);
        s.legend = inner.legend; // a shared recipe may set colours for the rest
    } else if (op == "palette") {
        need(s, w, 2);
        for (const auto& [ch, c] : lib.palette(w[1], s.where())) s.legend[ch] = c;
    } else if (op == "legend") {
        add_legend(s.legend, w, 1, s.where());
    } else if (op == "art") {
        need(s, w, 3);
        s.art_x = s.num(w, 1);
        s.art_y = s.num(w, 2);
        s.art_row = 0;
    } else if (op == "place") {
        need(s, w, 4);
        place(s, lib.block(w[1], s.where()), w);
    } else if (op == "fill") {
        need(s, w, 2);
        b.fill(s.colour(w[1]));
    } else if (op == "box" || op == "oval") {
        need(s, w, 6);
        const int l = s.num(w, 1), t = s.num(w, 2), r = s.num(w, 3), bt = s.num(w, 4);
        if (op == "box") box(b, l, t, r, bt, s.colour(w[5]), s.optional_colour(w, 6));
        else oval(b, l, t, r, bt, s.colour(w[5]), s.optional_colour(w, 6));
    } else if (op == "frame") {
        need(s, w, 6);
        const int l = s.num(w, 1), t = s.num(w, 2), r = s.num(w, 3), bt = s.num(w, 4);
        const Colour c = s.colour(w[5]);
        for (int x = l; x < r; ++x) b.set_pixel(x, t, c), b.set_pixel(x, bt - 1, c);
        for (int y = t; y < bt; ++y) b.set_pixel(l, y, c), b.set_pixel(r - 1, y, c);
    } else if (op == "disc") {
        need(s, w, 6);
        disc(b, s.num(w, 1), s.num(w, 2), s.num(w, 3), s.num(w, 4), s.colour(w[5]), s.optional_colour(w, 6));
    } else if (op == "line") {
        need(s, w, 7);
        stroke(b, s.num(w, 1), s.num(w, 2), s.num(w, 3), s.num(w, 4), s.num(w, 5), s.colour(w[6]));
    } else if (op == "poly") {
        need(s, w, 8);
        if ((w.size() - 2) % 2 != 0) throw s.fault("poly takes x y pairs");
        std::vector<Pt> pts;
        for (std::size_t i = 2; i + 1 < w.size(); i += 2)
            pts.push_back({to_double(w[i], s.where()), to_double(w[i + 1], s.where())});
        polygon(b, pts, s.colour(w[1]));
    } else if (op == "vgrad" || op == "hgrad") {
        need(s, w, 7);
        const int l = s.num(w, 1), t = s.num(w, 2), r = s.num(w, 3), bt = s.num(w, 4);
        if (op == "vgrad") gradient(b, l, t, r, bt, s.colour(w[5]), s.colour(w[6]));
        else hgradient(b, l, t, r, bt, s.colour(w[5]), s.colour(w[6]));
    } else if (op == "dots") {
        need(s, w, 8);
        const int seed = s.num(w, 1), count = s.num(w, 2);
        const Rect r{s.num(w, 3), s.num(w, 4), s.num(w, 5), s.num(w, 6)};
        std::vector<Colour> colours;
        for (std::size_t i = 7; i < w.size(); ++i) colours.push_back(s.colour(w[i]));
        for (int i = 0; i < count && r.width() > 0 && r.height() > 0; ++i) {
            const unsigned h = hash3(seed, i, 7);
            const int x = r.left + int(h % unsigned(r.width()));
            const int y = r.top + int(hash3(seed, i, 11) % unsigned(r.height()));
            b.set_pixel(x, y, colours[(h >> 16) % colours.size()]);
        }
    } else if (op == "text" || op == "ctext" || op == "rtext") {
        draw_text(s, w);
    } else if (op == "sprite") {
        need(s, w, 6);
        Bitmap pic = pictures(w[1], s.where());
        Rect r{s.num(w, 2), s.num(w, 3), s.num(w, 4), s.num(w, 5)};
        for (std::size_t i = 6; i < w.size(); ++i) {
            if (w[i] == "flipx") std::swap(r.left, r.right);
            else if (w[i] == "tint" && i + 2 < w.size()) {
                const Colour to = s.colour(w[i + 1]);
                const double f = to_double(w[i + 2], s.where());
                for (Colour& c : pic.pixels())
                    if (c != pic.key_colour() || !pic.transparent) c = mix(c, to, f);
                i += 2;
            } else throw s.fault("sprite takes flipx and tint C F");
        }
        b.stretch_draw(r, pic);
    } else if (op == "burst") {
        need(s, w, 7);
        const int cx = s.num(w, 1), cy = s.num(w, 2), radius = s.num(w, 3), n = s.num(w, 4), width = s.num(w, 5);
        const Colour c = s.colour(w[6]);
        for (int i = 0; i < n; ++i) {
            const double a = 6.283185307 * i / n;
            const int x0 = cx + int(std::lround(std::cos(a) * radius * 0.35));
            const int y0 = cy + int(std::lround(std::sin(a) * radius * 0.35));
            const int x1 = cx + int(std::lround(std::cos(a) * radius)), y1 = cy + int(std::lround(std::sin(a) * radius));
            stroke(b, x0, y0, x1, y1, width, c);
            disc(b, x1, y1, width, width, c);
        }
    } else if (op == "picture") {
        need(s, w, 4);
        b.draw(s.num(w, 2), s.num(w, 3), pictures(w[1], s.where()));
    } else if (op == "replace" || op == "shade") {
        need(s, w, 3);
        const Rect r = optional_rect(s, w, 3);
        const Colour target = s.colour(w[1]);
        const Colour from = op == "replace" ? s.colour(w[1]) : 0;
        const Colour to = op == "replace" ? s.colour(w[2]) : 0;
        const double f = op == "shade" ? to_double(w[2], s.where()) : 0;
        for (int y = std::max(0, r.top); y < std::min(b.height(), r.bottom); ++y)
            for (int x = std::max(0, r.left); x < std::min(b.width(), r.right); ++x) {
                const Colour c = b.pixel(x, y);
                if (c == s.key) continue;
                if (op == "replace" && c == from) b.set_pixel(x, y, to);
                else if (op == "shade") b.set_pixel(x, y, mix(c, target, f));
            }
    } else if (op == "seal") {
        need(s, w, 2);
        seal(b, s.key, s.colour(w[1]));
    } else if (op == "mirror") {
        const Bitmap copy = b;
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x) b.set_pixel(x, y, copy.pixel(b.width() - 1 - x, y));
    } else {
        throw s.fault("unknown command '" + op + "'");
    }
}

void run_lines(State& s, const Section& recipe, const ArtLibrary& lib, const PictureLookup& pictures, int depth) {
    for (const SourceLine& l : recipe.body) {
        s.line = &l;
        if (l.text.find_first_of(" \t") == std::string::npos && l.text != "mirror") pixel_row(s, l.text);
        else command(s, split_words(l.text), lib, pictures, depth);
    }
}

} // namespace

Painter::Painter(const ArtLibrary& library, PictureLookup pictures)
    : library_(library), pictures_(std::move(pictures)) {}

void Painter::run(const Section& recipe, Bitmap& canvas, Colour key) const {
    State s{recipe, nullptr, canvas, key, library_.base()};
    run_lines(s, recipe, library_, pictures_, 0);
}

} // namespace tsu::assetgen
