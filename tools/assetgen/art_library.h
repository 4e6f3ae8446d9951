// The art sources of content/sprites/: palettes, blocks of pixel art and
// the recipes of every picture, gathered from all its .art files.
//
//   <base>            the palette every recipe starts from: one colour a
//   k 1A1020          line, a character and six hex digits (RRGGBB)
//
//   {name}            a block of pixel art: one row a line, one character a
//   ..kk..            pixel; '.' is left untouched, every other character
//   .kwwk.            is a colour of the legend in force where it is placed
//
//   [file.bmp]        a picture: drawing commands and rows (recipe.h)
#pragma once
#include "render/colour.h"
#include "source_text.h"

#include <map>
#include <string>
#include <vector>

namespace tsu::assetgen {

using Legend = std::map<char, Colour>;

struct Block {
    std::string name, where;
    int width = 0, height = 0;
    std::vector<std::string> rows;
};

class ArtLibrary {
  public:
    // Adds every section of the file; a name given twice is a fault.
    void add(const SourceFile& file);
    void add_folder(const std::string& folder); // every .art file in it

    const Block& block(const std::string& name, const std::string& where) const;
    const Legend& palette(const std::string& name, const std::string& where) const;
    const Section* recipe(const std::string& name) const; // null when there is none
    std::vector<std::string> recipe_names() const;
    Legend base() const; // the <base> palette, empty when there is none

  private:
    std::map<std::string, Block> blocks_;
    std::map<std::string, Legend> palettes_;
    std::map<std::string, Section> recipes_;
};

// A colour word: six hex digits, or one character of the legend.
Colour parse_colour(const std::string& word, const Legend& legend, const std::string& where);
// Legend lines "c RRGGBB [c RRGGBB ...]" added to (and overriding) `legend`.
void add_legend(Legend& legend, const std::vector<std::string>& words, std::size_t first, const std::string& where);

} // namespace tsu::assetgen
