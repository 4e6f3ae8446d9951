// The FreeType text engine: monochrome (1-bit, hinted) glyphs of one font
// file, with synthetic bold and italic, cached per pixel size, style and code
// point so the texts drawn every tick cost only a lookup per character.
// Upright text of 10 to 12 pixels comes from bitmap strikes drawn for those
// sizes when there are any (small_text_fonts.cpp); a character they lack
// falls back to the outline font.
//
// Sizes are points at 96 DPI: the em is round(size * 96 / 72) pixels (size
// 9 is 12 px, size 8 is 11 px). The line is the font's Windows ascent plus
// descent at that em; the baseline sits at the ascent. Size 0 means the
// default size 9; a negative size counts like its magnitude.
#include "render/text_engine.h"
#include "render/utf8.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <mutex>
#include <string>
#include <unordered_map>

namespace tsu {
namespace {

constexpr int kMaxPixels = 400;            // largest em drawn, pixels
constexpr std::size_t kMaxCachedGlyphs = 20000;
constexpr std::size_t kMaxCachedLines = 2000;
constexpr FT_Pos kItalicShear = 0x0366A;   // x += 0.21 * y (16.16), like a slanted face

int em_pixels(int size) {
    const int s = size == 0 ? 9 : std::abs(size);
    return std::clamp((s * 96 + 36) / 72, 1, kMaxPixels);
}

struct Glyph {
    int advance = 0;          // pixels
    int left = 0, top = 0;    // bitmap origin relative to the pen on the baseline
    int width = 0, rows = 0;
    std::vector<std::uint8_t> bits; // width * rows, 0 or 1
};

struct LineMetrics {
    int ascent = 0, height = 0;
};

// A bitmap strike: its Latin face (ISO 8859-1) and kanji face (JIS X 0208).
struct Strike {
    int pixels = 0;
    bool bold = false;
    FT_Face latin = nullptr;
    FT_Face kanji = nullptr;
};

class FreeTypeTextEngine final : public TextEngine {
  public:
    FreeTypeTextEngine(FT_Library lib, FT_Face face, std::vector<Strike> strikes)
        : lib_(lib), face_(face), strikes_(std::move(strikes)) {
        if (!strikes_.empty()) to_euc_ = iconv_open("EUC-JP", "UTF-32BE");
    }
    ~FreeTypeTextEngine() override {
        for (const Strike& s : strikes_) {
            FT_Done_Face(s.latin);
            FT_Done_Face(s.kanji);
        }
        if (to_euc_ != kNoIconv) iconv_close(to_euc_);
        FT_Done_Face(face_);
        FT_Done_FreeType(lib_);
    }
    FreeTypeTextEngine(const FreeTypeTextEngine&) = delete;
    FreeTypeTextEngine& operator=(const FreeTypeTextEngine&) = delete;

    TextMask render(std::string_view utf8, const FontStyle& font) const override {
        TextMask m;
        render_into(utf8, font, m);
        return m;
    }

    void render_into(std::string_view utf8, const FontStyle& font, TextMask& out) const override {
        const std::lock_guard lock(mutex_);
        render_unlocked(utf8, font, out);
    }

  private:
    // The line's box: the pen starts `lead` pixels in, so that no glyph's
    // ink reaches left of the box, and the box is as wide as the pens'
    // advance or the ink, whichever reaches further (a bold or italic glyph,
    // or a full-width one at a small em, can overhang its advance).
    struct Extent {
        int lead = 0;
        int width = 0;
    };
    Extent extent(std::string_view utf8, int px, const FontStyle& font) const {
        int pen = 0, left = 0, right = 0;
        for (std::size_t i = 0; i < utf8.size();) {
            const Glyph& g = glyph(px, font, utf8::next(utf8, i));
            if (g.width > 0) {
                left = std::min(left, pen + g.left);
                right = std::max(right, pen + g.left + g.width);
            }
            pen += g.advance;
        }
        const int lead = -left;
        return Extent{lead, lead + std::max(pen, right)};
    }

    void render_unlocked(std::string_view utf8, const FontStyle& font, TextMask& out) const {
        const int px = em_pixels(font.size);
        const LineMetrics lm = metrics(px);
        const Extent e = extent(utf8, px, font);
        const int width = e.width;
        out.width = width;
        out.height = lm.height;
        out.bits.assign(std::size_t(width) * std::size_t(lm.height), 0);
        int pen = e.lead;
        for (std::size_t i = 0; i < utf8.size();) {
            const Glyph& g = glyph(px, font, utf8::next(utf8, i));
            for (int gy = 0; gy < g.rows; ++gy) {
                const int my = lm.ascent - g.top + gy;
                if (my < 0 || my >= lm.height) continue;
                std::uint8_t* row = out.bits.data() + std::size_t(my) * std::size_t(width);
                const std::uint8_t* src = g.bits.data() + std::size_t(gy) * std::size_t(g.width);
                const int base = pen + g.left;
                for (int gx = 0; gx < g.width; ++gx) row[base + gx] |= src[gx];
            }
            pen += g.advance;
        }
    }

  public:
    void runs_into(std::string_view utf8, const FontStyle& font, TextRuns& out) const override {
        const std::lock_guard lock(mutex_);
        const int px = em_pixels(font.size);
        line_key_.assign(utf8);
        line_key_ += '\0';
        line_key_ += char(px & 0xFF);
        line_key_ += char(px >> 8);
        line_key_ += char((font.bold ? 1 : 0) | (font.italic ? 2 : 0));
        auto it = lines_.find(line_key_);
        if (it == lines_.end()) {
            if (lines_.size() >= kMaxCachedLines) lines_.clear();
            TextRuns runs;
            render_unlocked(utf8, font, line_mask_);
            mask_to_runs(line_mask_, runs);
            it = lines_.emplace(line_key_, std::move(runs)).first;
        }
        out.width = it->second.width;
        out.height = it->second.height;
        out.runs.assign(it->second.runs.begin(), it->second.runs.end());
    }

    // The width text_out fills: the advance, or the ink where it reaches further.
    int text_width(std::string_view utf8, const FontStyle& font) const override {
        const std::lock_guard lock(mutex_);
        return extent(utf8, em_pixels(font.size), font).width;
    }

    int text_height(std::string_view, const FontStyle& font) const override {
        const std::lock_guard lock(mutex_);
        return metrics(em_pixels(font.size)).height;
    }

  private:
    LineMetrics metrics(int px) const {
        const auto it = metrics_.find(px);
        if (it != metrics_.end()) return it->second;
        long asc = face_->ascender, desc = -face_->descender;
        if (const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
            os2 != nullptr && os2->usWinAscent + os2->usWinDescent > 0) {
            asc = os2->usWinAscent;
            desc = os2->usWinDescent;
        }
        const long upem = std::max<long>(face_->units_per_EM, 1);
        LineMetrics m;
        m.ascent = int((asc * px + upem / 2) / upem);
        m.height = std::max(1, m.ascent + int((desc * px + upem / 2) / upem));
        metrics_.emplace(px, m);
        return m;
    }

    const Glyph& glyph(int px, const FontStyle& font, char32_t cp) const {
        const std::uint64_t key = (std::uint64_t(px) << 32) | (std::uint64_t(font.bold) << 31) |
                                  (std::uint64_t(font.italic) << 30) | std::uint64_t(cp);
        if (const auto it = glyphs_.find(key); it != glyphs_.end()) return it->second;
        if (glyphs_.size() >= kMaxCachedGlyphs) glyphs_.clear();
        return glyphs_.emplace(key, load(px, font, cp)).first->second;
    }

    // The strike for an em: 10 and 11 pixels take the 10-pixel strike
    // (never wider than the outline glyphs they stand for), 12 the 12-pixel one.
    const Strike* strike_for(int px, bool bold) const {
        const int pixels = px == 10 || px == 11 ? 10 : px == 12 ? 12 : 0;
        for (const Strike& s : strikes_)
            if (s.pixels == pixels && s.bold == bold) return &s;
        return nullptr;
    }

    // The JIS X 0208 code (0x2121..0x7E7E) of a character, or 0.
    unsigned jis_code(char32_t cp) const {
        if (to_euc_ == kNoIconv) return 0;
        std::array<char, 4> in{char(cp >> 24), char(cp >> 16), char(cp >> 8), char(cp)};
        std::array<char, 8> out{};
        char* ip = in.data();
        char* op = out.data();
        std::size_t il = in.size(), ol = out.size();
        iconv(to_euc_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(to_euc_, &ip, &il, &op, &ol) == std::size_t(-1) || out.size() - ol != 2) return 0;
        const auto b1 = static_cast<unsigned char>(out[0]), b2 = static_cast<unsigned char>(out[1]);
        if (b1 < 0xA1 || b2 < 0xA1) return 0; // not a JIS X 0208 character
        return unsigned(b1 & 0x7F) << 8 | unsigned(b2 & 0x7F);
    }

    // A glyph of a bitmap strike; false when the strike lacks it.
    bool strike_glyph(const Strike& s, char32_t cp, Glyph& g) const {
        FT_Face face = nullptr;
        FT_UInt index = 0;
        if (cp >= 0x20 && cp < 0x7F) {
            face = s.latin;
            index = FT_Get_Char_Index(face, cp);
        } else if (const unsigned code = jis_code(cp); code != 0) {
            face = s.kanji;
            index = FT_Get_Char_Index(face, code);
        }
        if (face == nullptr || index == 0 || FT_Load_Glyph(face, index, FT_LOAD_DEFAULT) != 0) return false;
        const FT_GlyphSlot slot = face->glyph;
        const FT_Bitmap& bm = slot->bitmap;
        if (slot->format != FT_GLYPH_FORMAT_BITMAP || bm.pixel_mode != FT_PIXEL_MODE_MONO) return false;
        g.advance = int((slot->advance.x + 32) >> 6);
        g.left = slot->bitmap_left;
        g.top = slot->bitmap_top;
        g.width = int(bm.width);
        g.rows = int(bm.rows);
        g.bits.assign(std::size_t(g.width) * std::size_t(g.rows), 0);
        const int pitch = std::abs(bm.pitch);
        for (int y = 0; y < g.rows; ++y)
            for (int x = 0; x < g.width; ++x)
                g.bits[std::size_t(y * g.width + x)] = (bm.buffer[std::ptrdiff_t(y) * pitch + (x >> 3)] >> (7 - (x & 7))) & 1;
        return true;
    }

    // Rasterises one glyph; a glyph the font cannot give is empty with no advance.
    Glyph load(int px, const FontStyle& font, char32_t cp) const {
        Glyph g;
        if (const Strike* s = font.italic ? nullptr : strike_for(px, font.bold); s != nullptr)
            if (strike_glyph(*s, cp, g)) return g;
        if (size_px_ != px) {
            if (FT_Set_Pixel_Sizes(face_, 0, FT_UInt(px)) != 0) return g;
            size_px_ = px;
        }
        const FT_UInt index = FT_Get_Char_Index(face_, cp);
        if (FT_Load_Glyph(face_, index, FT_LOAD_TARGET_MONO | FT_LOAD_NO_BITMAP) != 0) return g;
        FT_GlyphSlot slot = face_->glyph;
        if (slot->format != FT_GLYPH_FORMAT_OUTLINE) return g;
        FT_Pos advance = slot->advance.x;
        // Bold is an overstrike: the hinted glyph is struck again one pixel
        // to the right (one more per 24 px of em), and the advance grows by as
        // much. Unlike a thickened outline this keeps small counters open, so
        // an 11 px "0" does not turn into a blot.
        const int overstrike = font.bold ? std::max(1, px / 24) : 0;
        advance += FT_Pos(64 * overstrike);
        if (font.italic) {
            FT_Matrix shear{0x10000, kItalicShear, 0, 0x10000};
            FT_Outline_Transform(&slot->outline, &shear);
        }
        g.advance = int((advance + 32) >> 6);
        if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) return g;
        const FT_Bitmap& bm = slot->bitmap;
        g.left = slot->bitmap_left;
        g.top = slot->bitmap_top;
        const int plain_width = int(bm.width);
        g.width = plain_width > 0 ? plain_width + overstrike : 0;
        g.rows = int(bm.rows);
        g.bits.assign(std::size_t(g.width) * std::size_t(g.rows), 0);
        const int pitch = std::abs(bm.pitch);
        for (int y = 0; y < g.rows; ++y) {
            const unsigned char* src = bm.buffer + std::ptrdiff_t(y) * pitch;
            std::uint8_t* row = g.bits.data() + std::size_t(y) * std::size_t(g.width);
            for (int x = 0; x < plain_width; ++x)
                if ((src[x >> 3] >> (7 - (x & 7))) & 1)
                    for (int k = 0; k <= overstrike; ++k) row[x + k] = 1;
        }
        return g;
    }

    static inline const iconv_t kNoIconv = reinterpret_cast<iconv_t>(-1);

    FT_Library lib_;
    FT_Face face_;
    std::vector<Strike> strikes_;
    iconv_t to_euc_ = kNoIconv;
    mutable std::mutex mutex_;
    mutable int size_px_ = 0;
    mutable std::unordered_map<std::uint64_t, Glyph> glyphs_;
    mutable std::unordered_map<int, LineMetrics> metrics_;
    mutable std::unordered_map<std::string, TextRuns> lines_; // key: text, em, style
    mutable std::string line_key_;
    mutable TextMask line_mask_;
};

} // namespace

std::shared_ptr<const TextEngine> make_freetype_text_engine(const std::string& font_path,
                                                            std::string* error) {
    return make_freetype_text_engine(font_path, {}, error);
}

std::shared_ptr<const TextEngine> make_freetype_text_engine(const std::string& font_path,
                                                            const std::vector<BitmapStrike>& small,
                                                            std::string* error) {
    auto fail = [&](const std::string& why) -> std::shared_ptr<const TextEngine> {
        if (error != nullptr) *error = why;
        return nullptr;
    };
    FT_Library lib = nullptr;
    if (FT_Init_FreeType(&lib) != 0) return fail("FreeType could not start");
    FT_Face face = nullptr;
    if (FT_New_Face(lib, font_path.c_str(), 0, &face) != 0) {
        FT_Done_FreeType(lib);
        return fail("cannot open the font file " + font_path);
    }
    if (!FT_IS_SCALABLE(face) || FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0) {
        FT_Done_Face(face);
        FT_Done_FreeType(lib);
        return fail("the font file " + font_path + " has no scalable Unicode glyphs");
    }
    // A strike whose files cannot be used is left out: the outline font draws those sizes.
    std::vector<Strike> strikes;
    for (const BitmapStrike& b : small) {
        Strike s{b.pixels, b.bold, nullptr, nullptr};
        const bool ok = FT_New_Face(lib, b.latin.c_str(), 0, &s.latin) == 0 &&
                        FT_New_Face(lib, b.kanji.c_str(), 0, &s.kanji) == 0 &&
                        FT_Select_Charmap(s.latin, FT_ENCODING_UNICODE) == 0 && s.kanji->num_charmaps > 0 &&
                        FT_Set_Charmap(s.kanji, s.kanji->charmaps[0]) == 0;
        if (ok) {
            strikes.push_back(s);
        } else {
            if (s.latin != nullptr) FT_Done_Face(s.latin);
            if (s.kanji != nullptr) FT_Done_Face(s.kanji);
        }
    }
    return std::make_shared<FreeTypeTextEngine>(lib, face, std::move(strikes));
}

} // namespace tsu
