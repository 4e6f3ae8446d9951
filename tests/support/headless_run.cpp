#include "support/headless_run.h"

#include "app/command_line.h"
#include "app/headless.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace tsu::testing {

nlohmann::json run_headless_dump(const std::filesystem::path& root, const std::filesystem::path& scratch,
                                 const std::string& script, int ticks, std::uint64_t seed) {
    const auto in = scratch / "in.txt";
    std::ofstream(in) << script;
    CommandLine cl;
    cl.headless = true;
    cl.root = root.string();
    cl.seed_given = true;
    cl.seed = seed;
    cl.ticks = ticks;
    cl.input = in.string();
    cl.dump = (scratch / "dump.json").string();
    std::ostringstream err;
    const int status = run_headless(cl, err);
    EXPECT_EQ(status, 0) << err.str();
    if (status != 0) return nlohmann::json::object();
    std::ifstream f(cl.dump);
    return nlohmann::json::parse(f);
}

const nlohmann::json* find_control(const nlohmann::json& dump, const std::string& name) {
    if (!dump.contains("controls")) return nullptr;
    for (const nlohmann::json& c : dump["controls"])
        if (c["name"] == name) return &c;
    return nullptr;
}

} // namespace tsu::testing
