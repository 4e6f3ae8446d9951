// initdb + pg_ctl start; pg_ctl stop + remove at the end.
#include "pg_cluster.h"

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace tsu::testing {

std::string pg_bin_folder() {
    std::error_code ec;
    std::string best;
    for (const auto& e : fs::directory_iterator("/usr/lib/postgresql", ec)) {
        const fs::path bin = e.path() / "bin";
        if (fs::exists(bin / "initdb") && fs::exists(bin / "pg_ctl") && bin.string() > best) best = bin.string();
    }
    return best;
}

PgCluster::PgCluster(bool durable) : bin_(pg_bin_folder()), as_(unprivileged_user()) {
    if (bin_.empty()) {
        error_ = "PostgreSQL is not installed (package postgresql)";
        return;
    }
    char tmpl[] = "/tmp/tsumikiya-pg-XXXXXX";
    if (!mkdtemp(tmpl)) {
        error_ = "cannot make a temporary folder";
        return;
    }
    folder_ = tmpl;
    if (as_.uid != uid_t(-1) && chown(folder_.c_str(), as_.uid, as_.gid) != 0) {
        error_ = "cannot give the temporary folder to the unprivileged user";
        return;
    }
    std::string out;
    const std::string data = folder_ + "/data";
    if (run_command({bin_ + "/initdb", "-D", data, "-U", "rankd", "--auth=trust", "-E", "UTF8",
                     "--locale=C", "-N"},
                    out, as_) != 0) {
        error_ = "initdb failed: " + out;
        return;
    }
    std::string settings = "-k " + folder_ + " -c listen_addresses='' -p 5432 -c max_connections=60";
    if (!durable) settings += " -c fsync=off -c synchronous_commit=off -c full_page_writes=off";
    out.clear();
    if (run_command({bin_ + "/pg_ctl", "-D", data, "-o", settings, "-l", folder_ + "/log", "-w", "-t", "60",
                     "start"},
                    out, as_) != 0) {
        std::string log;
        run_command({"cat", folder_ + "/log"}, log);
        error_ = "pg_ctl start failed: " + out + log;
        return;
    }
    started_ = true;
}

PgCluster::~PgCluster() {
    if (started_) {
        std::string out;
        run_command({bin_ + "/pg_ctl", "-D", folder_ + "/data", "-m", "fast", "-w", "stop"}, out, as_);
    }
    if (!folder_.empty()) {
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }
}

std::string PgCluster::url_of(const std::string& database) const {
    return "postgresql://rankd@/" + database + "?host=" + folder_ + "&port=5432";
}

std::string PgCluster::create_database(const std::string& name) {
    std::string out;
    if (run_command({bin_ + "/createdb", "-h", folder_, "-p", "5432", "-U", "rankd", name}, out, as_) != 0) {
        error_ = "createdb failed: " + out;
        return {};
    }
    return url_of(name);
}

} // namespace tsu::testing
