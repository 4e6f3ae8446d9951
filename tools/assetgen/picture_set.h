// Every picture of cg/, built from content/sprites/: the size table says
// what to build and how big, the art library holds each picture's recipe.
// Pictures are built once, on first use, so recipes may draw each other.
#pragma once
#include "art_library.h"
#include "recipe.h"
#include "sizes.h"

#include "render/bitmap.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace tsu::assetgen {

inline constexpr int kChipCount = 50, kChipSide = 10;

class PictureSet {
  public:
    // Reads content_dir/sprites (sizes.txt and every .art file); throws
    // SourceError on a fault.
    explicit PictureSet(const std::string& content_dir);

    // The finished picture of a file of the size table.
    const Bitmap& get(const std::string& file, const std::string& where = "assetgen");
    // One 10 x 10 chip of chip.bmp (lower) or chip2.bmp (upper), 0..49.
    const Bitmap& chip(bool upper, int number);

    // Throws SourceError unless every picture of the size table has its
    // recipe and every recipe builds a picture of the table or a chip.
    void check_complete() const;

    const std::vector<PictureSize>& sizes() const { return sizes_; }
    const ArtLibrary& library() const { return library_; }

  private:
    Bitmap build(const PictureSize& size, const std::string& where);
    Bitmap build_sheet(bool upper);

    std::vector<PictureSize> sizes_;
    ArtLibrary library_;
    std::unique_ptr<Painter> painter_;
    std::map<std::string, Bitmap> built_;
    std::map<std::pair<bool, int>, Bitmap> chips_;
    std::set<std::string> building_; // to report recipes that draw themselves
};

// Writes every picture of the size table into root/cg: BMP (24-bit) or JPEG
// by the file's extension. Throws SourceError on a fault of the sources.
bool write_pictures(PictureSet& set, const std::string& root, std::string* error);

} // namespace tsu::assetgen
