// The text of --help: what the game takes on its command line, its keys and
// gamepad buttons, and where it keeps its files.
#include "app/command_line.h"
#include "app/key_actions.h"
#include "app/settings.h"

#include <sstream>

namespace tsu {

std::string help_text() {
    std::ostringstream out;
    out << "Tsumikiya " << game_version() << ": a side-view ninja action game.\n\n"
        << usage_text() << "\n"
        << "Options:\n"
           "  --root DIR          the data root (cg/, dat/, mp3/); default: beside the\n"
           "                      executable, else the install prefix's share/tsumikiya\n"
           "  --scale N           window at N times 512 x 384 (1..16; default: the largest\n"
           "                      whole multiple that fits)\n"
           "  --fullscreen        start in full screen; --windowed: in a window\n"
           "  --seed N            seed of the random generator (default: the clock)\n"
           "  --ranking-url URL   the ranking server (default " << kDefaultRankingUrl << ")\n"
           "  --replay FILE       play a recorded run back (in the window or with --headless)\n"
           "  --headless          run without a window:\n"
           "    --input FILE      scripted input events\n"
           "    --ticks N         run N ticks of 80 ms\n"
           "    --dump FILE.json  the game state at the end\n"
           "    --shot FILE.png@T a screenshot after T ticks (repeatable)\n"
           "  --virtual-pad FILE  window: plug in a gamepad driven by a script (for tests)\n"
           "  --help, --version\n\n"
           "Keys: action, keys, what it does. Bind them in settings.ini by the key's place\n"
           "(key_<action> = key names; International3 is the JIS yen key):\n";
    for (const KeyAction& a : key_actions()) {
        std::string line = "  " + std::string(a.name);
        line.resize(13, ' ');
        line += a.keys;
        if (line.size() < 40) line.resize(40, ' ');
        out << line << " " << a.what << "\n";
    }
    out << "               Alt+Return              full screen on/off\n"
           "  mouse: left click walks to a cell, right click jumps\n\n"
           "Gamepad: d-pad or left stick walk, south jumps, west throws, north special,\n"
           "east ring, shoulders the techniques, Start pauses, Back gives up; on the title\n"
           "and in panels the d-pad moves the focus and south presses (pad_<action> in\n"
           "settings.ini).\n\n"
           "Files:\n"
           "  settings   $XDG_CONFIG_HOME/tsumikiya/settings.ini (~/.config/tsumikiya/)\n"
           "  saves      the data root's dat/ when it is writable (a build tree or portable\n"
           "             copy), else $XDG_DATA_HOME/tsumikiya (~/.local/share/tsumikiya/):\n"
           "             my.dat (records), user stages, the editor's recovery file\n"
           "  replays    replays/ in that same folder, the last 50 runs\n";
    return out.str();
}

} // namespace tsu
