// The power-ups' crossing comments. An entry with three wordings has one per
// heroine (ソラ, スズ, ナギ).
#include "game/power_up_texts.h"

#include <array>
#include <span>

namespace tsu {

namespace {

struct Entry {
    const char* text;
    const char* text_chara1 = nullptr; // the second heroine's wording, if her own
    const char* text_chara2 = nullptr; // the third heroine's wording, if her own
};

const Entry kRedFire[] = {
    {"忍法火遁の術！！！！"}, {"これで倒すと小判二倍だよ～"}, {"火の用心"},
    {"あちちちち"}, {"燃えろ燃えろ～"}, {"焼き芋できるかな？"}, {"火傷に注意！"},
    {"めらめら～"}, {"火力全開でござる"}, {"口から火が出る忍者です"}, {"ファイアーー！"},
};
const Entry kBlade[] = {
    {"弾を消せるんだよー"}, {"当たれば威力だけはあります、当たればね…"},
    {"忍刀「葱丸」", "神槍「向日葵」", "蛸足です"},
    {"ずばっと参上！"}, {"近づいて斬るべし"}, {"一刀両断～"}, {"間合いが大事でござる"},
    {"振り回すと危ないよ"}, {"斬れ味ばつぐん"}, {"えいっ！やあっ！"}, {"刃物の扱いは慎重に"},
};
const Entry kKunai[] = {
    {"クナイ最強説"}, {"←↑→ ←↑→ ←↑→ ←↑→ ←↑→"}, {"三方向に投げるよ"},
    {"上にも飛ぶんです"}, {"クナイ三本勝負！"}, {"手数で勝負でござる"}, {"後ろも安心"},
    {"しゅしゅしゅっ"}, {"投げ放題～"}, {"クナイの雨あられ"}, {"前も後ろも上もまかせて"},
};
const Entry kLoveNote[] = {
    {"恋ノートｷﾀｰｰｰｰ(゜∀゜)ｰｰｰｰｯ!!"}, {"弾や敵に当たってもしばらくはヘッチャラです"},
    {"恋の力は無敵です"}, {"ドキドキが止まらない"}, {"守られてる感じ"},
    {"ラブラブバリアー！"}, {"恋する乙女は強いのです"}, {"好きって書いてある…"},
    {"ハートで受け止める"}, {"ちょっとだけなら平気"}, {"恋は盲目～"}, {"ノートが守ってくれるよ"},
};
const Entry kKantsu[] = {
    {"貫通手裏剣!!"}, {"貫通するよーーーん"}, {"まとめて串刺し"}, {"一列に並んでね"},
    {"突き抜けろ！"}, {"止まらない手裏剣"}, {"何匹でも貫くよ"}, {"光る手裏剣でござる"},
    {"壁は抜けないよ"}, {"貫け～！"}, {"全部まとめてどーん"},
};
const Entry kFlight[] = {
    {"とびますとびます"}, {"飛んだｗｗｗｗ"}, {"空中浮遊～"}, {"空はひろいなあ"},
    {"ふわふわ～"}, {"高いところ大好き"}, {"落ちないって素敵"}, {"空中散歩でござる"},
    {"鳥になった気分"}, {"上下キーで移動だよ"}, {"雲の上まで行けるかな"},
};
const Entry kBlueFire[] = {
    {"これ範囲でかいんだよ"}, {"赤火遁みたいに小判二倍とかにはならないけどね"},
    {"青い炎は熱いんだよ"}, {"広範囲に燃やすよ"}, {"蒼き火遁の術！"}, {"ごうごう～"},
    {"上の段まで届くよ"}, {"青く燃えろ！"}, {"一網打尽でござる"}, {"炎の壁だー"},
    {"ひんやり見えて熱い"},
};

std::span<const Entry> list(PowerUp p) {
    switch (p) {
    case PowerUp::red_fire: return kRedFire;
    case PowerUp::blade: return kBlade;
    case PowerUp::kunai: return kKunai;
    case PowerUp::love_note: return kLoveNote;
    case PowerUp::kantsu: return kKantsu;
    case PowerUp::flight: return kFlight;
    case PowerUp::blue_fire: return kBlueFire;
    }
    return kRedFire;
}

} // namespace

int power_up_text_count(PowerUp p) { return int(list(p).size()); }

std::string power_up_text(PowerUp p, int index, int chara) {
    const auto l = list(p);
    if (index < 0 || std::size_t(index) >= l.size()) return {};
    const Entry& e = l[std::size_t(index)];
    if (chara == 1 && e.text_chara1 != nullptr) return e.text_chara1;
    if (chara == 2 && e.text_chara2 != nullptr) return e.text_chara2;
    return e.text;
}

} // namespace tsu
