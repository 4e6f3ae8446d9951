// The embedded store: one SQLite file in WAL mode.
#pragma once
#include "store.h"

namespace tsu::rankd {

// Opens (creating the folder, file and tables when missing) the database at
// `path`. Throws StoreError.
std::unique_ptr<Store> open_sqlite_store(const std::string& path);

} // namespace tsu::rankd
