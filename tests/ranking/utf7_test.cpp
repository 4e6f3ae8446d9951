// The packed UTF-7 line form through glibc iconv.
#include "ranking/utf7.h"

#include "data/text_codec.h"
#include "ranking/local_text.h"
#include "render/utf8.h"

#include <gtest/gtest.h>

namespace tsu {
namespace {

TEST(RankingUtf7, MatchesHandCheckedRfc2152Encodings) {
    // RFC 2152: "日本語" (U+65E5 U+672C U+8A9E) is "+ZeVnLIqe-"; packing cuts
    // the "+" and the "-".
    EXPECT_EQ(utf7_pack("日本語"), "ZeVnLIqe");
    EXPECT_EQ(utf7_unpack("ZeVnLIqe"), "日本語");
    // "＊　[" is U+FF0A U+3000 U+005B: 48 bits, eight base64 digits
    // "/wowAABb"; "h" is a base64 digit, so the run is closed by "-".
    EXPECT_EQ(utf7_pack("＊　[hあ"), "/wowAABb-h+MEI");
    // The last run is flushed at the end: without the flush the second
    // "＊" (still in the converter's shift state) would be missing.
    EXPECT_EQ(utf7_pack("＊A＊"), "/wo-A+/wo");
    EXPECT_EQ(utf7_unpack("/wo-A+/wo"), "＊A＊");
}

TEST(RankingUtf7, EveryShiftJisCharacterRoundTrips) {
    std::vector<std::string> chars;
    auto add = [&](std::string cp932) {
        const std::string u = cp932_to_utf8(cp932);
        if (u.find('?') == std::string::npos) chars.push_back(u);
    };
    for (int b = 0x20; b <= 0x7E; ++b) add(std::string(1, char(b)));
    for (int b = 0xA1; b <= 0xDF; ++b) add(std::string(1, char(b)));
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead > 0x9F && lead < 0xE0) continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail)
            if (trail != 0x7F) add(std::string{char(lead), char(trail)});
    }
    ASSERT_GT(chars.size(), 7700u); // JIS X 0208, NEC and IBM extensions, kana
    std::string all;
    for (const std::string& c : chars) {
        const std::string wrapped = "＊" + c + "＊";
        ASSERT_EQ(utf7_unpack(utf7_pack(wrapped)), wrapped) << c;
        all += c;
    }
    EXPECT_EQ(utf7_unpack(utf7_pack("＊" + all + "＊")), "＊" + all + "＊");
}

// Whatever a player types, the code-page text a line is packed from is
// what the game reads back from it (the server checks a post's texts in
// that form before packing them).
TEST(RankingUtf7, EveryLocalTextReadsBackAsItself) {
    const std::string star = to_local("＊");
    std::string all;
    for (char32_t c = 0x20; c < 0x20000; ++c) {
        if (c >= 0xD800 && c < 0xE000) continue;
        const std::string local = star + to_local(utf8::encode(c)) + star;
        if (c < 0x10000) {
            ASSERT_EQ(utf7_unpack_local(utf7_pack_local(local)), local) << unsigned(c);
        }
        all += local;
    }
    EXPECT_EQ(utf7_unpack_local(utf7_pack_local(all)), all);
}

TEST(RankingUtf7, TextsOutsideShiftJisAreSentAsQuestionMarks) {
    EXPECT_EQ(utf7_unpack(utf7_pack("＊〜😀x＊")), "＊～?x＊");
    EXPECT_EQ(to_local("a\xE6" "b"), "a?b"); // a broken sequence costs one byte
}

TEST(RankingUtf7, UnpackingForgivesBrokenLinesAndTheStrictFormRefusesThem) {
    using Text = std::optional<std::string>;
    EXPECT_EQ(utf7_unpack_strict("ZeVnLIqe"), Text("日本語"));
    // "!" ends a run whose leftover bits are not zero.
    EXPECT_FALSE(utf7_unpack_strict("ZeVn!"));
    EXPECT_FALSE(utf7_unpack_strict("AAA-")); // a NUL
    const std::string forgiven = utf7_unpack("ZeVn!abc");
    EXPECT_EQ(forgiven.substr(0, 3), "日");
    EXPECT_NE(forgiven.find('?'), std::string::npos);
    EXPECT_NE(forgiven.find("abc"), std::string::npos); // read on as direct characters
}

} // namespace
} // namespace tsu
