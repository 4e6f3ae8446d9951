// Loading a picture whose kind is told by its first bytes rather than by
// its name: "BM" starts a BMP file, FF D8 a JPEG file.
#include "render/image_io.h"

#include <fstream>

namespace tsu {

bool load_picture(const std::string& path, Bitmap& out, std::string* error) {
    unsigned char magic[2] = {0, 0};
    std::ifstream in(path, std::ios::binary);
    if (!in || !in.read(reinterpret_cast<char*>(magic), 2)) {
        if (error != nullptr) *error = (in ? "file too short: " : "cannot open: ") + path;
        return false;
    }
    in.close();
    if (magic[0] == 'B' && magic[1] == 'M') return load_bmp(path, out, error);
    if (magic[0] == 0xFF && magic[1] == 0xD8) return load_jpeg(path, out, error);
    if (error != nullptr) *error = "not a BMP or JPEG picture: " + path;
    return false;
}

} // namespace tsu
