// The answer to one post of the game, apart from HTTP: what the server's
// route calls and what the tests and the fuzz test feed directly.
#pragma once
#include "store.h"

#include <string>
#include <string_view>

namespace tsu::rankd {

struct Reply {
    int status = 200;
    std::string body;
    std::string content_type = "text/plain; charset=us-ascii";
};

struct PostRules {
    int refuse_seconds = 60;
    std::size_t max_body = 8192;
};

// 413 for a body over the limit, 400 with the reason for a body that is not
// a sound post, 503 when the database fails; otherwise 200 with the packed
// lines of the answer (CR LF between them), the refusal line last when the
// post came too soon after the player's last one.
Reply handle_post(Store& store, const PostRules& rules, std::string_view body);

// The packed line that tells the game its post was refused.
std::string refusal_line();

} // namespace tsu::rankd
