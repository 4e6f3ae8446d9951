// A headless run of the game as the command line starts it, for scenario
// tests: the input script and the dump live in a scratch folder.
#pragma once
#include <nlohmann/json.hpp>

#include <cstdint>
#include <filesystem>
#include <string>

namespace tsu::testing {

// Runs `ticks` ticks on the data root `root` with `script` (written to
// `scratch`), seeded with `seed`; returns the state dump at the end. A run
// that fails is a test failure and an empty dump.
nlohmann::json run_headless_dump(const std::filesystem::path& root, const std::filesystem::path& scratch,
                                 const std::string& script, int ticks, std::uint64_t seed);

// The control called `name` in a dump's "controls", or null when it has none.
const nlohmann::json* find_control(const nlohmann::json& dump, const std::string& name);

} // namespace tsu::testing
