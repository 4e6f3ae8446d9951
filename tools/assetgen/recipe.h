// The drawing recipes of content/sprites/: each picture, chip and full-screen
// picture is a list of commands run on a canvas of its size. Pixel rows
// (lines without blanks) are drawn where the last `art X Y` put them.
//
//   palette NAME                  merge a named palette into the legend
//   legend c RRGGBB ...           set legend characters
//   art X Y                       the next pixel rows start at (X, Y)
//   place BLOCK X Y [flipx] [flipy] [rot90|rot180|rot270] [scale N]
//   fill C                        the whole canvas
//   box L T R B C [OUTLINE]       right and bottom exclusive
//   frame L T R B C               a 1-pixel outline only
//   disc CX CY RX RY C [OUTLINE]  an ellipse around a pixel
//   oval L T R B C [OUTLINE]      an ellipse in a box
//   line X0 Y0 X1 Y1 WIDTH C
//   poly C X Y X Y X Y ...        a filled polygon
//   vgrad L T R B C1 C2           gradient from top to bottom
//   hgrad L T R B C1 C2           gradient from left to right
//   dots SEED COUNT L T R B C...  scattered single pixels
//   text X Y SIZE bold|plain C [shadow C] [edge C] "text"
//   ctext CX Y ... / rtext RX Y ...   centred on CX / ending at RX
//   sprite NAME L T R B [flipx] [tint C F]   another picture stretched into
//                                 a box, optionally blended toward C by F
//   burst CX CY R N WIDTH C       a firework: N rays out to radius R
//   picture NAME X Y              another picture at its own size
//   replace C1 C2 [L T R B]       recolour
//   shade C F [L T R B]           blend every drawn pixel toward C by F
//   seal C                        fill the key-coloured pockets the figure
//                                 closes in (pin holes) with C
//   mirror                        flip the whole canvas left to right
//   use @NAME                     run the shared recipe [@NAME] here
//
// C is six hex digits or a legend character. A recipe may not draw with
// the picture's key colour: the game would see through it.
#pragma once
#include "art_library.h"
#include "render/bitmap.h"

#include <functional>
#include <string>

namespace tsu::assetgen {

// Finds a finished picture by its file name, for `sprite` and `picture`.
using PictureLookup = std::function<const Bitmap&(const std::string& name, const std::string& where)>;

class Painter {
  public:
    Painter(const ArtLibrary& library, PictureLookup pictures);

    // Runs the section's commands on `canvas`. `key` is the colour the
    // picture may not use (kNone for opaque pictures).
    void run(const Section& recipe, Bitmap& canvas, Colour key) const;

  private:
    const ArtLibrary& library_;
    PictureLookup pictures_;
};

} // namespace tsu::assetgen
