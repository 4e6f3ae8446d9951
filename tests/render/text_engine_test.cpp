// Text: the canvas's text drawing over a scripted engine (exact pixels), the
// process-wide engine holder, and the FreeType engine with the game's
// Japanese font (measurements, styles, Japanese glyphs).
#include "render/bitmap.h"
#include "render/text_engine.h"

#include "render/pixel_art.h"

#include <gtest/gtest.h>

#include <fstream>

namespace tsu {
namespace {
using namespace tsu::test;

// Every byte is a 2 x 3 glyph: ink on the left column, blank on the right.
class ColumnEngine final : public TextEngine {
  public:
    TextMask render(std::string_view utf8, const FontStyle& font) const override {
        TextMask m;
        m.width = text_width(utf8, font);
        m.height = 3;
        m.bits.assign(std::size_t(m.width) * 3, 0);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < m.width; x += 2) m.bits[std::size_t(y * m.width + x)] = 1;
        return m;
    }
    int text_width(std::string_view utf8, const FontStyle& font) const override {
        return int(utf8.size()) * (font.bold ? 3 : 2);
    }
    int text_height(std::string_view, const FontStyle&) const override { return 3; }
};

TEST(CanvasText, SolidBrushFillsTheTextBoxFirst) {
    const ColumnEngine engine;
    Bitmap b(7, 5, kGreen);
    b.text_engine = &engine;
    b.font.colour = kBlue;
    b.brush_colour = kWhite;
    b.text_out(1, 1, "ab");
    EXPECT_EQ(art(b), lines({"ggggggg", "gb.b.gg", "gb.b.gg", "gb.b.gg", "ggggggg"}));
    EXPECT_EQ(b.text_width("abc"), 6);
    EXPECT_EQ(b.text_height("abc"), 3);
}

TEST(CanvasText, ClearBrushKeepsTheBackgroundAndTextClips) {
    const ColumnEngine engine;
    Bitmap b(4, 2, kGreen);
    b.text_engine = &engine;
    b.font.colour = kRed;
    b.brush_style = BrushStyle::clear;
    b.text_out(-2, -1, "abcd");
    EXPECT_EQ(art(b), lines({"ogog", "ogog"}));
}

TEST(CanvasText, WithoutAnEngineNothingIsDrawnOrMeasured) {
    set_default_text_engine(nullptr);
    Bitmap b(3, 3, kGreen);
    b.text_out(0, 0, "abc");
    EXPECT_EQ(art(b), lines({"ggg", "ggg", "ggg"}));
    EXPECT_EQ(b.text_width("abc"), 0);
    EXPECT_EQ(b.text_height("abc"), 0);
}

TEST(CanvasText, DefaultEngineServesCanvasesWithoutTheirOwn) {
    set_default_text_engine(std::make_shared<ColumnEngine>());
    Bitmap b(2, 3, kGreen);
    b.font.colour = kRed;
    b.text_out(0, 0, "a");
    EXPECT_EQ(art(b), lines({"o.", "o.", "o."}));
    EXPECT_EQ(b.text_width("abc"), 6);
    set_default_text_engine(nullptr);
    EXPECT_EQ(default_text_engine(), nullptr);
}

TEST(FontLookup, MissingFontFileIsAnErrorNotACrash) {
    std::string error;
    EXPECT_EQ(make_freetype_text_engine("/nonexistent/font.ttf", &error), nullptr);
    EXPECT_FALSE(error.empty());
    const std::string junk = ::testing::TempDir() + "/not_a_font.ttf";
    std::ofstream(junk) << "this is not a font";
    error.clear();
    EXPECT_EQ(make_freetype_text_engine(junk, &error), nullptr);
    EXPECT_FALSE(error.empty());
}

class JapaneseText : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        std::string error;
        const std::string path = find_japanese_font(&error);
        if (!path.empty()) engine_ = make_freetype_text_engine(path, &error);
        game_engine_ = make_game_text_engine();
        error_ = error;
    }
    static void TearDownTestSuite() {
        engine_.reset();
        game_engine_.reset();
    }
    void SetUp() override {
        if (!engine_) GTEST_SKIP() << "no Japanese font: " << error_;
    }
    static int ink(const TextMask& m) {
        int n = 0;
        for (const auto bit : m.bits) n += bit;
        return n;
    }
    static std::shared_ptr<const TextEngine> engine_;
    static std::shared_ptr<const TextEngine> game_engine_;
    static std::string error_;
};
std::shared_ptr<const TextEngine> JapaneseText::engine_;
std::shared_ptr<const TextEngine> JapaneseText::game_engine_;
std::string JapaneseText::error_;

TEST_F(JapaneseText, FontFileIsFoundAndReadable) {
    std::string error = "stale";
    const std::string path = find_japanese_font(&error);
    EXPECT_TRUE(error.empty());
    EXPECT_TRUE(std::ifstream(path).good()) << path;
}

TEST_F(JapaneseText, SizesArePointsAt96Dpi) {
    const FontStyle s9{9, false, false}, s8{8, false, false};
    EXPECT_EQ(engine_->text_width("あ", s9), 12); // a full-width glyph advances one em
    EXPECT_EQ(engine_->text_width("あ", s8), 11);
    const int h9 = engine_->text_height("あ", s9);
    EXPECT_GE(h9, 12);
    EXPECT_LE(h9, 16);
    EXPECT_LT(engine_->text_height("あ", s8), h9 + 1);
    EXPECT_GT(engine_->text_height("あ", FontStyle{20, false, false}), h9);
}

TEST_F(JapaneseText, WidthGrowsWithTheText) {
    const FontStyle f{9, false, false};
    EXPECT_EQ(engine_->text_width("", f), 0);
    EXPECT_LT(engine_->text_width("a", f), engine_->text_width("ab", f));
    EXPECT_LT(engine_->text_width("忍", f), engine_->text_width("忍者", f));
    EXPECT_EQ(engine_->text_width("忍者", f), 2 * engine_->text_width("忍", f));
    const TextMask m = engine_->render("PLAY 3回", f);
    EXPECT_EQ(m.width, engine_->text_width("PLAY 3回", f));
    EXPECT_EQ(m.height, engine_->text_height("PLAY 3回", f));
    EXPECT_EQ(m.bits.size(), std::size_t(m.width) * std::size_t(m.height));
}

TEST_F(JapaneseText, BoldIsWiderAndInkier) {
    const FontStyle plain{9, false, false}, bold{9, true, false};
    const std::string text = "HI-SCORE 1200両";
    EXPECT_GE(engine_->text_width(text, bold), engine_->text_width(text, plain));
    EXPECT_GT(ink(engine_->render(text, bold)), ink(engine_->render(text, plain)));
}

TEST_F(JapaneseText, ItalicLeansAndKeepsAtLeastTheAdvance) {
    const FontStyle plain{12, false, false}, italic{12, false, true};
    const TextMask a = engine_->render("l", plain), b = engine_->render("l", italic);
    EXPECT_GE(b.width, a.width);
    EXPECT_LE(b.width, a.width + 3); // the lean of a 16 px "l", no more
    EXPECT_NE(a.bits, b.bits);
}

// The width the canvas reports is the width it draws: text placed at
// (right - width) has all its ink left of `right`, and none of the last
// glyph is lost (the same text with a space after it draws the same ink).
TEST_F(JapaneseText, TheMeasuredWidthHoldsAllTheInk) {
    struct Case {
        const char* text;
        FontStyle font;
    };
    const Case cases[] = {
        {"PLAY 12回 HI-SCORE 34567両", {8, true, false}}, // the title's record line
        {"減点 > -850両", {9, true, false}},              // the stage-clear penalty
        {"1234両", {10, true, false}},                    // the gold counter
        {"両", {13, true, false}},
        {"Wf", {12, false, true}},
        {"両", {8, false, true}},
        {"jw", {9, false, false}},
    };
    // The outline font alone, and the game's engine with its bitmap strikes.
    for (const Case& c : cases) for (const TextEngine* engine : {engine_.get(), game_engine_.get()}) {
        SCOPED_TRACE(std::string(c.text) + (engine == engine_.get() ? " outline" : " game"));
        Bitmap alone(300, 40, kWhite), spaced(300, 40, kWhite);
        for (Bitmap* b : {&alone, &spaced}) {
            b->text_engine = engine;
            b->font.style = c.font;
            b->font.colour = kRed;
            b->brush_style = BrushStyle::clear;
        }
        const int w = alone.text_width(c.text);
        alone.text_out(280 - w, 10, c.text);
        spaced.text_out(280 - w, 10, std::string(c.text) + " ");
        int outside = 0, lost = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 300; ++x) {
                outside += alone.pixel(x, y) == kRed && (x < 280 - w || x >= 280);
                lost += spaced.pixel(x, y) == kRed && alone.pixel(x, y) != kRed;
            }
        EXPECT_EQ(outside, 0);
        EXPECT_EQ(lost, 0);
    }
}

TEST_F(JapaneseText, RenderingIsDeterministicAndRenderIntoReusesTheMask) {
    const FontStyle f{9, true, false};
    const TextMask a = engine_->render("初期化しています", f);
    TextMask b;
    b.bits.assign(10000, 1);
    engine_->render_into("初期化しています", f, b);
    EXPECT_EQ(a.width, b.width);
    EXPECT_EQ(a.bits, b.bits);
    EXPECT_GT(ink(a), 40);
}

// The runs the engine keeps for a line are the line's mask, for every style
// of the same text (the styles must not share a kept line), and again the
// same when the kept line is asked for once more.
TEST_F(JapaneseText, InkRunsAreTheMaskForEveryStyleAndStayTheSame) {
    auto set_pixels = [](const TextRuns& r) {
        std::vector<std::uint8_t> bits(std::size_t(r.width) * std::size_t(r.height), 0);
        for (const InkRun& run : r.runs) {
            EXPECT_LT(run.x0, run.x1);
            for (int x = run.x0; x < run.x1; ++x) bits[std::size_t(run.y * r.width + x)] = 1;
        }
        return bits;
    };
    const std::string text = "見事な当たりっぷり 12両";
    for (const FontStyle f : {FontStyle{9, false, false}, FontStyle{9, true, false}, FontStyle{9, false, true},
                             FontStyle{20, true, false}}) {
        const TextMask m = engine_->render(text, f);
        TextRuns first, again;
        engine_->runs_into(text, f, first);
        engine_->runs_into(text, f, again);
        EXPECT_EQ(first.width, m.width);
        EXPECT_EQ(first.height, m.height);
        EXPECT_EQ(set_pixels(first), m.bits) << f.size << f.bold << f.italic;
        EXPECT_EQ(set_pixels(again), m.bits);
    }
}

TEST_F(JapaneseText, CanvasDrawsJapaneseInTheFontColourInsideTheBox) {
    Bitmap b(120, 30, kWhite);
    b.text_engine = engine_.get();
    b.font.style = {9, false, false};
    b.font.colour = kRed;
    b.brush_colour = kGreen;
    const std::string text = "ぽわんでござる";
    const int w = b.text_width(text), h = b.text_height(text);
    b.text_out(5, 4, text);
    int red = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 120; ++x) {
            const bool in_box = x >= 5 && x < 5 + w && y >= 4 && y < 4 + h;
            const Colour c = b.pixel(x, y);
            if (in_box) EXPECT_TRUE(c == kRed || c == kGreen) << x << "," << y;
            else EXPECT_EQ(c, kWhite) << x << "," << y;
            red += c == kRed;
        }
    EXPECT_GT(red, 60);
    EXPECT_EQ(b.pixel(5, 4), kGreen); // the box's corner is background
}

TEST_F(JapaneseText, GlyphsForEveryKanaAndKanjiTheGameShows) {
    const FontStyle f{9, false, false};
    for (const char* s : {"あ", "ア", "ン", "両", "忍", "初", "期", "化", "★"}) {
        EXPECT_GT(ink(engine_->render(s, f)), 5) << s;
    }
}

TEST_F(JapaneseText, ZeroAndNegativeSizesStillDraw) {
    EXPECT_EQ(engine_->text_width("あ", FontStyle{0, false, false}), 12);
    EXPECT_EQ(engine_->text_width("あ", FontStyle{-9, false, false}), 12);
    EXPECT_GT(engine_->text_width("あ", FontStyle{100000, false, false}), 100);
}

TEST_F(JapaneseText, MalformedUtf8DrawsReplacementsNotGarbage) {
    const FontStyle f{9, false, false};
    const std::string bad = std::string("a\xE3\x81") + "\xFF" + "b";
    const TextMask m = engine_->render(bad, f);
    EXPECT_EQ(m.width, engine_->text_width(bad, f));
    EXPECT_GE(m.width, engine_->text_width("ab", f));
}

// Small text through the game's engine: the outline font with the bitmap
// strikes for 10 to 12 pixels.
class SmallText : public JapaneseText {
  protected:
    void SetUp() override {
        JapaneseText::SetUp();
        if (IsSkipped()) return;
        strikes_ = find_small_text_fonts();
        if (strikes_.empty()) GTEST_SKIP() << "no bitmap fonts for small text (xfonts-mplus)";
        game_ = make_game_text_engine();
        ASSERT_NE(game_, nullptr);
    }
    // Pockets of background inside the ink: the counters of a glyph.
    static int counters(const TextMask& m) {
        std::vector<int> seen(m.bits.size(), 0);
        int pockets = 0;
        for (int y0 = 0; y0 < m.height; ++y0)
            for (int x0 = 0; x0 < m.width; ++x0) {
                if (m.at(x0, y0) || seen[std::size_t(y0 * m.width + x0)]) continue;
                bool edge = false;
                std::vector<std::pair<int, int>> todo{{x0, y0}};
                seen[std::size_t(y0 * m.width + x0)] = 1;
                while (!todo.empty()) {
                    const auto [x, y] = todo.back();
                    todo.pop_back();
                    edge = edge || x == 0 || y == 0 || x == m.width - 1 || y == m.height - 1;
                    for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                        const int nx = x + dx, ny = y + dy;
                        if (nx < 0 || ny < 0 || nx >= m.width || ny >= m.height) continue;
                        const std::size_t i = std::size_t(ny * m.width + nx);
                        if (m.at(nx, ny) || seen[i]) continue;
                        seen[i] = 1;
                        todo.push_back({nx, ny});
                    }
                }
                pockets += edge ? 0 : 1;
            }
        return pockets;
    }
    std::vector<BitmapStrike> strikes_;
    std::shared_ptr<const TextEngine> game_;
};

// Bold kanji at the small sizes keep their counters open (the outline font
// struck twice fills them), and every size keeps its line height.
TEST_F(SmallText, BoldKanjiKeepTheirCountersOpen) {
    struct Case {
        const char* text;
        FontStyle font;
        int counters; // at least, with the strikes
    };
    const Case cases[] = {
        {"減", {9, true, false}, 5}, // the outline font struck twice keeps 2
        {"減", {8, true, false}, 4}, // 1
        {"両", {8, true, false}, 3}, // none
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " size " + std::to_string(c.font.size));
        const TextMask crisp = game_->render(c.text, c.font);
        EXPECT_GE(counters(crisp), c.counters) << "outline: " << counters(engine_->render(c.text, c.font));
        EXPECT_EQ(game_->text_height(c.text, c.font), engine_->text_height(c.text, c.font));
        EXPECT_EQ(crisp.width, game_->text_width(c.text, c.font));
    }
    // Italic and larger sizes stay with the outline font.
    for (const FontStyle f : {FontStyle{9, true, true}, FontStyle{13, true, false}})
        EXPECT_EQ(game_->render("減点", f).bits, engine_->render("減点", f).bits);
}

// Strike files that cannot be opened leave the outline font in charge.
TEST_F(SmallText, UnusableStrikeFilesFallBackToTheOutlineFont) {
    std::string error;
    const std::string path = find_japanese_font(&error);
    const auto engine = make_freetype_text_engine(
        path, {BitmapStrike{12, true, "/nonexistent/a.pcf.gz", "/nonexistent/b.pcf.gz"}}, &error);
    ASSERT_NE(engine, nullptr) << error;
    const FontStyle f{9, true, false};
    EXPECT_EQ(engine->render("減点 > -850両", f).bits, engine_->render("減点 > -850両", f).bits);
}

} // namespace
} // namespace tsu
