// The field text of a ranking line and the request built from it.
#include "ranking/field_text.h"

#include "ranking/field_tags.h"
#include "ranking/percent.h"
#include "ranking/utf7.h"

namespace tsu {

std::string field_text(const tplayer& p) {
    std::string out = "[hあ]hあ[n" + p.name + "]n";
    for (const FieldTag& f : field_tags()) {
        out += f.opening();
        switch (f.kind) {
        case FieldKind::number: out += std::to_string(*number_field(p, f)); break;
        case FieldKind::text: out += *text_field(p, f); break;
        case FieldKind::pair:
            out += std::to_string(p.ex_chara[std::size_t(f.pack)]);
            out += std::to_string(p.ex_stage[std::size_t(f.pack)]);
            break;
        }
        out += f.closing();
    }
    return out;
}

std::string wrap_field_text(std::string_view text) {
    std::string out = "＊　";
    out += text;
    out += "　＊";
    return out;
}

std::string packed_line(const tplayer& p) { return utf7_pack(wrap_field_text(field_text(p))); }

std::string ir_request_body(const tplayer& profile) { return percent_encode(packed_line(profile)); }

std::string ir_request_url(std::string_view base_url) {
    while (!base_url.empty() && base_url.back() == '/') base_url.remove_suffix(1);
    return std::string(base_url) + "/sorabou/sorabou_rank.exe?write";
}

} // namespace tsu
