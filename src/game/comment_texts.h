// The barrage comments: per case, the texts and the copies drawn (size,
// colour, offset from the anchor), one table per heroine.
#pragma once
#include "render/colour.h"

#include <array>

namespace tsu {

struct CommentCopy {
    int size = 0; // font size; 0 ends the list
    Colour colour = 0;
    int dx = 0, dy = 0;
    bool second_text = false; // draws the case's second text
};

struct CommentCase {
    const char* text;
    const char* second; // second text, or nullptr
    std::array<CommentCopy, 3> copies;
};

inline constexpr int kCommentCases = 17;

// The case (slot + passes) mod 17 for heroine `chara`.
const CommentCase& comment_case(int chara, int index);

} // namespace tsu
