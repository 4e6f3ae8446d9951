// The 45 consolation texts as data: one-liners, half sympathy and half
// teasing, that cross the view as comments when the heroine is hit.
#include "game/consolation_texts.h"

#include "game/game.h"
#include "render/effect_spawn.h"

namespace tsu {

const std::array<const char*, kConsolationTexts> kConsolation{{
    // 0..12
    "くらったｗｗｗ",
    "やってしまったね……",
    "ああっ",
    "そこで当たるのは辛い……",
    "残念",
    "あああああ",
    "ｱｯｰ",
    "惜しい……",
    "落ち着けｗ",
    "ドンマイ　ドンマイ",
    "痛い",
    "そこでくらうのかｗ",
    "OH NO!!",
    // 13..39
    "まだ慌てるような時間じゃない",
    "今のはノーカウントで",
    "よそ見してたでしょｗ",
    "気にしない気にしない",
    "次は避けられるって！",
    "うわぁ……",
    "見事な当たりっぷり",
    "忍者なのに避けないの？",
    "修行が足りぬ",
    "ちょｗｗｗおまｗｗｗ",
    "いたたたた……",
    "がんばって～",
    "あちゃー",
    "今のは見なかったことにする",
    "敵さんナイスショットｗ",
    "転んでもただでは起きない！",
    "ふぁいとー！",
    "くじけるな！",
    "油断大敵",
    "深呼吸、深呼吸",
    "それは痛いｗ",
    "まさかの被弾",
    "しっかりー！",
    "ここからが本番だよ",
    "ぐはっ",
    "わざとだよね？ｗ",
    "泣かない泣かない",
    // 40..44
    "落ち着けと何度言えばｗ",
    "人生にはそういうこともあります",
    "まだまだいけるさ～",
    "余裕余裕いけるいける～",
    "ちょっとくらい大丈夫♪",
}};

void show_consolation_texts(Game& g) {
    // Two to four comments, each drawn on its own (repeats are allowed).
    // The draws happen with text effects off too, so a run replays the same.
    const int count = 2 + g.rnd(3);
    for (int k = 0; k < count; ++k)
        spawn_effect(g, 0, 0, kConsolationEffect,
                     kConsolation[std::size_t(g.rnd(kConsolationTexts))]);
}

} // namespace tsu
