// Which of SDL's video drivers may carry the window: any real one, and the
// invisible ones only when SDL_VIDEODRIVER names them.
#include "platform/display_check.h"

#include <gtest/gtest.h>

namespace {

TEST(DisplayCheck, InvisibleDriversOnlyWhenAskedForByName) {
    struct Case {
        const char* driver;
        const char* requested;
        bool refused;
    };
    for (const Case c : {
             Case{"x11", nullptr, false},
             Case{"wayland", "", false},
             Case{"offscreen", nullptr, true}, // the fall-back when no display answers
             Case{"offscreen", "", true},
             Case{"dummy", "x11", true},
             Case{"offscreen", "offscreen", false},
             Case{"dummy", "DUMMY", false},
             Case{"offscreen", "x11,offscreen", false},
             Case{"offscreen", "x11,off", true},
             Case{nullptr, nullptr, false},
         }) {
        EXPECT_EQ(tsu::invisible_driver_unasked(c.driver, c.requested), c.refused)
            << (c.driver ? c.driver : "(none)") << " / " << (c.requested ? c.requested : "(unset)");
    }
}

} // namespace
