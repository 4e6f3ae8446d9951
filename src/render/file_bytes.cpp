// Whole-file reading and writing for the picture loaders and savers.
#include "render/file_bytes.h"

#include <fstream>

namespace tsu {

bool read_file_bytes(const std::string& path, std::vector<std::uint8_t>& out, std::size_t max_bytes,
                     std::string* error) {
    auto fail = [&](const std::string& why) {
        if (error != nullptr) *error = why + ": " + path;
        return false;
    };
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return fail("cannot open");
    const std::streamoff size = in.tellg();
    if (size < 0) return fail("cannot read");
    if (std::size_t(size) > max_bytes) return fail("file too large");
    out.resize(std::size_t(size));
    in.seekg(0);
    if (size > 0 && !in.read(reinterpret_cast<char*>(out.data()), size)) return fail("cannot read");
    return true;
}

bool write_file_bytes(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string* error) {
    std::ofstream outf(path, std::ios::binary | std::ios::trunc);
    if (outf) outf.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (outf) outf.close();
    if (!outf) {
        if (error != nullptr) *error = "cannot write " + path;
        return false;
    }
    return true;
}

} // namespace tsu
