// The crossing comments that greet each power-up.
#pragma once
#include <string>

namespace tsu {

enum class PowerUp { red_fire, blade, kunai, love_note, kantsu, flight, blue_fire };

// Number of texts in a power-up's list.
int power_up_text_count(PowerUp p);
// Text `index` of a power-up's list in the wording of heroine `chara`.
std::string power_up_text(PowerUp p, int index, int chara);

} // namespace tsu
