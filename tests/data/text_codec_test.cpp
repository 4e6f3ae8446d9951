#include "data/text_codec.h"

#include <gtest/gtest.h>

namespace tsu {
namespace {

using Text = std::optional<std::string>;

TEST(TextCodec, EncodesCp932AndTurnsTheWaveDashIntoTheFullWidthTilde) {
    EXPECT_EQ(utf8_to_cp932("東京"), Text("\x93\x8C\x8B\x9E"));
    EXPECT_EQ(utf8_to_cp932("ABC ｱ"), Text("ABC \xB1"));
    EXPECT_EQ(utf8_to_cp932("〜"), Text("\x81\x60"));
    EXPECT_EQ(utf8_to_cp932("～"), Text("\x81\x60"));
    EXPECT_EQ(cp932_to_utf8("\x81\x60"), "～");
    std::string longer;
    for (int i = 0; i < 2000; ++i) longer += "忍者";
    EXPECT_EQ(cp932_to_utf8(utf8_to_cp932(longer).value_or("")), longer);
}

TEST(TextCodec, RefusesTextWithoutACp932Form) {
    for (const char* bad : {"忍😀", "bad \xFF utf-8", "cut \xE6\x9D"}) {
        EXPECT_FALSE(utf8_to_cp932(bad)) << bad;
    }
}

TEST(TextCodec, DecodingReplacesDamagedBytes) {
    EXPECT_EQ(cp932_to_utf8("a\xA0" "b"), "a?b");
    EXPECT_EQ(cp932_to_utf8("\x93\x8C\x93"), "東?"); // cut inside a character
    EXPECT_EQ(cp932_to_utf8(""), "");
}

TEST(TextCodec, StatefulEncodingsAreFlushedAtTheEnd) {
    // UTF-7 closes its base64 run with "-" only when the converter is flushed.
    EXPECT_EQ(convert_text("忍", "UTF-7", "UTF-8"), Text("+X80-"));
    EXPECT_EQ(convert_text("+X80-", "UTF-8", "UTF-7"), Text("忍"));
    EXPECT_FALSE(convert_text("x", "NO-SUCH-CODE", "UTF-8"));
}

} // namespace
} // namespace tsu
