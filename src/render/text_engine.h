// Text rendering for the software canvas, without SDL: glyph coverage masks
// in a given point size and style, and text measurement.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tsu {

// Font request as the game states it: point size at 96 DPI (pixel height =
// size * 96 / 72), bold and italic.
struct FontStyle {
    int size = 9;
    bool bold = false;
    bool italic = false;
    bool operator==(const FontStyle&) const = default;
};

// A rendered line of text: a 1-bit coverage mask (0 or 1 per pixel), no
// antialiasing, so text is crisp and comparisons are exact.
struct TextMask {
    int width = 0;  // the line's box: the advance, or further where ink overhangs it, pixels
    int height = 0; // line height (ascent + descent), pixels
    std::vector<std::uint8_t> bits; // width * height, row-major
    bool at(int x, int y) const { return bits[std::size_t(y) * std::size_t(width) + std::size_t(x)] != 0; }
};

// The same line as the horizontal runs of set pixels, row by row: drawing a
// line costs one fill per run instead of a test per pixel of its box.
struct InkRun {
    int y = 0;      // row in the line
    int x0 = 0;     // first set pixel
    int x1 = 0;     // one past the last
};
struct TextRuns {
    int width = 0;
    int height = 0;
    std::vector<InkRun> runs;
};

// Appends the runs of `mask` to `out` (which takes the mask's size).
void mask_to_runs(const TextMask& mask, TextRuns& out);

class TextEngine {
  public:
    virtual ~TextEngine() = default;
    // Renders UTF-8 text into a mask whose top-left is the text's top-left
    // corner as drawn by text_out (top of the line, including leading).
    virtual TextMask render(std::string_view utf8, const FontStyle& font) const = 0;
    // The same into `out`, reusing its storage: the canvas draws its texts
    // through this every tick without allocating once the mask has grown.
    virtual void render_into(std::string_view utf8, const FontStyle& font, TextMask& out) const {
        out = render(utf8, font);
    }
    // The line as runs, into `out` (reusing its storage). The FreeType
    // engine keeps the runs of the lines it drew lately, since the game's
    // texts stay the same from tick to tick.
    virtual void runs_into(std::string_view utf8, const FontStyle& font, TextRuns& out) const {
        thread_local TextMask mask;
        render_into(utf8, font, mask);
        out.runs.clear();
        mask_to_runs(mask, out);
    }
    // The width of the box text_out draws in: every ink pixel of the line
    // lies inside it, so text placed at (right - width) ends at right.
    virtual int text_width(std::string_view utf8, const FontStyle& font) const = 0;
    virtual int text_height(std::string_view utf8, const FontStyle& font) const = 0;
};

// The process-wide text engine the canvases use (like the system's font
// service). Null until start-up installs one; canvases then draw no text and
// measure every text as 0 x 0.
const TextEngine* default_text_engine();
void set_default_text_engine(std::shared_ptr<const TextEngine> engine);

} // namespace tsu

namespace tsu {

// Finds the game's Japanese font through fontconfig (IPAGothic, lang=ja) and
// checks that it covers kana and the kanji the game shows. Returns the font
// file's path, or an empty string with the reason in `error`.
std::string find_japanese_font(std::string* error = nullptr);

// A FreeType engine over one font file (monochrome glyphs, synthetic bold and
// italic). Returns null with the reason in `error` when the file cannot be used.
std::shared_ptr<const TextEngine> make_freetype_text_engine(const std::string& font_path,
                                                            std::string* error = nullptr);

// A bitmap font for small text: for one pixel size and weight, the file of
// its Latin letters and the file of its kana and kanji (JIS X 0208).
struct BitmapStrike {
    int pixels = 0; // 10 or 12
    bool bold = false;
    std::string latin, kanji;
};

// The bitmap strikes found on this system (the package xfonts-mplus), or none.
std::vector<BitmapStrike> find_small_text_fonts();

// The same engine, drawing upright text of 10 to 12 pixels with the strikes
// (characters they lack come from the outline font).
std::shared_ptr<const TextEngine> make_freetype_text_engine(const std::string& font_path,
                                                            const std::vector<BitmapStrike>& small,
                                                            std::string* error = nullptr);

// The game's engine: the Japanese outline font with the small-text strikes
// when there are any. Null with the reason in `error` without the font.
std::shared_ptr<const TextEngine> make_game_text_engine(std::string* error = nullptr);

} // namespace tsu
