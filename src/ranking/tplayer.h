// One player of the internet ranking (`tplayer`), the table the game keeps of
// them, and what a player stands on in each of the seven stage sets.
// Texts are UTF-8, as everywhere in the game's memory.
#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace tsu {

// Stage sets of the ranking: 0 the official stages, 1..6 the extra packs.
constexpr int kStageSets = 7;

struct tplayer {
    std::string date;    // z: date of the player's last post, as sent ("2009/3/7")
    std::string place;   // l: rough region
    std::string name;    // n: ranking name; empty = free entry
    std::string comment; // c: one-line comment
    int32_t hi_stage = 0;   // y: stage index reached in the best official run
    int32_t hi_chara = 0;   // x: heroine of that run 1..3, 0 = not recorded
    int32_t ir_id = 0;      // t: the player's random ID 0..9999
    int32_t hi_score = 0;   // g: best gold of the official stages
    int32_t age = 0;        // a
    int32_t play_count = 0; // p: official runs started
    // Index 1..6 = extra pack (index 0 unused).
    std::array<int32_t, kStageSets> ex_play{};  // d h k q u $
    std::array<int32_t, kStageSets> ex_score{}; // b f j o s w
    std::array<int32_t, kStageSets> ex_chara{}; // first digit of e i m r v #
    std::array<int32_t, kStageSets> ex_stage{}; // second digit of e i m r v #
};

// Entry 0 is the notice entry (the server's refusal notice in its name);
// entries 1..99 hold players in the order of the server's answer.
constexpr int kRankingEntries = 100;
using RankingTable = std::array<tplayer, kRankingEntries>;

// A player's record in one stage set: the values the ranking screen sorts
// by and shows.
struct SetRecord {
    int32_t score = 0;
    int32_t chara = 0;
    int32_t stage = 0;
    int32_t plays = 0;
};
SetRecord set_record(const tplayer& p, int set);

} // namespace tsu
