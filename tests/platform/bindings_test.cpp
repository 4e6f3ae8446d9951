// Keys and gamepads to the game's handlers: bindings by key place (the JIS
// yen key, a letter), the editing keys of an open panel, releases paired
// with their presses, and a virtual gamepad that walks, jumps and is pulled
// out mid-walk.
#include "app/settings.h"
#include "game/events.h"
#include "platform/gamepad.h"
#include "platform/key_bindings.h"
#include "support/game_fixture.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace tsu {
namespace {

// USB HID usage numbers (= SDL scancodes), written out.
constexpr int kHidZ = 29, kHidK = 14, kHidYen = 137, kHidRo = 135, kHidLeft = 80, kHidReturn = 40;

void press(Game& g, const std::vector<int>& codes, bool down) {
    for (const int vk : codes) down ? FormKeyDown(g, vk) : FormKeyUp(g, vk);
}

TEST(KeyBindings, TheYenKeyAndALetterDriveTheirActionsHandlers) {
    Settings s;
    read_settings(s, "key_throw = Yen\nkey_jump = k, International1\nkey_ring = Nowhere, C\n");
    KeyBindings bindings;
    bindings.load(s);
    ASSERT_EQ(s.file.problems().size(), 1u); // "Nowhere"; C still counts
    EXPECT_EQ(s.file.problems()[0].line, 3);
    KeyRouter keys(bindings);

    testing::GameFixture f;
    Game& g = f.g();
    g.mode = 1;
    press(g, keys.route(kHidYen, true, false, false), true);
    EXPECT_EQ(g.key_z, 1) << "the yen key throws";
    EXPECT_EQ(g.key_z_held, 1);
    press(g, keys.route(kHidYen, false, false, false), false);
    EXPECT_EQ(g.key_z_held, 0);

    press(g, keys.route(kHidK, true, false, false), true);
    EXPECT_EQ(g.key_up, 1) << "K jumps";
    press(g, keys.route(kHidK, false, false, false), false);
    EXPECT_EQ(g.key_up, 0);
    EXPECT_EQ(keys.route(kHidRo, true, false, false), std::vector<int>{vk::up});
    EXPECT_TRUE(keys.route(kHidZ, true, false, false).empty()) << "Z no longer throws";
    EXPECT_EQ(scancode_from_name("henkan"), 138);
    EXPECT_EQ(scancode_name(kHidYen), "International3");
}

TEST(KeyBindings, AnOpenPanelGetsTheEditingKeysAndAReleaseFollowsItsPress) {
    Settings s;
    read_settings(s, "key_left = J\nkey_start = Space\n");
    KeyBindings bindings;
    bindings.load(s);
    KeyRouter keys(bindings);
    EXPECT_TRUE(keys.route(kHidLeft, true, false, false).empty()); // Left walks no more
    keys.route(kHidLeft, false, false, false);
    EXPECT_EQ(keys.route(kHidLeft, true, false, true), std::vector<int>{vk::left});
    // Pressed in a panel, released after it closed: the release matches.
    EXPECT_EQ(keys.route(kHidReturn, true, false, true), std::vector<int>{vk::enter});
    EXPECT_EQ(keys.route(kHidReturn, true, true, false), std::vector<int>{vk::enter});
    EXPECT_EQ(keys.route(kHidReturn, false, false, false), std::vector<int>{vk::enter});
    EXPECT_TRUE(keys.route(kHidReturn, true, false, false).empty());
    // Ctrl+Y in the open editor: Ctrl and the letter as themselves, though
    // Y is bound to nothing; without Ctrl, Y stays unbound.
    constexpr int kHidY = 28, kHidLCtrl = 224;
    EXPECT_TRUE(keys.route(kHidY, true, false, true).empty());
    keys.route(kHidY, false, false, true);
    EXPECT_EQ(keys.route(kHidLCtrl, true, false, true), std::vector<int>{vk::control});
    EXPECT_EQ(keys.route(kHidY, true, false, true), std::vector<int>{'Y'});
}

// A virtual game controller of SDL's, driven like a real one.
struct VirtualPad : ::testing::Test {
    void SetUp() override {
        SDL_SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        index = SDL_JoystickAttachVirtualEx(&desc);
        ASSERT_GE(index, 0) << SDL_GetError();
        joystick = SDL_JoystickOpen(index);
        ASSERT_NE(joystick, nullptr) << SDL_GetError();
        g().mode = 1;
    }
    void TearDown() override {
        if (joystick) SDL_JoystickClose(joystick);
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    }
    Game& g() { return f.g(); }
    // Lets SDL turn the pad's state into controller events for the game.
    void pump() {
        SDL_PumpEvents();
        SDL_Event e;
        while (SDL_PollEvent(&e)) pads.handle(e, sink);
    }
    void button(SDL_GameControllerButton b, bool down) {
        SDL_JoystickSetVirtualButton(joystick, b, down ? 1 : 0);
        pump();
    }
    void axis(SDL_GameControllerAxis a, int value) {
        SDL_JoystickSetVirtualAxis(joystick, a, Sint16(value));
        pump();
    }

    testing::GameFixture f;
    Gamepads pads;
    std::vector<std::string> sent;
    Gamepads::Context context = Gamepads::Context::play;
    Gamepads::Sink sink{[this](int vk, bool down) {
                            sent.push_back(std::to_string(vk) + (down ? " down" : " up"));
                            down ? FormKeyDown(g(), vk) : FormKeyUp(g(), vk);
                        },
                        [this] { return context; },
                        [this](int step) { sent.push_back("focus " + std::to_string(step)); },
                        [this] { sent.push_back("press"); }};
    int index = -1;
    SDL_Joystick* joystick = nullptr;
};

TEST_F(VirtualPad, WalksJumpsAndLetsGoWhenPulledOut) {
    pump(); // the pad is plugged in
    ASSERT_EQ(pads.open_count(), 1);
    button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    EXPECT_EQ(g().key_right, 1);
    button(SDL_CONTROLLER_BUTTON_A, true);
    EXPECT_EQ(g().key_up, 1) << "south jumps";
    button(SDL_CONTROLLER_BUTTON_A, false);
    EXPECT_EQ(g().key_up, 0);
    button(SDL_CONTROLLER_BUTTON_X, true);
    EXPECT_EQ(g().key_z, 1) << "west throws";
    button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false);
    EXPECT_EQ(g().key_right, 0);

    // The stick walks past half way and lets go below a quarter.
    axis(SDL_CONTROLLER_AXIS_LEFTX, -12000);
    EXPECT_EQ(g().key_left, 0);
    axis(SDL_CONTROLLER_AXIS_LEFTX, -30000);
    EXPECT_EQ(g().key_left, 1);
    axis(SDL_CONTROLLER_AXIS_LEFTX, -12000);
    EXPECT_EQ(g().key_left, 1);
    axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
    EXPECT_EQ(g().key_left, 0);

    // Pulled out while walking: the walk stops.
    axis(SDL_CONTROLLER_AXIS_LEFTX, 32767);
    EXPECT_EQ(g().key_right, 1);
    SDL_JoystickClose(joystick);
    joystick = nullptr;
    ASSERT_EQ(SDL_JoystickDetachVirtual(index), 0) << SDL_GetError();
    pump();
    EXPECT_EQ(pads.open_count(), 0);
    EXPECT_EQ(g().key_right, 0);
}

TEST_F(VirtualPad, RemappedAndInMenus) {
    Settings s;
    read_settings(s, "pad_jump = rightshoulder\npad_throw = lefttrigger\npad_left = bogus\n");
    pads.load(s);
    EXPECT_EQ(s.file.problems().size(), 1u);
    pump();
    button(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, true);
    EXPECT_EQ(g().key_up, 1);
    axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767);
    EXPECT_EQ(g().key_z, 1);
    sent.clear();

    // On the title south goes on (Enter) and the play bindings rest; in a
    // panel the d-pad and stick move the focus, south presses, east closes.
    context = Gamepads::Context::menu;
    button(SDL_CONTROLLER_BUTTON_A, true);
    button(SDL_CONTROLLER_BUTTON_START, true);
    context = Gamepads::Context::panel; // the run did not start: a panel opened
    button(SDL_CONTROLLER_BUTTON_A, false);
    button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);
    button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, false);
    axis(SDL_CONTROLLER_AXIS_LEFTY, -30000);
    button(SDL_CONTROLLER_BUTTON_A, true);
    button(SDL_CONTROLLER_BUTTON_B, true);
    const std::vector<std::string> menu = {"13 down", "13 up", "focus 1", "focus -1", "press",
                                           "27 down"};
    EXPECT_EQ(sent, menu);
}

} // namespace
} // namespace tsu
