// The tagged fields of a ranking line. A field is written as its opening
// marker ("{" + tag), the value and its closing marker. The first fields
// close brace first ("}t"), the extra-pack fields letter first ("b}"); the
// name stands between "[n" and "]n". Markers are two-byte sequences found by
// their last occurrence in the line, so a value may hold anything but a
// later copy of its own markers.
#pragma once
#include "ranking/tplayer.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tsu {

enum class FieldKind {
    number, // signed decimal
    text,   // stored as it is
    pair,   // an extra pack's heroine digit and stage digit, back to back
};

struct FieldTag {
    char tag;
    FieldKind kind;
    bool brace_first; // closing marker "}t" rather than "b}"
    int pack;         // extra pack 1..6 of the ex_ fields; 0 for the others
    std::string opening() const { return {'{', tag}; }
    std::string closing() const {
        return brace_first ? std::string{'}', tag} : std::string{tag, '}'};
    }
};

// The 27 tagged fields in the order a request writes them (the name first,
// before them, and the date last).
const std::array<FieldTag, 27>& field_tags();

// The number field a tag stands for (ir_id, ex_score[3], ...); nullptr for
// the text and pair tags.
int32_t* number_field(tplayer& p, const FieldTag& f);
const int32_t* number_field(const tplayer& p, const FieldTag& f);
// The text field of a text tag (comment, place, date); nullptr otherwise.
std::string* text_field(tplayer& p, const FieldTag& f);
const std::string* text_field(const tplayer& p, const FieldTag& f);

// The raw value between the last opening and the last closing marker, when
// both occur (empty when the closing one comes first).
std::optional<std::string_view> marked_value(std::string_view line, std::string_view opening,
                                             std::string_view closing);
std::optional<std::string_view> name_value(std::string_view line);
std::optional<std::string_view> tag_value(std::string_view line, const FieldTag& f);

// A whole signed decimal int32 ("-12", "+7"); nullopt for anything else.
std::optional<int32_t> parse_int32(std::string_view text);

// Stores a raw value into its field. Numbers that do not convert leave the
// field as it was; a pair converts its first character into the heroine
// and its second alone into the stage, each failing alone. Texts are
// converted with `decode_text` (the client's lines are Shift-JIS, a
// server's already UTF-8). False when something did not convert.
bool apply_field(tplayer& p, const FieldTag& f, std::string_view value,
                 std::string (*decode_text)(std::string_view));

} // namespace tsu
