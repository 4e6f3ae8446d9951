// The barrage comments of the S technique. The first heroine's table also
// serves the third, who has her own words in cases 6 and 12.
#include "game/comment_texts.h"

namespace tsu {

namespace {

constexpr CommentCase kCommon[kCommentCases] = {
    {"卍＝＝　卍＝＝　卍＝＝", nullptr, {{{30, rgb(0xFFFFFF), -200, 0}, {20, rgb(0xFFFFFF), -100, -200}}}},
    {"卍≡≡≡　卍≡≡≡　卍≡≡≡", nullptr, {{{25, rgb(0x00CCCC), -200, 0}, {15, rgb(0xCC00CC), -100, 200}}}},
    {"卍≡＝－　卍≡＝－　卍≡＝－　卍≡＝－", nullptr,
     {{{20, rgb(0xCCCC99), -230, 0}, {14, rgb(0xCCCC99), -50, -100}}}},
    {"卍＝　卍＝　卍＝　卍＝　卍＝　", nullptr,
     {{{15, rgb(0x666666), -150, 0}, {19, rgb(0x666666), -170, 150}}}},
    {"卍卍卍卍卍卍卍卍卍卍卍卍卍卍卍卍", nullptr,
     {{{15, rgb(0x3399FF), -150, 0}, {18, rgb(0x3399FF), -120, -150}}}},
    {"卍", nullptr, {{{40, rgb(0xFF0000), -40, 0}, {20, rgb(0xFF0000), -70, 200}}}},
    {"ソラ坊くーーん", nullptr, {{{25, rgb(0xBBBBBB), -100, 0}, {17, rgb(0xBBBBBB), -50, -170}}}},
    {"///////////////////", nullptr, {{{20, rgb(0xFF55DD), -120, 0}, {16, rgb(0xFF66FF), -150, 170}}}},
    {"////////////", nullptr, {{{15, rgb(0xFF00FF), -70, 0}, {25, rgb(0xFF00CC), -120, -180}}}},
    {"にんにん", nullptr, {{{15, rgb(0xCCBBAA), -50, 0}, {19, rgb(0xAABBCC), -90, 180}}}},
    {"忍者ブームｋｔｋｒ", nullptr, {{{20, rgb(0xFF6600), -140, 0}, {18, rgb(0xFF6666), -70, -110}}}},
    {"鼻血注意", nullptr, {{{25, rgb(0x999999), -100, 0}}}},
    {"忍法ヒトメボレノ術", nullptr, {{{23, rgb(0x0055DD), -120, 0}}}},
    {"是万煮ｐｗｗｗ", nullptr, {{{15, rgb(0x00DD55), -70, 0}}}},
    {"忍", nullptr, {{{25, rgb(0xCCCC00), -50, 0}}}},
    {"ｗｗｗｗｗｗｗｗｗ", nullptr, {{{12, rgb(0xCCCCCC), -40, 0}}}},
    {"うはｗｗｗｗｗｗｗｗｗ", nullptr, {{{14, rgb(0xAAAAAA), -40, 0}}}},
};

constexpr CommentCase kThirdCase6 = {"ナギ平くーーん", nullptr,
                                     {{{25, rgb(0xBBBBBB), -100, 0}, {17, rgb(0xBBBBBB), -50, -170}}}};
constexpr CommentCase kThirdCase12 = {"ナギナギ～～～～", nullptr, {{{23, rgb(0x0055DD), -120, 0}}}};

constexpr CommentCase kSecond[kCommentCases] = {
    {"水のうまさは異常", "世界三大飲料のあの水かい!?",
     {{{30, rgb(0xFFFFFF), -200, 0}, {17, rgb(0xCCBBAA), -100, -120, true}}}},
    {"ンジャメナァァァァァァ！", nullptr,
     {{{25, rgb(0xCCCC00), -230, 0}, {18, rgb(0xCC66CC), -160, -190}, {16, rgb(0xFF6666), -120, 150}}}},
    {"浮気だめえええええ", nullptr, {{{20, rgb(0xCCCC99), -200, 0}, {19, rgb(0xCC99CC), -150, -130}}}},
    {"＜●＞＜●＞", nullptr, {{{15, rgb(0xFFFFCC), -150, 0}, {25, rgb(0xFFCCCC), -200, 190}}}},
    {"じゃんけんまじで神ゲー", nullptr, {{{15, rgb(0xFF8800), -150, 0}}}},
    {"水最高", "水ぱねえ!!", {{{40, rgb(0xFF6600), -40, 0}, {24, rgb(0xFFCC00), -100, 120, true}}}},
    {"ｽｽﾞﾁｬﾝﾜｲｲﾃﾞｽﾖ", nullptr, {{{25, rgb(0xBBBBBB), -100, 0}}}},
    {"すすすすすすすすすす", nullptr, {{{20, rgb(0x00CC00), -120, 0}, {21, rgb(0x00CCCC), -180, -130}}}},
    {"すすすすす", nullptr, {{{15, rgb(0xFF00FF), -70, 0}}}},
    {"あなたガス", nullptr, {{{15, rgb(0xFFCC00), -50, 0}}}},
    {"落ち着けｗｗ", nullptr, {{{20, rgb(0xFF6600), -70, 0}}}},
    {"がんばれ！", nullptr, {{{25, rgb(0x999999), -100, 0}}}},
    {"忘れないよ！！", nullptr, {{{23, rgb(0x0055DD), -120, 0}}}},
    {"スズスズ", nullptr, {{{15, rgb(0x00DD55), -70, 0}}}},
    {"スズ愛してるうううううう", nullptr, {{{12, rgb(0xCCCC00), -100, 0}, {21, rgb(0xCCCC66), -200, -160}}}},
    {"ｗｗｗｗｗｗｗｗｗｗｗｗ", nullptr, {{{12, rgb(0xCCCCCC), -40, 0}, {19, rgb(0x66CC66), -70, 130}}}},
    {"ちょｗｗｗｗｗｗｗｗｗ", "コメｗｗｗｗｗｗｗｗｗ",
     {{{14, rgb(0xAAAAAA), -40, 0}, {17, rgb(0xCC66AA), -80, 80, true}}}},
};

} // namespace

const CommentCase& comment_case(int chara, int index) {
    const auto i = std::size_t(((index % kCommentCases) + kCommentCases) % kCommentCases);
    if (chara == 1) return kSecond[i];
    if (chara == 2 && i == 6) return kThirdCase6;
    if (chara == 2 && i == 12) return kThirdCase12;
    return kCommon[i];
}

} // namespace tsu
