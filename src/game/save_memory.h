// What the game remembers of its save file between reading it and writing
// it: the text lines exactly as they were on disk, and whether the file on
// disk must be left alone.
#pragma once
#include <string>

namespace tsu {

// One text line of the save file (name, comment, place) as read: the file's
// own Shift-JIS bytes and the UTF-8 the game made of them for drawing and
// comparing. While the game's text still equals `utf8`, the line is written
// back as `bytes`, so bytes with no exact UTF-8 form (damaged Shift-JIS, the
// NEC and IBM codes of one kanji) survive a round trip unchanged.
struct SavedText {
    std::string bytes;
    std::string utf8;
};

struct SaveMemory {
    SavedText name, comment, place;
    // A save file that could not be read and could not be kept aside under
    // another name: it is never written over.
    bool keep_unread_file = false;
};

} // namespace tsu
