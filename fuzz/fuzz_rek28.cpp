// The PIT-28 record read from its packed image: any bytes of the right length
// decode (a corrupt length byte is clamped), any other length is refused, and
// a decoded record comes out of its own image unchanged.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "records/byte_image.h"
#include "records/rek28.h"

namespace {

// A text read from the image prints as UTF-8 that converts back to the same
// bytes, unless it holds one of the five bytes Windows-1250 leaves undefined.
template <std::size_t N>
void check_text(const dek::Text<N>& t) {
    FUZZ_REQUIRE(t.size() <= N);
    std::string back;
    const bool converts = dek::utf8_to_cp1250(t.str(), back);
    bool undefined = false;
    for (char c : t.cp1250()) {
        const auto b = static_cast<unsigned char>(c);
        undefined = undefined || b == 0x81 || b == 0x83 || b == 0x88 || b == 0x90 || b == 0x98;
    }
    FUZZ_REQUIRE(converts == !undefined);
    if (converts) FUZZ_REQUIRE(back == t.cp1250());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::size_t image = dek::image_size<dek::rek28_t>();
    if (size != image) {
        bool refused = false;
        try {
            dek::from_bytes<dek::rek28_t>(data, size);
        } catch (const std::length_error&) {
            refused = true;
        }
        FUZZ_REQUIRE(refused);
    }
    // Whatever the length, decode the bytes as an image of the right size.
    std::vector<std::uint8_t> bytes(data, data + (size < image ? size : image));
    bytes.resize(image, 0);
    const dek::rek28_t r = dek::from_bytes<dek::rek28_t>(bytes);

    const std::vector<std::uint8_t> again = dek::to_bytes(r);
    FUZZ_REQUIRE(again.size() == image);
    FUZZ_REQUIRE(dek::from_bytes<dek::rek28_t>(again) == r);

    check_text(r.nip);
    check_text(r.nazw);
    check_text(r.urz);
    for (const auto& part : r.d_us) check_text(part);
    for (const auto& s : r.spolki) {
        check_text(s.nazsp);
        check_text(s.nipsp);
    }
    return 0;
}
