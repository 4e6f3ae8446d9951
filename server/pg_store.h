// The scale-out store: PostgreSQL through libpq, shared by any number of
// servers.
#pragma once
#include "store.h"

namespace tsu::rankd {

// Connects (up to `connections` connections, opened as needed) and creates
// the tables when missing. `url` is a libpq connection URI. Throws
// StoreError.
std::unique_ptr<Store> open_pg_store(const std::string& url, int connections);

} // namespace tsu::rankd
