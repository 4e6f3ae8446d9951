// JPEG pictures through libjpeg. The library's fatal errors jump back here
// through setjmp instead of ending the process, and its warnings (truncated
// or corrupt data, which it would otherwise paper over with grey) count as
// errors too, so a damaged file is refused.
//
// The setjmp functions below keep every object they touch after setjmp
// either in memory they were handed (by pointer/reference) or in libjpeg's
// own pools, and only libjpeg's C frames lie between setjmp and longjmp.
#include "render/file_bytes.h"
#include "render/image_io.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace tsu {
namespace {

constexpr std::size_t kMaxFileBytes = 64u << 20;

struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void on_error(j_common_ptr c) {
    auto* e = reinterpret_cast<JpegError*>(c->err);
    (*c->err->format_message)(c, e->message);
    std::longjmp(e->jump, 1);
}

void on_message(j_common_ptr c, int level) {
    if (level < 0) on_error(c); // a warning: the data is damaged
}

void install(JpegError& err) {
    jpeg_std_error(&err.mgr);
    err.mgr.error_exit = on_error;
    err.mgr.emit_message = on_message;
    err.message[0] = '\0';
}

bool decode(const std::vector<std::uint8_t>& data, std::vector<Colour>& px, int& w, int& h,
            std::string& why) {
    jpeg_decompress_struct cinfo;
    JpegError err;
    install(err);
    cinfo.err = &err.mgr;
    if (setjmp(err.jump) != 0) {
        why = err.message;
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&cinfo, TRUE);
    if (cinfo.image_width > JDIMENSION(kMaxPictureSide) || cinfo.image_height > JDIMENSION(kMaxPictureSide)) {
        why = "JPEG picture too large";
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    if (cinfo.output_components != 3) {
        why = "unsupported JPEG colours";
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    w = int(cinfo.output_width);
    h = int(cinfo.output_height);
    px.assign(std::size_t(w) * std::size_t(h), kBlack);
    JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                cinfo.output_width * 3, 1);
    while (cinfo.output_scanline < cinfo.output_height) {
        const std::size_t y = cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, row, 1);
        Colour* dst = px.data() + y * std::size_t(w);
        const JSAMPLE* s = row[0];
        for (int x = 0; x < w; ++x) dst[x] = rgb(s[3 * x], s[3 * x + 1], s[3 * x + 2]);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

bool encode(std::FILE* file, const Bitmap& pic, int quality, std::string& why) {
    jpeg_compress_struct cinfo;
    JpegError err;
    install(err);
    cinfo.err = &err.mgr;
    if (setjmp(err.jump) != 0) {
        why = err.message;
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = JDIMENSION(pic.width());
    cinfo.image_height = JDIMENSION(pic.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, std::clamp(quality, 1, 100), TRUE);
    // Full-resolution colour (4:4:4): small coloured texts stay sharp.
    cinfo.comp_info[0].h_samp_factor = 1;
    cinfo.comp_info[0].v_samp_factor = 1;
    jpeg_start_compress(&cinfo, TRUE);
    JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                cinfo.image_width * 3, 1);
    const Colour* px = pic.pixels().data();
    while (cinfo.next_scanline < cinfo.image_height) {
        const Colour* src = px + std::size_t(cinfo.next_scanline) * std::size_t(pic.width());
        JSAMPLE* d = row[0];
        for (int x = 0; x < pic.width(); ++x) {
            d[3 * x] = JSAMPLE(src[x] >> 16);
            d[3 * x + 1] = JSAMPLE(src[x] >> 8);
            d[3 * x + 2] = JSAMPLE(src[x]);
        }
        jpeg_write_scanlines(&cinfo, row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

} // namespace

bool load_jpeg(const std::string& path, Bitmap& out, std::string* error) {
    std::vector<std::uint8_t> data;
    if (!read_file_bytes(path, data, kMaxFileBytes, error)) return false;
    std::vector<Colour> px;
    int w = 0, h = 0;
    std::string why;
    if (!decode(data, px, w, h, why)) {
        if (error != nullptr) *error = "bad JPEG (" + why + "): " + path;
        return false;
    }
    out.resize(w, h);
    out.pixels().swap(px);
    return true;
}

bool save_jpeg(const std::string& path, const Bitmap& pic, int quality, std::string* error) {
    if (pic.empty()) {
        if (error != nullptr) *error = "cannot save an empty picture: " + path;
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        if (error != nullptr) *error = "cannot write " + path;
        return false;
    }
    std::string why;
    const bool ok = encode(file, pic, quality, why);
    const bool closed = std::fclose(file) == 0;
    if (!ok || !closed) {
        if (error != nullptr) *error = (ok ? std::string("cannot write") : "JPEG error (" + why + ")") + ": " + path;
        std::remove(path.c_str());
        return false;
    }
    return true;
}

} // namespace tsu
