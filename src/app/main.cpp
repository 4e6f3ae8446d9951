// The game executable: the window, or the headless runner with --headless.
#include "app/command_line.h"
#include "app/data_root.h"
#include "app/headless.h"
#include "app/settings.h"
#include "data/file_io.h"
#include "platform/run_window.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    tsu::CommandLine cl;
    std::string error;
    if (!tsu::parse_command_line(argc, argv, cl, error)) {
        std::cerr << "tsumikiya: " << error << "\n" << tsu::usage_text();
        return 2;
    }
    if (cl.help) {
        std::cout << tsu::help_text();
        return 0;
    }
    if (cl.version) {
        std::cout << "tsumikiya " << tsu::game_version() << "\n";
        return 0;
    }
    // The settings file under the command line: flags win.
    const std::string settings_file = tsu::settings_path();
    if (!settings_file.empty()) // leftovers of a write the game never finished
        tsu::remove_stale_temp_files(std::filesystem::path(settings_file).parent_path().string());
    tsu::Settings settings = tsu::load_settings(settings_file);
    if (cl.ranking_url.empty()) cl.ranking_url = settings.ranking_url;

    cl.root = tsu::resolve_data_root(cl.root);
    cl.user_dir = tsu::user_data_folder(cl.root);
    if (cl.user_dir.empty())
        std::cerr << "tsumikiya: no folder for saves (" << cl.root
                  << "/dat is read-only and neither XDG_DATA_HOME nor HOME is set)\n";
    else
        std::cerr << "tsumikiya: saves and replays in " << cl.user_dir << "\n";
    if (cl.headless) {
        tsu::report_settings_problems(settings, std::cerr);
        return tsu::run_headless(cl, std::cerr);
    }
    // The window reports the settings' problems once it has read the key names.
    return tsu::run_window(cl, settings);
}
