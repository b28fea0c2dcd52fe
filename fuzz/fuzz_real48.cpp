// The 6-byte real: any six bytes decode to a finite value within the type's
// range that encodes back to the same bytes (an exponent byte of 0 is the
// value 0, whatever the other bytes); any double encodes to the nearest real,
// or is refused when it lies beyond the range.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "fuzz/fuzz_check.h"
#include "records/types.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size >= 6) {
        dek::Real48Bytes b;
        std::memcpy(b.data(), data, 6);
        const double v = dek::real48_decode(b);
        FUZZ_REQUIRE(std::isfinite(v) && std::fabs(v) <= dek::real48_max);
        dek::Real48Bytes canonical = b;
        if (b[0] == 0) canonical = dek::Real48Bytes{};
        FUZZ_REQUIRE(dek::real48_encode(v) == canonical);
        data += 6;
        size -= 6;
    }
    if (size >= 8) {
        double d;
        std::memcpy(&d, data, 8);
        bool refused = false;
        dek::Real48Bytes b{};
        try {
            b = dek::real48_encode(d);
        } catch (const std::range_error&) {
            refused = true;
        }
        if (!std::isfinite(d)) {
            FUZZ_REQUIRE(refused);
        } else if (refused) {
            FUZZ_REQUIRE(std::fabs(d) > dek::real48_max);
        } else {
            const double back = dek::real48_decode(b);
            if (back == 0) {
                FUZZ_REQUIRE(std::fabs(d) < std::ldexp(1.0, -128));  // below the smallest real
            } else {
                // Rounded to nearest: off by at most half a unit of the 39-bit fraction.
                FUZZ_REQUIRE(std::fabs(back - d) <= std::ldexp(std::fabs(back), -40));
                FUZZ_REQUIRE(std::signbit(back) == std::signbit(d));
            }
        }
    }
    return 0;
}
