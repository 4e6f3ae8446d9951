// Recording, writing and reading replays.
#include "app/replay.h"

#include "app/command_line.h"
#include "data/file_io.h"

#include <algorithm>
#include <charconv>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <stdlib.h>
#include <unistd.h>

namespace tsu {

namespace fs = std::filesystem;

namespace {

constexpr const char* kMagic = "# tsumikiya replay";
constexpr const char* kExtension = ".replay";

std::string to_hex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        out += digits[u >> 4];
        out += digits[u & 15];
    }
    return out;
}

bool from_hex(std::string_view hex, std::string& out) {
    if (hex.size() % 2 != 0) return false;
    out.clear();
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        unsigned v = 0;
        auto [p, ec] = std::from_chars(hex.data() + i, hex.data() + i + 2, v, 16);
        if (ec != std::errc() || p != hex.data() + i + 2) return false;
        out += char(v);
    }
    return true;
}

template <typename T> bool number(std::string_view s, T& out) {
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return !s.empty() && ec == std::errc() && p == s.data() + s.size();
}

} // namespace

void ReplayRecorder::start(uint64_t seed, bool has_save, std::string save) {
    header_ = ReplayHeader{};
    header_.version = game_version();
    header_.seed = seed;
    header_.has_save = has_save;
    header_.save = std::move(save);
    answers_.clear();
    lines_.clear();
}

void ReplayRecorder::event(const InputEvent& e) {
    flush_answers(e.tick);
    lines_ += format_input_event(e);
    lines_ += '\n';
}

void ReplayRecorder::flush_answers(int32_t tick) {
    for (const bool yes : answers_) {
        InputEvent a;
        a.type = InputEvent::Type::answer;
        a.tick = tick;
        a.yes = yes;
        lines_ += format_input_event(a);
        lines_ += '\n';
    }
    answers_.clear();
}

std::string ReplayRecorder::text(int32_t ticks, int stage_set, int heroine) const {
    std::ostringstream out;
    out << kMagic << "\n# version " << header_.version << "\n# seed " << header_.seed
        << "\n# stage_set " << stage_set << "\n# heroine " << heroine << "\n# ticks " << ticks
        << "\n# save " << (header_.has_save ? to_hex(header_.save) : "none") << "\n";
    return out.str() + lines_;
}

bool load_replay(const std::string& path, ReplayHeader& header, std::vector<InputEvent>& events,
                 std::string& error) {
    std::string text;
    if (!read_file(path, text, error)) return false;
    std::istringstream in(text);
    std::string line;
    std::getline(in, line);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line != kMagic) {
        error = path + " is not a replay";
        return false;
    }
    header = ReplayHeader{};
    bool seed = false, ticks = false, save = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.starts_with("# ")) break;
        const std::string_view body = std::string_view(line).substr(2);
        const auto space = body.find(' ');
        if (space == std::string_view::npos) continue;
        const std::string_view key = body.substr(0, space), value = body.substr(space + 1);
        if (key == "version") header.version = std::string(value);
        else if (key == "seed") seed = number(value, header.seed);
        else if (key == "stage_set") number(value, header.stage_set);
        else if (key == "heroine") number(value, header.heroine);
        else if (key == "ticks") ticks = number(value, header.ticks) && header.ticks >= 0;
        else if (key == "save") {
            header.has_save = value != "none";
            save = !header.has_save || from_hex(value, header.save);
        }
    }
    if (header.version != game_version()) {
        error = path + " was recorded by version " +
                (header.version.empty() ? std::string("?") : header.version) +
                " of the game; this is version " + game_version() + " and cannot play it back";
        return false;
    }
    if (!seed || !ticks || !save) {
        error = path + ": the replay's header is damaged";
        return false;
    }
    if (!parse_input_script(text, events, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

std::string new_replay_path(const std::string& folder) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    return folder + "/" + stamp + "-" + std::to_string(::getpid()) + kExtension;
}

bool write_replay(const std::string& path, const std::string& text, std::string& error,
                  std::size_t keep) {
    const fs::path folder = fs::path(path).parent_path();
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!write_file_atomic(path, text, error)) return false;
    std::vector<fs::path> replays;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.path().extension() == kExtension) replays.push_back(entry.path());
    if (replays.size() <= keep) return true;
    std::sort(replays.begin(), replays.end());
    for (std::size_t i = 0; i + keep < replays.size(); ++i) fs::remove(replays[i], ec);
    return true;
}

ReplayFolder::~ReplayFolder() {
    if (path_.empty()) return;
    std::error_code ec;
    fs::remove_all(path_, ec);
}

bool ReplayFolder::create(const ReplayHeader& header, const std::string& user_dir,
                          std::string& error) {
    std::string pattern = (fs::temp_directory_path() / "tsumikiya-replay-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        error = "cannot make a scratch folder for the replay";
        return false;
    }
    path_ = pattern;
    // The player's own stages and chips, as they are now.
    std::error_code ec;
    if (!user_dir.empty())
        for (const auto& entry : fs::directory_iterator(user_dir, ec)) {
            const std::string name = entry.path().filename().string();
            if (entry.is_regular_file(ec) && name.ends_with(".dat") && name != "my.dat")
                fs::copy_file(entry.path(), fs::path(path_) / name, ec);
        }
    // A run that started without a save file starts from an empty one: the
    // game reads nothing from either and starts from the reset values.
    return write_file_atomic(path_ + "/my.dat", header.has_save ? header.save : std::string(), error);
}

} // namespace tsu
