// Reading and writing pictures: BMP (24/32-bit and 8-bit palette, read and
// write), JPEG (read through libjpeg with an error handler that never exits;
// write for the asset tools) and PNG (write, for screenshots).
#pragma once
#include "render/bitmap.h"

#include <string>

namespace tsu {

// Each loader returns false and leaves `out` unchanged on any error (missing
// file, corrupt data), with a readable reason in `error` when given.
bool load_bmp(const std::string& path, Bitmap& out, std::string* error = nullptr);
bool load_jpeg(const std::string& path, Bitmap& out, std::string* error = nullptr);
// Chooses by the file's first bytes (BM or FF D8).
bool load_picture(const std::string& path, Bitmap& out, std::string* error = nullptr);

bool save_bmp(const std::string& path, const Bitmap& pic, std::string* error = nullptr); // 24-bit
bool save_jpeg(const std::string& path, const Bitmap& pic, int quality = 92,
               std::string* error = nullptr);
bool save_png(const std::string& path, const Bitmap& pic, std::string* error = nullptr);

} // namespace tsu
