// The ranking exchange's HTTP POST through libcurl: direct connection (no
// proxy), no "Expect: 100-continue" round trip, connect and total timeouts.
#pragma once
#include "game/platform.h"

#include <string>

namespace tsu {

// Blocks until the answer arrives or the timeout passes. Status 0 with the
// reason in `error` when no HTTP answer came (refused, timed out, bad URL).
HttpResponse http_post_curl(const std::string& url, const std::string& body,
                            const std::string& content_type, int timeout_seconds);

} // namespace tsu
