// The game executable: the window, or the headless runner with --headless.
#include "app/command_line.h"
#include "app/data_root.h"
#include "app/headless.h"
#include "platform/run_window.h"

#include <iostream>

int main(int argc, char** argv) {
    tsu::CommandLine cl;
    std::string error;
    if (!tsu::parse_command_line(argc, argv, cl, error)) {
        std::cerr << "tsumikiya: " << error << "\n" << tsu::usage_text();
        return 2;
    }
    if (cl.help) {
        std::cout << tsu::usage_text();
        return 0;
    }
    cl.root = tsu::resolve_data_root(cl.root);
    if (cl.headless) return tsu::run_headless(cl, std::cerr);
    return tsu::run_window(cl);
}
