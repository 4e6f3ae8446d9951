// A JPEG file, whatever its bytes, loads or is refused with a reason (the
// checks every picture reader gets, fuzz_picture.h).
#include "fuzz_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    tsu::fuzz::check_picture_reader(data, size, "in.jpg", tsu::load_jpeg);
    return 0;
}
