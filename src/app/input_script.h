// Scripted input for replays and tests: one event a line, '#' starts a
// comment; an event at tick t is delivered after t ticks have run.
//
//   <t> key <NAME> down|up        NAME: Left Right Up Down Shift Enter Esc F1 Yen A..Z
//                                 Backspace Tab Space Home End Delete
//   <t> mouse left|right down|up <x> <y>     client pixels (the view's, and the
//                                            editor's column and row)
//   <t> move <x> <y>
//   <t> answer yes|no             answer to the next Yes/No question (default yes)
//   <t> text <utf-8 text>         typed into the focused edit field
//   <t> click <control-name>      press a panel control by its name
//   <t> music done                the music track ran to its end
//   <t> focus next|prev           move the focus through the open panel's controls
//   <t> press                     press the focused control
#pragma once
#include "game/events.h"

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace tsu {

struct InputEvent {
    enum class Type { key, mouse, move, answer, text, click, music, focus, press };
    int32_t tick = 0;
    Type type = Type::key;
    int key = 0;             // virtual-key code (key)
    bool down = false;       // key, mouse
    MouseButton button = MouseButton::left;
    int x = 0, y = 0;        // mouse, move
    bool yes = true;         // answer; focus: true = next
    std::string text;        // text, click (control name)
    int line = 0;            // line of the script, for messages
};

// Virtual-key code of a script key name, or 0 when unknown.
int key_code_from_name(const std::string& name);
// The script name of a virtual-key code; empty when the script has none.
std::string key_name_of_code(int code);
// One event as a script line (without the line end); parsing it gives the
// same event back.
std::string format_input_event(const InputEvent& e);

// Parses a whole script. Events come out sorted by tick (stable: same-tick
// events keep their order). On a malformed line returns false with
// "line N: reason" in error.
bool parse_input_script(const std::string& text, std::vector<InputEvent>& out, std::string& error);
bool load_input_script(const std::string& path, std::vector<InputEvent>& out, std::string& error);

// Delivers one event to the game. Answers are queued for the platform's next
// Yes/No questions.
void deliver_input(Game& g, const InputEvent& e, std::deque<bool>& answers);

} // namespace tsu
