// text(N): any Windows-1250 bytes (a length byte beyond N clamped) print as
// valid UTF-8, and any UTF-8 that converts to Windows-1250 converts back to
// itself.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "records/byte_image.h"
#include "records/types.h"

namespace {

struct OneText {
    dek::Text<13> t;
    template <class V>
    void fields(V& v) {
        v("t", t);
    }
    bool operator==(const OneText&) const = default;
};

// Structurally valid UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF).
bool valid_utf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        std::size_t len = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 0;
        if (len == 0 || i + len > s.size()) return false;
        char32_t c = len == 1 ? b : len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
        for (std::size_t k = 1; k < len; ++k) {
            const auto n = static_cast<unsigned char>(s[i + k]);
            if ((n & 0xC0) != 0x80) return false;
            c = (c << 6) | (n & 0x3F);
        }
        static constexpr char32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < kMin[len] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
        i += len;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // As stored in a record: Windows-1250 bytes, cut to the field's width.
    dek::Text<40> t;
    t.set_cp1250(bytes);
    FUZZ_REQUIRE(t.size() == (size < 40 ? size : 40));
    FUZZ_REQUIRE(valid_utf8(t.str()));

    // As a record image: length byte, then the 13 characters.
    if (size >= dek::Text<13>::byte_size) {
        const OneText o = dek::from_bytes<OneText>(data, dek::Text<13>::byte_size);
        FUZZ_REQUIRE(o.t.size() == (data[0] > 13 ? 13U : data[0]));
        FUZZ_REQUIRE(o.t.cp1250() == bytes.substr(1, o.t.size()));
        FUZZ_REQUIRE(dek::from_bytes<OneText>(dek::to_bytes(o)) == o);
    }

    // As UTF-8 from a return file or a programmer.
    std::string cp;
    if (dek::utf8_to_cp1250(bytes, cp)) {
        FUZZ_REQUIRE(valid_utf8(bytes));
        FUZZ_REQUIRE(dek::cp1250_to_utf8(cp) == bytes);
    } else if (valid_utf8(bytes)) {
        bool thrown = false;
        try {
            dek::Text<4096> any(bytes);
        } catch (const std::invalid_argument&) {
            thrown = true;
        }
        FUZZ_REQUIRE(thrown);
    }
    return 0;
}
