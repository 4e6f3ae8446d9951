// UTF-7 through glibc iconv. Each thread keeps its converters open: a
// ranking server packs and unpacks on every request of its worker threads.
#include "ranking/utf7.h"

#include "ranking/local_text.h"

#include <cerrno>
#include <iconv.h>

namespace tsu {

namespace {

class Iconv {
  public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Iconv() {
        if (ok()) iconv_close(cd_);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts the whole of `in`. With `forgive` a bad byte becomes
    // `replacement` and the conversion starts over after it (the shift
    // state reset, so the rest is read as direct characters); without it
    // the first bad byte fails the conversion. The shift state is flushed
    // at the end: UTF-7 closes its last base64 run only then.
    std::optional<std::string> run(std::string_view in, bool forgive, char replacement) {
        if (!ok()) return std::nullopt;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string out;
        out.reserve(in.size() * 2 + 8);
        char* src = const_cast<char*>(in.data());
        std::size_t left = in.size();
        while (left > 0) {
            if (step(&src, &left, out)) continue;
            if (!forgive) return std::nullopt;
            out += replacement;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            if (errno == EINVAL) break; // cut off inside a character at the end
            ++src, --left;
        }
        if (!step(nullptr, nullptr, out) && !forgive) return std::nullopt;
        return out;
    }

  private:
    // One iconv call, the output grown on E2BIG; false on a bad sequence.
    bool step(char** src, std::size_t* left, std::string& out) {
        for (;;) {
            char buf[512];
            char* dst = buf;
            std::size_t room = sizeof buf;
            const std::size_t r = iconv(cd_, src, left, &dst, &room);
            out.append(buf, sizeof buf - room);
            if (r != std::size_t(-1)) return true;
            if (errno != E2BIG) return false;
        }
    }

    iconv_t cd_;
};

Iconv& local_to_utf7() {
    thread_local Iconv cd("UTF-7", "CP932");
    return cd;
}
Iconv& utf7_to_utf8() {
    thread_local Iconv cd("UTF-8", "UTF-7");
    return cd;
}

std::string cut_ends(std::string s) {
    if (s.size() < 2) return {};
    return s.substr(1, s.size() - 2);
}

std::string with_ends(std::string_view packed) {
    std::string s;
    s.reserve(packed.size() + 2);
    s += '+';
    s += packed;
    s += '-';
    return s;
}

} // namespace

std::string utf7_pack_local(std::string_view cp932) {
    // A byte without a CP932 form cannot come from the game's own texts;
    // it is sent as '?' rather than failing the exchange.
    return cut_ends(local_to_utf7().run(cp932, true, '?').value_or(""));
}

std::string utf7_unpack_local(std::string_view packed) {
    return to_local(utf7_unpack(packed));
}

std::string utf7_pack(std::string_view utf8) { return utf7_pack_local(to_local(utf8)); }

std::string utf7_unpack(std::string_view packed) {
    return utf7_to_utf8().run(with_ends(packed), true, '?').value_or("");
}

std::optional<std::string> utf7_unpack_strict(std::string_view packed) {
    auto text = utf7_to_utf8().run(with_ends(packed), false, '?');
    if (!text) return std::nullopt;
    // glibc lets a NUL through; no ranking text holds one.
    if (text->find('\0') != std::string::npos) return std::nullopt;
    return text;
}

} // namespace tsu
