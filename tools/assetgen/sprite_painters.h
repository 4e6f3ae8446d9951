// Painters of the INTERIM sprites, one per picture file. Each paints a
// picture already sized by the sprite table and filled with its key colour.
#pragma once
#include "render/bitmap.h"

namespace tsu::assetgen {

// The three heroines and their frames (sprite_heroines.cpp), 50 x 50.
enum class Pose { stand, attack, fly1, fly2 };
enum class Heroine { sora, suzu, nagi };
void paint_heroine(Bitmap& b, Heroine who, Pose pose);
void paint_clone(Bitmap& b, Heroine who); // the clones of the clone technique, 30 x 30

// Enemies (sprite_enemies.cpp): 10 x 10 pixel art, except the big picture.
void paint_enemy(Bitmap& b, int number); // teki<number>.bmp, 1..24 but 3
void paint_big_caterpillar(Bitmap& b);   // teki3.bmp, 300 x 150

// Items and status icons (sprite_items.cpp).
enum class Coin { koban, silver, copper };
enum class Gem { emerald, sapphire, diamond };
enum class Scroll { clone, invincible };
void paint_heart(Bitmap& b, bool extra_life);
void paint_coin(Bitmap& b, Coin kind);
void paint_gem(Bitmap& b, Gem kind);
void paint_pepper(Bitmap& b);
void paint_scroll(Bitmap& b, Scroll kind);
void paint_bag(Bitmap& b);
void paint_naruto(Bitmap& b);
void paint_love_note(Bitmap& b);
void paint_love_shield(Bitmap& b);
void paint_smiley(Bitmap& b);
void paint_wings(Bitmap& b);
void paint_stock_icon(Bitmap& b, int which); // 0 invincibility, 1 clone, 2 barrage
void paint_ring_ball(Bitmap& b);
void paint_block(Bitmap& b);
void paint_gauge_frame(Bitmap& b);

// Weapons and shots (sprite_weapons.cpp).
void paint_shuriken(Bitmap& b, bool turned, bool glowing);
void paint_enemy_shot(Bitmap& b, int colour_set, int frame);
void paint_kunai(Bitmap& b, int direction); // 0 right, 1 up, 2 left, 3 the three-way item
void paint_leek(Bitmap& b);
void paint_sunflower(Bitmap& b);
void paint_tentacle(Bitmap& b);
void paint_red_fire(Bitmap& b, int frame);   // 80 x 20
void paint_blue_fire(Bitmap& b, int frame);  // 100 x 40
void paint_leek_swing(Bitmap& b, int frame);      // 60 x 20, frames 1..3
void paint_sunflower_thrust(Bitmap& b, int frame);
void paint_tentacle_sweep(Bitmap& b, int frame);
void paint_leaf(Bitmap& b, bool second);     // 14 x 15 on black

} // namespace tsu::assetgen
