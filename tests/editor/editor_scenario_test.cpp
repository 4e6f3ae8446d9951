// The stage editor played through the headless runner as a person would:
// F1, palette clicks, drags on the view, the buttons by name, the Yes/No
// questions answered by the script; the dump and the files tell the result.
#include "data/file_io.h"
#include "data/save_file.h"
#include "data/stage_dat.h"
#include "editor/editor_recovery.h"
#include "support/game_fixture.h"
#include "support/headless_run.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace tsu {
namespace {

namespace fs = std::filesystem;
using json = nlohmann::json;

// A copy of the built data root whose save file carries the name that
// unlocks F1.
struct EditorRoot {
    testing::TempDir root, scratch;
    EditorRoot() {
        testing::copy_built_root(root.path());
        testing::FakePlatform platform;
        auto game = std::make_unique<Game>();
        Game& g = *game;
        g.platform = &platform;
        g.root = root.str();
        g.my.name = "ほたる";
        g.my.initialized = 1;
        g.my.easy = 0;
        EXPECT_TRUE(write_save(g));
    }
    json run(const std::string& script, int ticks) {
        return testing::run_headless_dump(root.path(), scratch.path(), script, ticks, 3);
    }
    fs::path dat(const std::string& name) const { return root.path() / "dat" / name; }
    std::string bytes(const std::string& name) const {
        std::string text, error;
        read_file(dat(name).string(), text, error);
        return text;
    }
};

// The cells of the dump's map as (column, row) -> (lower, upper, teki).
std::map<std::pair<int, int>, std::array<int, 3>> cells(const json& d) {
    std::map<std::pair<int, int>, std::array<int, 3>> out;
    for (const json& c : d["map"])
        out[{c["column"].get<int>(), c["row"].get<int>()}] = {c["lower"].get<int>(), c["upper"].get<int>(),
                                                              c["teki"].get<int>()};
    return out;
}

// Script lines: a palette click (x of the palette's column), and a drag.
std::string pick(int tick, int x, int row) {
    const int y = 10 * row + 5;
    return std::to_string(tick) + " mouse left down " + std::to_string(x) + " " + std::to_string(y) + "\n" +
           std::to_string(tick) + " mouse left up " + std::to_string(x) + " " + std::to_string(y) + "\n";
}
constexpr int kLowerPalette = 520, kUpperPalette = 536, kTekiPalette = 552;

std::string drag(int tick, int x0, int y0, int x1, int y1) {
    const std::string t = std::to_string(tick) + " ";
    return t + "mouse left down " + std::to_string(x0) + " " + std::to_string(y0) + "\n" + t + "move " +
           std::to_string(x1) + " " + std::to_string(y1) + "\n" + t + "mouse left up " + std::to_string(x1) + " " +
           std::to_string(y1) + "\n";
}

// STAGE set by typing into the spin box.
std::string stage_number(int tick, int n) {
    const std::string t = std::to_string(tick) + " ";
    return t + "click map_v\n" + t + "key Backspace down\n" + t + "text " + std::to_string(n) + "\n" + t +
           "key Esc down\n";
}

TEST(EditorFiles, UserAndOfficialSavesWriteTheirFilesAndOnlyOfficialOnesTheChipFile) {
    EditorRoot r;
    // chip.dat with a blank before every number: read the same, but only a
    // rewrite gives back the plain form.
    const std::string chips = r.bytes("chip.dat");
    std::string padded;
    for (std::size_t at = 0; at < chips.size();) {
        const std::size_t end = chips.find('\n', at) + 1;
        padded += " " + chips.substr(at, end - at);
        at = end;
    }
    std::string error;
    ASSERT_TRUE(write_file_atomic(r.dat("chip.dat").string(), padded, error));
    const std::string script = "1 key F1 down\n" + pick(2, kLowerPalette, 3) + drag(3, 45, 45, 45, 45) +
                               stage_number(4, 7) + "5 click Button1\n";
    json d = r.run(script, 8);
    ASSERT_FALSE(d.empty());
    EXPECT_EQ(d["editor_state"]["stage"], 107);
    EXPECT_EQ(d["messages"].back()["text"], "? ユーザー7ステージにセーブします");
    ASSERT_TRUE(fs::exists(r.dat("map107.dat")));
    EXPECT_EQ(r.bytes("chip.dat"), padded);

    // Official stage 7 with a changed passability: map7.dat and chip.dat.
    fs::remove(r.dat("map7.dat"));
    const std::string official = "1 key F1 down\n" + stage_number(2, 7) + "3 click user_b1\n" + pick(4, kLowerPalette, 3) +
                                 "5 click Button1\n";
    d = r.run(official, 8);
    EXPECT_EQ(d["editor_state"]["kind"], "official");
    EXPECT_EQ(d["messages"].back()["text"], "? 7ステージにセーブします");
    EXPECT_TRUE(fs::exists(r.dat("map7.dat")));
    // chip.dat rewritten from the tables the editor read from it.
    EXPECT_EQ(r.bytes("chip.dat"), chips);
    // Answered No: nothing is written.
    fs::remove(r.dat("map7.dat"));
    d = r.run(official + "4 answer no\n", 8);
    EXPECT_FALSE(fs::exists(r.dat("map7.dat")));
}

TEST(EditorPainting, DragsPaintEveryCellOnTheWayAndOnlyTheChosenLayer) {
    EditorRoot r;
    // Clear first so the painted cells stand alone.
    const std::string script = "1 key F1 down\n2 click Button10\n" + pick(3, kLowerPalette, 2) +
                               // a fast diagonal drag from cell (1, 2) to cell (12, 9) in one move
                               drag(4, 25, 45, 245, 185) +
                               // a move without the button paints nothing
                               "5 move 400 300\n6 move 300 200\n" +
                               // a lower chip, then an enemy: the enemy layer only
                               pick(7, kLowerPalette, 5) + pick(7, kTekiPalette, 4) + drag(8, 405, 25, 405, 25) +
                               pick(9, kUpperPalette, 7) + drag(9, 425, 25, 425, 25);
    const json d = r.run(script, 12);
    ASSERT_FALSE(d.empty());
    const auto m = cells(d);
    std::set<std::pair<int, int>> painted;
    for (const auto& [at, v] : m)
        if (at.second < 20 && v[0] == 2) painted.insert(at);
    // Every column 1..12 and every row 2..9 is reached, in one 8-connected line.
    std::set<int> columns, rows;
    for (const auto& [c, row] : painted) {
        columns.insert(c);
        rows.insert(row);
    }
    EXPECT_EQ(columns, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(rows, (std::set<int>{2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_LE(painted.size(), 20u);
    // Nothing near the moves without the button.
    EXPECT_EQ(m.count({20, 15}), 0u);
    EXPECT_EQ(m.count({15, 10}), 0u);
    const std::array<int, 3> enemy_only{0, 0, 4}, upper_only{0, 7, 0};
    EXPECT_EQ(m.at({20, 1}), enemy_only);
    EXPECT_EQ(m.at({21, 1}), upper_only);
    EXPECT_EQ(d["editor_state"]["sel_teki"], -1);
    EXPECT_EQ(d["editor_state"]["sel_upper"], 7);
    EXPECT_EQ(d["editor_state"]["undo_depth"], 3); // three strokes; clearing an empty grid is no step
}

TEST(EditorPainting, PausedTheViewIgnoresThePointer) {
    EditorRoot r;
    const json d = r.run("1 key F1 down\n2 click Button10\n" + pick(3, kLowerPalette, 2) +
                             "4 key Esc down\n" + drag(5, 25, 25, 85, 25) + "6 key Esc down\n7 move 125 25\n",
                         9);
    ASSERT_FALSE(d.empty());
    for (const json& c : d["map"]) EXPECT_GE(c["row"].get<int>(), 21) << c.dump();
}

TEST(EditorScroll, ButtonsMoveTheViewAndStopAtTheEnds) {
    EditorRoot r;
    std::string to70 = "1 key F1 down\n";
    for (int i = 0; i < 4; ++i) to70 += "2 click Button6\n"; // 60
    for (int i = 0; i < 10; ++i) to70 += "2 click Button4\n"; // 70
    json d = r.run(to70, 3);
    EXPECT_EQ(d["scroll"], 70);
    d = r.run(to70 + "3 click Button6\n", 4);
    EXPECT_EQ(d["scroll"], 74);
    std::string to10 = "1 key F1 down\n";
    for (int i = 0; i < 11; ++i) to10 += "2 click Button4\n";
    to10 += "2 click Button3\n";
    d = r.run(to10, 3);
    EXPECT_EQ(d["scroll"], 10);
    d = r.run(to10 + "3 click Button5\n", 4);
    EXPECT_EQ(d["scroll"], 0);
}

TEST(EditorClear, ClearsTheUpperRowsOfEveryColumnAndKeepsTheRest) {
    EditorRoot r;
    // User stage 5: every cell of all 100 rows filled.
    StageGrid full;
    for (cell& c : full.cells) c = cell{1, 15, 2};
    std::string error;
    ASSERT_TRUE(write_file_atomic(r.dat("map105.dat").string(), format_stage_dat(full), error)) << error;
    const json d = r.run("1 key F1 down\n" + stage_number(2, 5) + "3 click Button2\n4 click Button10\n", 5);
    ASSERT_FALSE(d.empty());
    const auto m = cells(d);
    int kept = 0;
    for (const auto& [at, v] : m) {
        if (at.first < 0 || at.first >= 100) continue;
        EXPECT_GE(at.second, 21) << at.first << "," << at.second;
        const std::array<int, 3> full_cell{1, 15, 2};
        if (v == full_cell) kept += 1;
    }
    EXPECT_EQ(kept, 100 * 79);
    EXPECT_EQ(d["messages"].back()["text"], "? 全てを消したいときは、はいを押してね");
}

TEST(EditorUndo, UndoGivesBackTheGridByteForByteAndRedoRepeatsIt) {
    EditorRoot r;
    const std::string base = "1 key F1 down\n2 click user_b1\n3 click Button2\n";
    const std::string strokes = pick(4, kLowerPalette, 9) + drag(5, 5, 5, 205, 105) + pick(6, kTekiPalette, 3) +
                                drag(7, 105, 25, 105, 205);
    const json start = r.run(base, 8);
    const json painted = r.run(base + strokes, 8);
    const std::string undo2 = "8 key Ctrl down\n8 key Z down\n8 key Z up\n8 key Z down\n8 key Ctrl up\n";
    const json undone = r.run(base + strokes + undo2, 9);
    ASSERT_FALSE(undone.empty());
    EXPECT_NE(painted["map"], start["map"]);
    EXPECT_EQ(undone["map"], start["map"]);
    EXPECT_EQ(undone["editor_state"]["redo_depth"], 2);
    const json redone = r.run(base + strokes + undo2 + "9 key Ctrl down\n9 key Y down\n9 key Shift down\n9 key Z down\n", 10);
    EXPECT_EQ(redone["map"], painted["map"]);
    // Load and clear are steps too: both undone, the grid is the one the editor opened on.
    const json cleared = r.run(base + "4 click Button10\n5 key Ctrl down\n5 key Z down\n6 key Z down\n", 7);
    EXPECT_EQ(cleared["editor_state"]["undo_depth"], 0);
    EXPECT_EQ(cleared["map"], r.run("1 key F1 down\n", 7)["map"]);
}

TEST(EditorFiles, AfterAPackRunLoadAndSaveAddressTheSameFile) {
    EditorRoot r;
    // Pack 2's first stage is a copy of official stage 0 with a mark.
    fs::copy_file(r.dat("map0.dat"), r.dat("map20.dat"), fs::copy_options::overwrite_existing);
    const std::string script = "1 key M down\n2 key E down\n3 click Label24\n4 key F1 down\n" +
                               pick(5, kLowerPalette, 4) + drag(6, 5, 5, 5, 5) + "7 click user_b1\n8 click Button1\n" +
                               "9 click Button10\n10 click Button2\n";
    const json d = r.run(script, 12);
    ASSERT_FALSE(d.empty());
    EXPECT_EQ(d["stage_set"], 0);
    // The stage read back is the one just saved: the painted cell is there.
    EXPECT_EQ(cells(d).at({0, 0})[0], 4);
    EXPECT_NE(r.bytes("map0.dat"), r.bytes("map20.dat"));
}

TEST(EditorTestPlay, PlaysTheSavedFileAndMGoesBackToTheEditor) {
    EditorRoot r;
    const std::string script = "1 key F1 down\n2 click user_b1\n3 click Button2\n4 click Button7\n";
    json d = r.run(script, 6);
    ASSERT_FALSE(d.empty());
    EXPECT_FALSE(d["editor"].get<bool>());
    EXPECT_TRUE(d["test_play"].get<bool>());
    EXPECT_EQ(d["client_width"], 512);
    EXPECT_EQ(d["my"]["stage_no"], 0);
    const std::string question = d["messages"].back()["text"];
    EXPECT_NE(question.find("【セーブ】"), std::string::npos);
    EXPECT_NE(question.find("\nテストプレイしますか？"), std::string::npos);
    bool banner = false;
    for (const json& e : d["effects"])
        banner = banner || (e["kind"] == 6 && e["text"] == "テストプレイ [M]キーで復帰します");
    EXPECT_TRUE(banner);
    // M, as the banner says: back in the editor, nothing chosen, 660 x 480.
    d = r.run(script + "8 key M down\n", 10);
    EXPECT_TRUE(d["editor"].get<bool>());
    EXPECT_FALSE(d["test_play"].get<bool>());
    EXPECT_EQ(d["client_width"], 660);
    EXPECT_EQ(d["client_height"], 480);
    EXPECT_EQ(d["editor_state"]["sel_lower"], -1);
    // A stage file that is missing is reported and the editor stays open.
    d = r.run("1 key F1 down\n2 click map_v\n2 key Backspace down\n2 text 6\n2 key Esc down\n3 click Button7\n", 5);
    EXPECT_TRUE(d["editor"].get<bool>());
    EXPECT_FALSE(d["test_play"].get<bool>());
}

TEST(EditorVerdict, MapSaveJudgesTheSavedStage) {
    EditorRoot r;
    // Official stage 0 can be finished; cleared it has no exit.
    json d = r.run("1 key F1 down\n2 click user_b1\n3 click Button2\n4 click user_b2\n5 click Button1\n", 8);
    ASSERT_FALSE(d.empty());
    const std::string ok = d["editor_state"]["verdict"];
    EXPECT_EQ(ok.rfind("can be finished in ", 0), 0u) << ok;
    d = r.run("1 key F1 down\n2 click Button10\n3 click Button1\n", 4);
    EXPECT_EQ(d["editor_state"]["verdict"], "checking...");
    d = r.run("1 key F1 down\n2 click Button10\n3 click Button1\n", 8);
    EXPECT_EQ(d["editor_state"]["verdict"], "cannot be finished: no exit");
    // An exit walled in at the top of the view.
    d = r.run("1 key F1 down\n2 click Button10\n" + pick(3, kLowerPalette, 6) + drag(4, 205, 5, 205, 5) +
                  "5 click Button1\n",
              8);
    EXPECT_EQ(d["editor_state"]["verdict"], "cannot be finished: exit out of reach");
}

TEST(EditorRecovery, AKilledRunLeavesItsStrokesForTheNextStart) {
    EditorRoot r;
    const fs::path recovery = r.dat("editor_recovery.dat");
    const fs::path script = r.scratch.path() / "paint.txt";
    std::ofstream(script) << "1 key F1 down\n2 click Button10\n" + pick(3, kLowerPalette, 5) + drag(4, 5, 305, 305, 305);
    const std::string exe = (fs::path(TSUMIKIYA_GAME_DIR) / "tsumikiya").string();
    const std::string root = r.root.str(), in = script.string();
    std::vector<const char*> argv = {exe.c_str(), "--headless", "--root", root.c_str(), "--input",
                                     in.c_str(),  "--ticks",    "100000000", nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, exe.c_str(), nullptr, nullptr, const_cast<char**>(argv.data()), environ), 0);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!fs::exists(recovery) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    ASSERT_TRUE(fs::exists(recovery));

    // The next start offers the edits back; Yes restores the strokes, and
    // the file stays until the stage is saved.
    const json restored = r.run("1 key F1 down\n", 2);
    ASSERT_FALSE(restored.empty());
    EXPECT_EQ(restored["messages"].back()["text"].get<std::string>().rfind("? 保存されていない編集", 0), 0u);
    const auto m = cells(restored);
    for (int c = 0; c <= 15; ++c) EXPECT_EQ(m.count({c, 15}) == 1 ? m.at({c, 15})[0] : -1, 5) << c;
    EXPECT_EQ(restored["editor_state"]["undo_depth"], 1);
    EXPECT_TRUE(fs::exists(recovery));
    // Answered No: the file goes and the grid stays as it was.
    const json refused = r.run("1 answer no\n1 key F1 down\n", 2);
    EXPECT_FALSE(fs::exists(recovery));
    EXPECT_EQ(cells(refused).count({7, 15}), 0u);
    // Edits kept by a run that ran on, then restored and saved: the file goes.
    std::ifstream paint(script);
    const std::string painting((std::istreambuf_iterator<char>(paint)), std::istreambuf_iterator<char>());
    r.run(painting, 4 + 2 * kRecoveryTicks);
    ASSERT_TRUE(fs::exists(recovery));
    const json saved = r.run("1 key F1 down\n2 click Button1\n", 3);
    EXPECT_FALSE(saved["editor_state"]["unsaved"].get<bool>());
    EXPECT_FALSE(fs::exists(recovery));
    EXPECT_TRUE(fs::exists(r.dat("map100.dat")));
}

} // namespace
} // namespace tsu
