// Picking the store by the --db value.
#include "store.h"

#include "pg_store.h"
#include "sqlite_store.h"

namespace tsu::rankd {

std::unique_ptr<Store> open_store(const std::string& db, int connections) {
    if (db.rfind("sqlite:", 0) == 0) return open_sqlite_store(db.substr(7));
    if (db.rfind("postgresql://", 0) == 0 || db.rfind("postgres://", 0) == 0)
        return open_pg_store(db, connections);
    throw StoreError("unknown database " + db + " (sqlite:PATH or postgresql://...)");
}

} // namespace tsu::rankd
