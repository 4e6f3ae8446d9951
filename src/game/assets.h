// The game's pictures and sound effects: the sprite table, the chip cuts,
// the editor's enemy palette, show_picture and play_se.
#pragma once
#include "render/bitmap.h"

#include <array>
#include <string>

namespace tsu {

struct Game;

// File in cg/ of every entry of the sprite table cg_img[0..93].
extern const std::array<const char*, 94> kSpriteFiles;

// Loads chip.bmp, chip2.bmp, help.jpg and every sprite, cuts the chips and
// paints the enemy palette. On the first missing or unreadable file it shows
// a message box naming the file and returns false.
bool load_pictures(Game& g);

// Cuts the 50 chips of a 10-pixel wide sheet into 20 x 20 pictures.
void cut_chips(const Bitmap& sheet, std::array<Bitmap, 50>& chips, bool transparent);
// Paints the editor's enemy palette from the enemy types and sprites.
void paint_teki_palette(Game& g);

// Loads cg/<name> into haikei and draws it on the view; failures are silent.
void show_picture(Game& g, const std::string& name);

// Plays dat/<name> once, at most once per tick, unless sound effects are off.
void play_se(Game& g, const std::string& name);

} // namespace tsu
