// Reading and delivering scripted input.
#include "app/input_script.h"

#include "game/game.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>

namespace tsu {

namespace {

// Script names of the keys that are not letters.
constexpr std::pair<const char*, int> kNamedKeys[] = {
    {"Left", vk::left},   {"Right", vk::right}, {"Up", vk::up},   {"Down", vk::down},
    {"Shift", vk::shift}, {"Ctrl", vk::control}, {"Enter", vk::enter}, {"Esc", vk::esc}, {"F1", vk::f1},
    {"Yen", vk::yen},     {"Backspace", vk::backspace}, {"Tab", vk::tab},
    {"Space", vk::space}, {"Home", vk::home}, {"End", vk::end}, {"Delete", vk::del},
};

} // namespace

int key_code_from_name(const std::string& name) {
    for (const auto& [n, code] : kNamedKeys)
        if (name == n) return code;
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') return name[0];
    return 0;
}

std::string key_name_of_code(int code) {
    for (const auto& [n, c] : kNamedKeys)
        if (c == code) return n;
    if (code >= 'A' && code <= 'Z') return std::string(1, char(code));
    return {};
}

std::string format_input_event(const InputEvent& e) {
    std::string out = std::to_string(e.tick) + " ";
    const char* updown = e.down ? " down" : " up";
    const char* button = e.button == MouseButton::left ? "left" : "right";
    switch (e.type) {
    case InputEvent::Type::key: return out + "key " + key_name_of_code(e.key) + updown;
    case InputEvent::Type::mouse:
        return out + "mouse " + button + updown + " " + std::to_string(e.x) + " " + std::to_string(e.y);
    case InputEvent::Type::move: return out + "move " + std::to_string(e.x) + " " + std::to_string(e.y);
    case InputEvent::Type::answer: return out + (e.yes ? "answer yes" : "answer no");
    case InputEvent::Type::text: return out + "text " + e.text;
    case InputEvent::Type::click: return out + "click " + e.text;
    case InputEvent::Type::music: return out + "music done";
    case InputEvent::Type::focus: return out + (e.yes ? "focus next" : "focus prev");
    case InputEvent::Type::press: return out + "press";
    }
    return out;
}

namespace {

bool to_int(const std::string& s, int& out) {
    if (s.empty()) return false;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && p == s.data() + s.size();
}

bool parse_line(const std::string& raw, int line_no, InputEvent& e, std::string& why) {
    std::istringstream in(raw);
    std::string tick_s, verb;
    in >> tick_s >> verb;
    int tick = 0;
    if (!to_int(tick_s, tick) || tick < 0) {
        why = "a tick number must come first";
        return false;
    }
    e = InputEvent{};
    e.tick = tick;
    e.line = line_no;
    std::string a, b, c, d;
    if (verb == "key") {
        in >> a >> b;
        e.type = InputEvent::Type::key;
        e.key = key_code_from_name(a);
        if (e.key == 0) {
            why = "unknown key '" + a + "'";
            return false;
        }
        if (b != "down" && b != "up") {
            why = "key needs down or up";
            return false;
        }
        e.down = b == "down";
    } else if (verb == "mouse") {
        in >> a >> b >> c >> d;
        e.type = InputEvent::Type::mouse;
        if (a != "left" && a != "right") {
            why = "mouse needs left or right";
            return false;
        }
        e.button = a == "left" ? MouseButton::left : MouseButton::right;
        if (b != "down" && b != "up") {
            why = "mouse needs down or up";
            return false;
        }
        e.down = b == "down";
        if (!to_int(c, e.x) || !to_int(d, e.y)) {
            why = "mouse needs x and y";
            return false;
        }
    } else if (verb == "move") {
        in >> a >> b;
        e.type = InputEvent::Type::move;
        if (!to_int(a, e.x) || !to_int(b, e.y)) {
            why = "move needs x and y";
            return false;
        }
    } else if (verb == "answer") {
        in >> a;
        e.type = InputEvent::Type::answer;
        if (a != "yes" && a != "no") {
            why = "answer needs yes or no";
            return false;
        }
        e.yes = a == "yes";
    } else if (verb == "music") {
        in >> a;
        e.type = InputEvent::Type::music;
        if (a != "done") {
            why = "music needs done";
            return false;
        }
    } else if (verb == "focus") {
        in >> a;
        e.type = InputEvent::Type::focus;
        if (a != "next" && a != "prev") {
            why = "focus needs next or prev";
            return false;
        }
        e.yes = a == "next";
    } else if (verb == "press") {
        e.type = InputEvent::Type::press;
    } else if (verb == "text" || verb == "click") {
        e.type = verb == "text" ? InputEvent::Type::text : InputEvent::Type::click;
        std::string rest;
        std::getline(in, rest);
        // No edit field takes control characters and no control has one in
        // its name; dropped, a stray CR (a CR LF file's, doubled) cannot make
        // a recorded line read back as another text.
        const auto drop_controls = [](std::string& s) {
            std::erase_if(s, [](char ch) { return static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F; });
        };
        if (e.type == InputEvent::Type::text) {
            // One blank separates the verb; a typed text keeps its own blanks.
            e.text = rest.empty() ? std::string() : rest.substr(1);
            drop_controls(e.text);
        } else {
            drop_controls(rest);
            const auto start = rest.find_first_not_of(' ');
            e.text = start == std::string::npos ? std::string() : rest.substr(start);
        }
        if (e.type == InputEvent::Type::click && e.text.empty()) {
            why = "click needs a control name";
            return false;
        }
        return true;
    } else {
        why = "unknown event '" + verb + "'";
        return false;
    }
    std::string extra;
    if (in >> extra) {
        why = "unexpected '" + extra + "'";
        return false;
    }
    return true;
}

} // namespace

bool parse_input_script(const std::string& text, std::vector<InputEvent>& out, std::string& error) {
    std::vector<InputEvent> events;
    std::istringstream in(text);
    std::string line;
    int line_no = 0;
    while (std::getline(in, line)) {
        ++line_no;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // '#' starts a comment, except inside the text of a text event.
        std::istringstream probe(line);
        std::string t, verb;
        probe >> t >> verb;
        if (verb != "text") {
            const auto hash = line.find('#');
            if (hash != std::string::npos) line.erase(hash);
        }
        if (line.find_first_not_of(" \t") == std::string::npos) continue;
        InputEvent e;
        std::string why;
        if (!parse_line(line, line_no, e, why)) {
            error = "line " + std::to_string(line_no) + ": " + why;
            return false;
        }
        events.push_back(std::move(e));
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const InputEvent& a, const InputEvent& b) { return a.tick < b.tick; });
    out = std::move(events);
    return true;
}

bool load_input_script(const std::string& path, std::vector<InputEvent>& out, std::string& error) {
    std::ifstream f(path, std::ios::binary);
    if (!f) {
        error = "cannot read " + path;
        return false;
    }
    std::ostringstream s;
    s << f.rdbuf();
    if (!parse_input_script(s.str(), out, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

void deliver_input(Game& g, const InputEvent& e, std::deque<bool>& answers) {
    switch (e.type) {
    case InputEvent::Type::key:
        if (e.down)
            FormKeyDown(g, e.key);
        else
            FormKeyUp(g, e.key);
        break;
    case InputEvent::Type::mouse:
        if (e.down)
            mouse_down(g, e.button, e.x, e.y);
        else
            mouse_up(g, e.button, e.x, e.y);
        break;
    case InputEvent::Type::move: mouse_move(g, e.x, e.y); break;
    case InputEvent::Type::answer: answers.push_back(e.yes); break;
    case InputEvent::Type::text: text_input(g, e.text); break;
    case InputEvent::Type::click: click_control(g, e.text); break;
    case InputEvent::Type::music: mid_pNotify(g, true); break;
    case InputEvent::Type::focus: focus_move(g, e.yes ? 1 : -1); break;
    case InputEvent::Type::press: press_focused(g); break;
    }
}

} // namespace tsu
