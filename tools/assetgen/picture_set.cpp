// Every picture of cg/, built from content/sprites/ (see picture_set.h).
#include "picture_set.h"

#include "figures.h"

#include "render/image_io.h"

namespace tsu::assetgen {
namespace {

bool is_chip_sheet(const std::string& file) { return file == "chip.bmp" || file == "chip2.bmp"; }

} // namespace

PictureSet::PictureSet(const std::string& content_dir) {
    const std::string folder = content_dir + "/sprites";
    sizes_ = read_sizes(folder + "/sizes.txt");
    library_.add_folder(folder);
    painter_ = std::make_unique<Painter>(
        library_, [this](const std::string& name, const std::string& where) -> const Bitmap& { return get(name, where); });
}

const Bitmap& PictureSet::get(const std::string& file, const std::string& where) {
    if (const auto it = built_.find(file); it != built_.end()) return it->second;
    const PictureSize* size = find_size(sizes_, file);
    if (!size) throw SourceError(where + ": no picture " + file + " in sizes.txt");
    if (!building_.insert(file).second) throw SourceError(where + ": " + file + " draws itself");
    Bitmap pic = is_chip_sheet(file) ? build_sheet(file == "chip2.bmp") : build(*size, where);
    building_.erase(file);
    if (pic.width() != size->width || pic.height() != size->height)
        throw SourceError(where + ": " + file + " came out at the wrong size");
    return built_.emplace(file, std::move(pic)).first->second;
}

Bitmap PictureSet::build(const PictureSize& size, const std::string&) {
    const Section* recipe = library_.recipe(size.file);
    Bitmap pic(size.width, size.height, size.keyed ? size.key : kBlack);
    painter_->run(*recipe, pic, size.keyed ? size.key : kNone);
    if (size.keyed) {
        if (pic.key_colour() != size.key)
            throw SourceError(recipe->where + ": the bottom-left pixel of " + size.file +
                              " must stay its key colour");
        pic.transparent = true;
    }
    return pic;
}

const Bitmap& PictureSet::chip(bool upper, int number) {
    const auto id = std::make_pair(upper, number);
    if (const auto it = chips_.find(id); it != chips_.end()) return it->second;
    const Colour key = upper ? kKey : kNone;
    Bitmap c(kChipSide, kChipSide, upper ? kKey : kBlack);
    const std::string name = std::string(upper ? "upper." : "lower.") + std::to_string(number);
    if (const Section* recipe = library_.recipe(name)) {
        painter_->run(*recipe, c, key);
        if (upper && c.key_colour() != kKey)
            throw SourceError(recipe->where + ": the bottom-left pixel of an upper chip must stay the key colour");
    }
    c.transparent = upper;
    return chips_.emplace(id, std::move(c)).first->second;
}

Bitmap PictureSet::build_sheet(bool upper) {
    Bitmap sheet(kChipSide, kChipSide * kChipCount, upper ? kKey : kBlack);
    for (int j = 0; j < kChipCount; ++j) sheet.copy_rect({0, kChipSide * j, kChipSide, kChipSide * (j + 1)}, chip(upper, j), {0, 0, kChipSide, kChipSide});
    return sheet;
}

void PictureSet::check_complete() const {
    // Every recipe builds a listed picture or chip, and every listed picture
    // has its recipe: nothing is drawn that the game never loads.
    for (const std::string& name : library_.recipe_names()) {
        const bool chip = name.starts_with("lower.") || name.starts_with("upper.") || name.starts_with("@");
        if (!chip && !find_size(sizes_, name))
            throw SourceError(library_.recipe(name)->where + ": " + name + " is not in sizes.txt");
    }
    for (const PictureSize& s : sizes_)
        if (!is_chip_sheet(s.file) && !library_.recipe(s.file))
            throw SourceError("sizes.txt: no recipe [" + s.file + "]");
}

bool write_pictures(PictureSet& set, const std::string& root, std::string* error) {
    set.check_complete();
    for (const PictureSize& s : set.sizes()) {
        const Bitmap& pic = set.get(s.file);
        const std::string path = root + "/cg/" + s.file;
        const bool ok = s.file.ends_with(".jpg") ? save_jpeg(path, pic, 92, error) : save_bmp(path, pic, error);
        if (!ok) return false;
    }
    return true;
}

} // namespace tsu::assetgen
