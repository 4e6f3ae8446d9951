// A data root written by the asset generator for the tests that read it.
// ctest runs every test in a process of its own, so the root is written
// once into a folder named after the generator and the content sources it
// was made from, and later processes read that folder again.
#pragma once
#include <filesystem>
#include <string>

namespace tsu::testing_support {

// The generator executable of this build.
std::filesystem::path assetgen_exe();

// Runs the generator into `root` with extra arguments; true on success.
bool run_assetgen(const std::filesystem::path& root, const std::string& args = "");

// The shared data root (cg/, dat/, mp3/ all written); empty on failure.
std::filesystem::path generated_root();

} // namespace tsu::testing_support
