// Parsing of the game's command-line options.
#include "app/command_line.h"

#include "app/settings.h"

#include <charconv>
#include <string_view>

namespace tsu {

namespace {
bool parse_int(std::string_view s, int64_t& out) {
    if (s.empty()) return false;
    const char* end = s.data() + s.size();
    auto [p, ec] = std::from_chars(s.data(), end, out);
    return ec == std::errc() && p == end;
}
} // namespace

const char* game_version() { return TSUMIKIYA_VERSION; }

std::string usage_text() {
    return "usage: tsumikiya [--root DIR] [--scale N] [--fullscreen|--windowed] [--seed N]\n"
           "                 [--ranking-url URL] [--replay FILE] [--editor]\n"
           "       tsumikiya --headless [--editor] [--root DIR] [--seed N] [--input FILE] [--ticks N]\n"
           "                 [--dump FILE.json] [--shot FILE.png@TICK]... [--replay FILE]\n"
           "       tsumikiya --help | --version\n";
}

bool parse_command_line(int argc, const char* const* argv, CommandLine& out, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        auto value = [&](std::string_view& v) {
            if (i + 1 >= argc) {
                error = std::string(a) + " needs a value";
                return false;
            }
            v = argv[++i];
            return true;
        };
        std::string_view v;
        int64_t n = 0;
        if (a == "--headless") {
            out.headless = true;
        } else if (a == "--editor") {
            out.editor = true;
        } else if (a == "--help" || a == "-h") {
            out.help = true;
        } else if (a == "--version") {
            out.version = true;
        } else if (a == "--fullscreen") {
            out.fullscreen = 1;
        } else if (a == "--windowed") {
            out.fullscreen = 0;
        } else if (a == "--ranking-url") {
            if (!value(v)) return false;
            if (!valid_ranking_url(v)) {
                error = "--ranking-url needs an http:// or https:// address";
                return false;
            }
            out.ranking_url = std::string(v);
        } else if (a == "--virtual-pad") {
            if (!value(v)) return false;
            out.virtual_pad = std::string(v);
        } else if (a == "--replay") {
            if (!value(v)) return false;
            out.replay = std::string(v);
        } else if (a == "--root") {
            if (!value(v)) return false;
            out.root = std::string(v);
        } else if (a == "--seed") {
            if (!value(v)) return false;
            if (!parse_int(v, n) || n < 0) {
                error = "--seed needs a non-negative number";
                return false;
            }
            out.seed_given = true;
            out.seed = uint64_t(n);
        } else if (a == "--input") {
            if (!value(v)) return false;
            out.input = std::string(v);
        } else if (a == "--ticks") {
            if (!value(v)) return false;
            if (!parse_int(v, n) || n < 0 || n > 100000000) {
                error = "--ticks needs a number 0..100000000";
                return false;
            }
            out.ticks = int32_t(n);
        } else if (a == "--dump") {
            if (!value(v)) return false;
            out.dump = std::string(v);
        } else if (a == "--shot") {
            if (!value(v)) return false;
            const auto at = v.rfind('@');
            if (at == std::string_view::npos || at == 0 || !parse_int(v.substr(at + 1), n) ||
                n < 0 || n > 100000000) {
                error = "--shot needs FILE.png@TICK";
                return false;
            }
            out.shots.push_back({std::string(v.substr(0, at)), int32_t(n)});
        } else if (a == "--scale") {
            if (!value(v)) return false;
            if (!parse_int(v, n) || n < 1 || n > 16) {
                error = "--scale needs a number 1..16";
                return false;
            }
            out.scale = int(n);
        } else {
            error = "unknown option " + std::string(a);
            return false;
        }
    }
    if (!out.replay.empty() && !out.input.empty()) {
        error = "--replay and --input cannot be combined";
        return false;
    }
    return true;
}

} // namespace tsu
