// A throwaway PostgreSQL cluster for the server tests and the load test:
// initdb and pg_ctl in a temporary folder, reached by a Unix socket there
// only (no TCP), run as an unprivileged user when the tests run as root,
// stopped and removed at the end.
#pragma once
#include "child_process.h"

#include <string>

namespace tsu::testing {

class PgCluster {
  public:
    // `durable` false turns fsync off (tests); true keeps PostgreSQL's
    // defaults (the load test's numbers).
    explicit PgCluster(bool durable = false);
    ~PgCluster();
    PgCluster(const PgCluster&) = delete;
    PgCluster& operator=(const PgCluster&) = delete;

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    // A libpq URI of the cluster's database "postgres" as user "rankd".
    std::string url() const { return url_of("postgres"); }
    // Creates another database; its URI, or "" on failure.
    std::string create_database(const std::string& name);

  private:
    std::string url_of(const std::string& database) const;

    std::string bin_;    // the folder of initdb and pg_ctl
    std::string folder_; // temporary: data/, the socket, the log
    RunAs as_;
    bool started_ = false;
    std::string error_;
};

// The folder of PostgreSQL's server programs, "" when not installed.
std::string pg_bin_folder();

} // namespace tsu::testing
