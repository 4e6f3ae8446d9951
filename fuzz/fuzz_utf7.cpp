// The ranking's transport layers, whatever the bytes: percent decoding,
// and UTF-7 unpacking in its three forms.
//  - A body decodes to at most its own length; encoding any bytes and
//    decoding them gives the bytes back.
//  - Forgiving unpacking always gives UTF-8
//    and agrees with strict unpacking wherever that accepts the line.
//  - A text the game can send (the Shift-JIS repertoire) packs and unpacks
//    to itself.
#include "fuzz_game.h"
#include "fuzz_text.h"
#include "ranking/field_text.h"
#include "ranking/local_text.h"
#include "ranking/percent.h"
#include "ranking/utf7.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tsu;
    const std::string_view in = fuzz::as_text(data, size);

    if (const auto bytes = percent_decode(in)) FUZZ_CHECK(bytes->size() <= in.size());
    FUZZ_CHECK(percent_decode(percent_encode(in)) == std::string(in));

    const std::string loose = utf7_unpack(in);
    FUZZ_CHECK(fuzz::valid_utf8(loose));
    if (const auto strict = utf7_unpack_strict(in)) {
        FUZZ_CHECK(*strict == loose);
        FUZZ_CHECK(strict->find('\0') == std::string::npos);
    }
    (void)utf7_unpack_local(in); // the game's own reading: under the sanitizers only

    // What the game would send for this text: the characters Shift-JIS has.
    const std::string text = wrap_field_text(from_local(to_local(in)));
    FUZZ_CHECK(fuzz::valid_utf8(text));
    const std::string packed = utf7_pack(text);
    FUZZ_CHECK(utf7_unpack(packed) == text);
    const auto strict = utf7_unpack_strict(packed);
    if (text.find('\0') == std::string::npos) FUZZ_CHECK(strict && *strict == text);
    else FUZZ_CHECK(!strict); // a server refuses a NUL
    return 0;
}
