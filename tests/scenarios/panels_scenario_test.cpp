// The panels in whole runs: a mouse click at a control's place and a click
// by its name do the same; and in the real window under Xvfb, the option
// and extra panels worked with the mouse and a name typed into a field give
// the dump and the picture of the headless run.
#include "support/game_fixture.h"
#include "support/headless_run.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tsu {
namespace {

using nlohmann::json;

const char* kOpen = "1 mouse right down 250 200\n2 mouse right up 250 200\n";

// The control called `name` in a dump, or null.
json control(const json& dump, const std::string& name) {
    const json* c = testing::find_control(dump, name);
    return c ? *c : json();
}

// Clicks by name, one a tick from tick 3, or the mouse at the controls' middles.
std::string clicks(const json& layout, const std::vector<std::string>& names, bool by_mouse) {
    std::ostringstream s;
    s << kOpen;
    int t = 3;
    for (const std::string& n : names) {
        if (!by_mouse) {
            s << t << " click " << n << "\n";
        } else {
            // The control's place is taken from the panel that shows it.
            const json c = control(layout, n);
            const int x = c["x"].get<int>() + c["w"].get<int>() / 2, y = c["y"].get<int>() + c["h"].get<int>() / 2;
            s << t << " mouse left down " << x << " " << y << "\n" << t << " mouse left up " << x << " " << y << "\n";
        }
        ++t;
    }
    return s.str();
}

struct PanelRuns : ::testing::Test {
    testing::TempDir root, scratch;
    PanelRuns() { testing::copy_built_root(root.path()); }
    json run(const std::string& script, int ticks) {
        std::filesystem::remove(root.path() / "dat" / "my.dat");
        return testing::run_headless_dump(root.path(), scratch.path(), script, ticks, 7);
    }
};

TEST_F(PanelRuns, AClickAtAControlsPlaceEqualsAClickByItsName) {
    // Where the controls stand: the option panel, then the extra panel.
    const json option = run(kOpen, 3);
    const json extra = run(std::string(kOpen) + "3 click Label18\n", 4);
    json layout = option;
    for (const json& c : extra["controls"]) layout["controls"].push_back(c);
    const std::vector<std::string> names = {"option_b2", "se_b2", "nomal_b2", "Label18", "Label25"};
    const json by_name = run(clicks(layout, names, false), 12);
    const json by_mouse = run(clicks(layout, names, true), 12);
    EXPECT_EQ(by_name["stage_set"], 3);
    EXPECT_EQ(by_name["mode"], 1);
    EXPECT_EQ(by_name["my"]["music_off"], 1);
    EXPECT_EQ(by_name["my"]["ex_play"][2], 1);
    EXPECT_EQ(by_name, by_mouse);
}

// The window under Xvfb, driven by the same script as a headless run.
struct WindowRun : PanelRuns {
    std::string exe = std::string(TSUMIKIYA_GAME_DIR) + "/tsumikiya";
    bool have_xvfb() { return std::system("command -v xvfb-run >/dev/null 2>&1") == 0; }
    // Runs the window; returns its dump, and writes its picture of `shot_tick`.
    json window(const std::string& script, int ticks, int shot_tick, const std::string& png) {
        std::filesystem::remove(root.path() / "dat" / "my.dat");
        const auto in = scratch.path() / "win_in.txt";
        std::ofstream(in) << script;
        const auto dump = scratch.path() / "win.json";
        // The X11 and GL libraries SDL loads leave allocations of their own
        // behind; the window half runs without leak checks.
        const std::string cmd = "ASAN_OPTIONS=\"${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0\" "
                                "SDL_AUDIODRIVER=dummy xvfb-run -a -s '-screen 0 1024x768x24' '" +
                                exe + "' --root '" + root.str() + "' --seed 7 --input '" + in.string() +
                                "' --ticks " + std::to_string(ticks) + " --dump '" + dump.string() +
                                "' --shot '" + png + "@" + std::to_string(shot_tick) + "' > '" +
                                (scratch.path() / "win.log").string() + "' 2>&1";
        EXPECT_EQ(std::system(cmd.c_str()), 0) << std::ifstream(scratch.path() / "win.log").rdbuf();
        std::ifstream f(dump);
        return f ? json::parse(f) : json::object();
    }
    json headless_with_shot(const std::string& script, int ticks, int shot_tick, const std::string& png) {
        std::filesystem::remove(root.path() / "dat" / "my.dat");
        const auto in = scratch.path() / "in.txt";
        std::ofstream(in) << script;
        const std::string cmd = "'" + exe + "' --headless --root '" + root.str() + "' --seed 7 --input '" +
                                in.string() + "' --ticks " + std::to_string(ticks) + " --dump '" +
                                (scratch.path() / "hl.json").string() + "' --shot '" + png + "@" +
                                std::to_string(shot_tick) + "' >/dev/null 2>&1";
        EXPECT_EQ(std::system(cmd.c_str()), 0);
        std::ifstream f(scratch.path() / "hl.json");
        return f ? json::parse(f) : json::object();
    }
    static std::string bytes(const std::filesystem::path& p) {
        std::ifstream f(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }
    // The dump without the records only the headless platform keeps.
    static json comparable(json d) {
        for (const char* k : {"sounds", "messages", "music"}) d.erase(k);
        return d;
    }
};

TEST_F(WindowRun, PanelsWorkedByMouseAndTypingMatchTheHeadlessRun) {
    if (!have_xvfb()) GTEST_SKIP() << "xvfb-run is not installed";
    const json option = run(kOpen, 3);
    const json extra = run(std::string(kOpen) + "3 click Label18\n", 4);
    json layout = option;
    for (const json& c : extra["controls"]) layout["controls"].push_back(c);
    // Music off and SE off by mouse, to the extra panel, pack 3 by mouse.
    const std::string packs = clicks(layout, {"option_b2", "se_b2", "Label18", "Label25"}, true);
    const auto win_png = scratch.path() / "win.png", hl_png = scratch.path() / "hl.png";
    const json win = window(packs + "6 move 80 120\n", 9, 5, win_png.string());
    const json hl = headless_with_shot(packs + "6 move 80 120\n", 9, 5, hl_png.string());
    EXPECT_EQ(win["stage_set"], 3);
    EXPECT_EQ(win["my"]["music_off"], 1);
    EXPECT_EQ(win["my"]["se_off"], 1);
    EXPECT_EQ(win["my"]["ex_play"][2], 1);
    EXPECT_EQ(comparable(win), comparable(hl));
    EXPECT_EQ(bytes(win_png), bytes(hl_png)) << "the extra panel's picture of tick 5";

    // A Japanese name typed into the profile's name field.
    const std::string typing = std::string(kOpen) +
                               "3 click Label31\n4 click ir_name\n5 key Backspace down\n5 key Backspace up\n"
                               "5 key End down\n5 key End up\n6 text ソラ坊\n";
    const json typed = window(typing, 8, 7, win_png.string());
    const json typed_hl = headless_with_shot(typing, 8, 7, hl_png.string());
    const json field = control(typed, "ir_name");
    EXPECT_EQ(field["text"], "なまソラ坊");
    EXPECT_EQ(field["focus"], true);
    EXPECT_EQ(comparable(typed), comparable(typed_hl));
    EXPECT_EQ(bytes(win_png), bytes(hl_png)) << "the profile box with the typed name";
}

// A mono 16-bit WAV of `ms` milliseconds of a quiet tone.
void write_wav(const std::filesystem::path& p, int ms) {
    const std::uint32_t rate = 22050, samples = rate * std::uint32_t(ms) / 1000, data = samples * 2;
    std::ofstream f(p, std::ios::binary);
    auto u32 = [&](std::uint32_t v) { f.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](std::uint16_t v) { f.write(reinterpret_cast<const char*>(&v), 2); };
    f << "RIFF";
    u32(36 + data);
    f << "WAVEfmt ";
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    f << "data";
    u32(data);
    for (std::uint32_t i = 0; i < samples; ++i) u16(std::uint16_t((i / 25) % 2 ? 2000 : -2000));
}

TEST_F(WindowRun, MusicRepeatsAtItsEndAndAnUnplayableFileIsSkippedWithItsTitle) {
    if (!have_xvfb()) GTEST_SKIP() << "xvfb-run is not installed";
    const auto mp3 = root.path() / "mp3";
    std::filesystem::remove_all(mp3);
    std::filesystem::create_directories(mp3);
    write_wav(mp3 / "short.wav", 250);
    const auto png = (scratch.path() / "m.png").string();
    const json played = window("2 key Enter down\n3 key Enter up\n", 40, 1, png);
    int plays = 0;
    for (const json& m : played["music"]) plays += m["file"].get<std::string>().ends_with("short.wav") ? 1 : 0;
    EXPECT_GE(plays, 3) << played["music"].dump() << ": a 0.25 s track in 3 s of play starts over";

    std::filesystem::remove(mp3 / "short.wav");
    std::ofstream(mp3 / "broken.mp3") << "this is not music";
    const json broken = window("2 key Enter down\n3 key Enter up\n", 20, 1, png);
    EXPECT_EQ(broken["music"].size(), 1u) << broken["music"].dump();
    EXPECT_EQ(broken["mode"], 1);
    bool title = false;
    for (const json& e : broken["effects"]) title = title || (e["kind"] == 6 && e["text"] == "♪broken");
    EXPECT_TRUE(title);
}

} // namespace
} // namespace tsu
