// Picking the store by the --db value.
#include "store.h"

#include "pg_store.h"
#include "sqlite_store.h"

namespace tsu::rankd {

std::unique_ptr<Store> open_store(const std::string& spec, int connections) {
    if (spec.rfind("sqlite:", 0) == 0) return open_sqlite_store(spec.substr(7));
    if (spec.rfind("postgresql://", 0) == 0 || spec.rfind("postgres://", 0) == 0)
        return open_pg_store(spec, connections);
    throw StoreError("unknown database " + spec + " (sqlite:PATH or postgresql://...)");
}

} // namespace tsu::rankd
