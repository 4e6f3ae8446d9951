#include "data/text_codec.h"

#include <gtest/gtest.h>

namespace tsu {
namespace {

TEST(TextCodec, EncodesJapaneseAsCp932) {
    EXPECT_EQ(utf8_to_cp932("東京"), std::optional<std::string>("\x93\x8C\x8B\x9E"));
    EXPECT_EQ(utf8_to_cp932("ABC ｱ"), std::optional<std::string>("ABC \xB1"));
    EXPECT_EQ(utf8_to_cp932(""), std::optional<std::string>(""));
}

TEST(TextCodec, WaveDashBecomesTheFullWidthTilde) {
    const auto a = utf8_to_cp932("〜");
    const auto b = utf8_to_cp932("～");
    ASSERT_TRUE(a && b);
    EXPECT_EQ(*a, "\x81\x60");
    EXPECT_EQ(*a, *b);
    EXPECT_EQ(cp932_to_utf8(*a), "～");
}

TEST(TextCodec, TextWithoutACp932FormIsRefused) {
    EXPECT_FALSE(utf8_to_cp932("忍😀"));
    EXPECT_FALSE(utf8_to_cp932("bad \xFF utf-8"));
    EXPECT_FALSE(utf8_to_cp932("cut \xE6\x9D"));
}

TEST(TextCodec, DecodingReplacesDamagedBytes) {
    EXPECT_EQ(cp932_to_utf8("\x93\x8C\x8B\x9E"), "東京");
    EXPECT_EQ(cp932_to_utf8("a\xA0" "b"), "a?b");
    EXPECT_EQ(cp932_to_utf8("\x93\x8C\x93"), "東?"); // cut in the middle of a character
    EXPECT_EQ(cp932_to_utf8(""), "");
}

TEST(TextCodec, StatefulEncodingsEndComplete) {
    // UTF-7 closes a base64 run with its own shift sequence; without the
    // final flush the last character would be lost.
    const auto s = convert_text("忍", "UTF-7", "UTF-8");
    ASSERT_TRUE(s);
    EXPECT_EQ(*s, "+X80-");
    EXPECT_EQ(convert_text(*s, "UTF-8", "UTF-7"), std::optional<std::string>("忍"));
    EXPECT_FALSE(convert_text("x", "NO-SUCH-CODE", "UTF-8"));
}

TEST(TextCodec, LongTextsConvertWhole) {
    std::string s;
    for (int i = 0; i < 2000; ++i) s += "忍者";
    const auto enc = utf8_to_cp932(s);
    ASSERT_TRUE(enc);
    EXPECT_EQ(enc->size(), 8000u);
    EXPECT_EQ(cp932_to_utf8(*enc), s);
}

} // namespace
} // namespace tsu
