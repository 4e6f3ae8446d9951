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

void mask_to_runs(const TextMask& mask, TextRuns& out) {
    out.width = mask.width;
    out.height = mask.height;
    for (int y = 0; y < mask.height; ++y) {
        const std::uint8_t* row = mask.bits.data() + std::size_t(y) * std::size_t(mask.width);
        for (int x = 0; x < mask.width;) {
            if (row[x] == 0) {
                ++x;
                continue;
            }
            const int x0 = x;
            while (x < mask.width && row[x] != 0) ++x;
            out.runs.push_back(InkRun{y, x0, x});
        }
    }
}

void set_default_text_engine(std::shared_ptr<const TextEngine> engine) {
    Holder& h = holder();
    const std::lock_guard lock(h.mutex);
    h.engine = std::move(engine);
}

} // namespace tsu
