// iconv wrappers for CP932 and the other encodings the game meets.
#include "data/text_codec.h"

#include <cerrno>
#include <iconv.h>

namespace tsu {

namespace {

class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    enum class Result { done, invalid, incomplete };

    // Converts from `in` onward, appending to `out`; stops at the end of the
    // input or at the first bad sequence (`in` then points at it).
    Result run(std::string_view& in, std::string& out) {
        char* src = const_cast<char*>(in.data());
        std::size_t src_left = in.size();
        Result result = Result::done;
        while (src_left > 0) {
            if (!step(&src, &src_left, out)) {
                result = errno == EINVAL ? Result::incomplete : Result::invalid;
                break;
            }
        }
        in = std::string_view(src, src_left);
        return result;
    }

    // Writes the closing shift sequence of a stateful encoding.
    bool flush(std::string& out) { return step(nullptr, nullptr, out); }

  private:
    // One iconv call with room grown on E2BIG; false on EILSEQ or EINVAL.
    bool step(char** src, std::size_t* src_left, std::string& out) {
        for (;;) {
            char buf[256];
            char* dst = buf;
            std::size_t dst_left = sizeof buf;
            const std::size_t r = iconv(cd_, src, src_left, &dst, &dst_left);
            out.append(buf, sizeof buf - dst_left);
            if (r != std::size_t(-1)) return true;
            if (errno == E2BIG) continue;
            return false;
        }
    }

    iconv_t cd_;
};

// U+301C WAVE DASH and U+FF5E FULLWIDTH TILDE in UTF-8.
constexpr std::string_view kWaveDash = "\xE3\x80\x9C";
constexpr std::string_view kFullwidthTilde = "\xEF\xBD\x9E";

} // namespace

std::optional<std::string> convert_text(std::string_view text, const char* to,
                                        const char* from) {
    Converter c(to, from);
    if (!c.ok()) return std::nullopt;
    std::string out;
    out.reserve(text.size() * 2);
    if (c.run(text, out) != Converter::Result::done) return std::nullopt;
    if (!c.flush(out)) return std::nullopt;
    return out;
}

std::optional<std::string> utf8_to_cp932(std::string_view utf8) {
    std::string mapped;
    mapped.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        if (utf8.substr(i, kWaveDash.size()) == kWaveDash) {
            mapped += kFullwidthTilde;
            i += kWaveDash.size();
        } else {
            mapped += utf8[i++];
        }
    }
    return convert_text(mapped, "CP932", "UTF-8");
}

std::string cp932_to_utf8(std::string_view cp932) {
    Converter c("UTF-8", "CP932");
    if (!c.ok()) return std::string(cp932.size(), '?');
    std::string out;
    out.reserve(cp932.size() * 2);
    for (;;) {
        const Converter::Result r = c.run(cp932, out);
        if (r == Converter::Result::done) break;
        out += '?';
        if (r == Converter::Result::incomplete) break; // cut off at the end
        cp932.remove_prefix(1);
    }
    c.flush(out);
    return out;
}

} // namespace tsu
