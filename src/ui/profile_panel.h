// The profile box inside the option panel: the ranking name (registered
// once), the comment, age and region that the ranking posts.
#pragma once

namespace tsu {

struct Game;

// Fills the profile's fields from the player record (when the option panel opens).
void fill_profile(Game& g);
void Label31Click(Game& g);  // "ﾌﾟﾛﾌｨｰﾙ設定": opens the profile box
void Label32Click(Game& g);  // "Back": closes it
void ir_name_bClick(Game& g); // "名前決定": registers the ranking name

} // namespace tsu
