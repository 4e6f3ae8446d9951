// The process-wide text engine the canvases draw with when they have none of
// their own. Start-up installs it once, before anything draws; replacing it
// frees the previous engine, so that must not happen while a canvas draws.
#include "render/text_engine.h"

#include <mutex>

namespace tsu {
namespace {

struct Holder {
    std::mutex mutex;
    std::shared_ptr<const TextEngine> engine;
};

Holder& holder() {
    static Holder h;
    return h;
}

} // namespace

const TextEngine* default_text_engine() {
    Holder& h = holder();
    const std::lock_guard lock(h.mutex);
    return h.engine.get();
}

void set_default_text_engine(std::shared_ptr<const TextEngine> engine) {
    Holder& h = holder();
    const std::lock_guard lock(h.mutex);
    h.engine = std::move(engine);
}

} // namespace tsu
