// The control tree: which control the pointer reaches, when a press becomes
// a click, latching groups, and where Tab and typed keys go.
#include "game/events.h"
#include "widgets/control_tree.h"
#include "widgets/edit_field.h"
#include "widgets/label.h"
#include "widgets/latch_button.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tsu {
namespace {

// Two panels: "lower" with buttons a, b and a field, "upper" over its
// right half with button c and an inner panel holding button d.
struct Tree : ::testing::Test {
    ControlTree tree;
    std::vector<std::string> log;
    Panel* lower = nullptr;
    Panel* upper = nullptr;
    Panel* inner = nullptr;

    Tree() {
        lower = &tree.add_root(std::make_unique<Panel>("lower", Rect{0, 0, 200, 100}));
        upper = &tree.add_root(std::make_unique<Panel>("upper", Rect{100, 0, 200, 100}));
        button(*lower, "a", {10, 10, 50, 30});
        button(*lower, "b", {10, 40, 50, 60});
        lower->add<EditField>("field", Rect{10, 70, 90, 90}, 5);
        button(*lower, "hidden_by_upper", {110, 10, 150, 30});
        button(*upper, "c", {10, 10, 50, 30});
        inner = &upper->add<Panel>("inner", Rect{0, 50, 100, 100});
        button(*inner, "d", {5, 5, 45, 25});
        inner->set_visible(false);
    }
    void button(Panel& p, const char* name, Rect r) {
        auto& b = p.add<LabelButton>(name, r, name);
        b.on_click = [this, name] { log.push_back(std::string("click ") + name); };
        b.on_mouse_down = [this, name](PointerButton pb, int x, int y) {
            log.push_back(std::string(pb == PointerButton::left ? "left " : "right ") + name + " " +
                          std::to_string(x) + "," + std::to_string(y));
        };
    }
    const char* hit(int x, int y) {
        const Control* c = tree.hit(x, y);
        return c ? c->name().c_str() : "-";
    }
};

TEST_F(Tree, ThePointerReachesTheTopmostShownControl) {
    struct Case { int x, y; const char* name; } cases[] = {
        {15, 15, "a"}, {60, 15, "-"}, {115, 15, "c"}, // c's panel covers hidden_by_upper's place
        {120, 60, "-"}, {199, 99, "-"}, {200, 50, "-"},
    };
    for (const Case& k : cases) EXPECT_STREQ(hit(k.x, k.y), k.name) << k.x << "," << k.y;
    inner->set_visible(true);
    EXPECT_STREQ(hit(110, 60), "d");
    tree.find("d")->enabled = false;
    EXPECT_STREQ(hit(110, 60), "-");
    upper->set_visible(false);
    EXPECT_STREQ(hit(115, 15), "hidden_by_upper");
    EXPECT_FALSE(tree.covers(250, 50));
    EXPECT_TRUE(tree.covers(60, 95));
}

TEST_F(Tree, APressBecomesAClickOnlyWhenReleasedOverTheSameControl) {
    EXPECT_TRUE(tree.pointer_down(PointerButton::left, 12, 15));
    EXPECT_TRUE(tree.pointer_up(PointerButton::left, 40, 25)); // still over a
    EXPECT_TRUE(tree.pointer_down(PointerButton::left, 12, 15));
    tree.pointer_up(PointerButton::left, 12, 45);               // released over b: nothing
    EXPECT_TRUE(tree.pointer_down(PointerButton::right, 115, 12));
    tree.pointer_up(PointerButton::right, 115, 12);             // right: mouse-down only
    EXPECT_TRUE(tree.pointer_down(PointerButton::left, 60, 60)); // panel, no control: taken
    EXPECT_FALSE(tree.pointer_down(PointerButton::left, 300, 60));
    EXPECT_TRUE(tree.click("c"));
    EXPECT_FALSE(tree.click("hidden_by_upper")) << "covered by the upper panel, as for the mouse";
    const std::vector<std::string> want = {"left a 2,5", "click a", "left a 2,5", "right c 5,2", "left c 20,10",
                                           "click c"};
    EXPECT_EQ(log, want);
}

TEST_F(Tree, ClickByNameNeedsAShownEnabledPressableControl) {
    upper->set_visible(false);
    EXPECT_FALSE(tree.click("c"));
    EXPECT_FALSE(tree.click("nothing"));
    tree.find("a")->enabled = false;
    EXPECT_FALSE(tree.click("a"));
    EXPECT_TRUE(tree.click("b"));
    EXPECT_EQ(log.back(), "click b");
}

TEST(LatchGroup, ExactlyOneButtonOfAGroupIsDown) {
    ControlTree tree;
    Panel& p = tree.add_root(std::make_unique<Panel>("p", Rect{0, 0, 300, 100}));
    auto& x1 = p.add<LatchButton>("x1", Rect{0, 0, 50, 20}, "1", 1);
    auto& x2 = p.add<LatchButton>("x2", Rect{50, 0, 100, 20}, "2", 1);
    auto& x3 = p.add<LatchButton>("x3", Rect{100, 0, 150, 20}, "3", 1);
    auto& y1 = p.add<LatchButton>("y1", Rect{0, 30, 50, 50}, "1", 2);
    x1.press();
    y1.press();
    for (const char* name : {"x2", "x3", "x3", "x1"}) {
        ASSERT_TRUE(tree.click(name));
        int down = 0;
        for (LatchButton* b : {&x1, &x2, &x3}) down += b->down() ? 1 : 0;
        EXPECT_EQ(down, 1);
        EXPECT_TRUE(static_cast<LatchButton*>(tree.find(name))->down());
        EXPECT_TRUE(y1.down()) << "another group is left alone";
    }
    // A pair that follows a game flag.
    bool flag = true;
    auto& on = p.add<LatchButton>("on", Rect{0, 60, 50, 80}, "ON", 3);
    auto& off = p.add<LatchButton>("off", Rect{50, 60, 100, 80}, "OFF", 3);
    on.follow(&flag, true);
    off.follow(&flag, false);
    EXPECT_TRUE(on.down());
    tree.click("off");
    EXPECT_FALSE(flag);
    EXPECT_TRUE(off.down());
    EXPECT_FALSE(on.down());
}

TEST_F(Tree, TabMovesTheFocusWithinThePanelOnTop) {
    auto names = [&] {
        std::vector<std::string> seen;
        for (int i = 0; i < 3; ++i) {
            tree.key_down(vk::tab, false);
            seen.push_back(tree.focus() ? tree.focus()->name() : "-");
        }
        return seen;
    };
    // The upper panel is on top: only c (d's inner panel is hidden).
    EXPECT_EQ(names(), (std::vector<std::string>{"c", "c", "c"}));
    inner->set_visible(true); // an inner panel shown on top holds the keys
    EXPECT_EQ(names(), (std::vector<std::string>{"d", "d", "d"}));
    upper->set_visible(false);
    tree.set_focus(nullptr);
    EXPECT_EQ(names(), (std::vector<std::string>{"a", "b", "field"}));
    tree.key_down(vk::tab, true); // Shift+Tab goes back
    EXPECT_EQ(tree.focus()->name(), "b");
    tree.find("b")->enabled = false;
    EXPECT_EQ(tree.focus(), nullptr) << "a disabled control loses the focus";
    EXPECT_EQ(names(), (std::vector<std::string>{"a", "field", "hidden_by_upper"}));
    lower->set_visible(false);
    EXPECT_FALSE(tree.key_down(vk::tab, false)) << "no panel shown: Tab is the game's";
}

TEST_F(Tree, AFocusedFieldTakesEveryKeyAndEscLeavesIt) {
    upper->set_visible(false);
    EXPECT_FALSE(tree.key_down('E', false)) << "nothing focused: the game's key";
    ASSERT_TRUE(tree.pointer_down(PointerButton::left, 20, 80));
    EXPECT_TRUE(tree.wants_text());
    EXPECT_TRUE(tree.key_down('E', false));
    EXPECT_TRUE(tree.key_down(vk::enter, false));
    EXPECT_TRUE(tree.text_input("ab"));
    EXPECT_EQ(tree.find_as<EditField>("field")->value(), "ab");
    EXPECT_TRUE(tree.key_down(vk::esc, false));
    EXPECT_FALSE(tree.wants_text());
    EXPECT_FALSE(tree.text_input("c")) << "text without a focused field goes nowhere";
    // A focused button leaves other keys to the game; Space presses it.
    tree.set_focus(tree.find("a"));
    EXPECT_FALSE(tree.key_down('E', false));
    EXPECT_TRUE(tree.key_down(vk::space, false));
    EXPECT_EQ(log.back(), "click a");
}

} // namespace
} // namespace tsu
