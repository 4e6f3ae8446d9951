// An input script, whatever its text, parses or fails with a line number.
// The events of one that parses come out in tick order, and each, written
// back as a script line, parses to the same event.
#include "app/input_script.h"
#include "fuzz_game.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tsu;
    std::vector<InputEvent> events;
    std::string error;
    if (!parse_input_script(std::string(fuzz::as_text(data, size)), events, error)) {
        FUZZ_CHECK(error.rfind("line ", 0) == 0);
        return 0;
    }
    for (std::size_t i = 0; i < events.size(); ++i) {
        const InputEvent& e = events[i];
        if (i > 0) FUZZ_CHECK(events[i - 1].tick <= e.tick);
        std::vector<InputEvent> back;
        FUZZ_CHECK(parse_input_script(format_input_event(e), back, error));
        FUZZ_CHECK(back.size() == 1);
        const InputEvent& b = back[0];
        FUZZ_CHECK(b.tick == e.tick && b.type == e.type && b.key == e.key && b.down == e.down &&
                   b.button == e.button && b.x == e.x && b.y == e.y && b.yes == e.yes &&
                   b.text == e.text);
    }
    return 0;
}
