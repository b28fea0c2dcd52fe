// The date dt1: any four bytes decode and encode back unchanged, the third
// byte is the month, all zero is the empty date; a return file's date text is
// either a valid calendar date that prints back as it was written, or refused.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <nlohmann/json.hpp>
#include <string>

#include "fuzz/fuzz_check.h"
#include "host/return_file.h"
#include "records/types.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size >= 4) {
        std::array<std::uint8_t, 4> b;
        std::memcpy(b.data(), data, 4);
        const dek::dt1 d = dek::dt1::from_bytes(b);
        FUZZ_REQUIRE(d.bytes() == b);
        FUZZ_REQUIRE(d.third_byte() == b[2]);
        FUZZ_REQUIRE(d.empty() == (b[0] == 0 && b[1] == 0 && b[2] == 0 && b[3] == 0));
    }
    if (size >= 12) {
        std::int32_t y, m, d;
        std::memcpy(&y, data, 4);
        std::memcpy(&m, data + 4, 4);
        std::memcpy(&d, data + 8, 4);
        if (dek::is_valid_calendar_date(y, m, d))
            FUZZ_REQUIRE(y >= 1 && y <= 9999 && m >= 1 && m <= 12 && d >= 1 && d <= 31);
    }

    // The bytes as the date text of a return file (the JSON string escapes them;
    // bytes that are not UTF-8 are replaced, so the file itself is valid JSON).
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string json = R"({"form": "PIT-37", "rekdek": {"podatnik": {"dur": )" +
                             nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) +
                             "}}}";
    try {
        const dek::dt1 d = dek::host::load_return_text(json, "f").data.rekdek.podatnik.dur;
        if (text.empty()) {
            FUZZ_REQUIRE(d.empty());
        } else {
            FUZZ_REQUIRE(dek::is_valid_calendar_date(d.year, d.month, d.day));
            char back[16];
            std::snprintf(back, sizeof back, "%04u-%02u-%02u", unsigned{d.year}, unsigned{d.month}, unsigned{d.day});
            FUZZ_REQUIRE(text == back);
        }
    } catch (const dek::host::ReturnFileError& e) {
        FUZZ_REQUIRE(e.path() == "rekdek.podatnik.dur");
    }
    return 0;
}
