// Amounts: every amount a return file may carry prints exactly as written.
// The input picks an amount in hundredths (or thousandths) of a złoty, of
// any size; written into a return file as a decimal, it is taken exactly when
// its magnitude is below 2^33 (whole złoty packed in `zal44`: below 2^40), and
// then rounds back to the digits written, half away from zero; beyond the
// bound it is refused with its path. A single field takes it only when the
// single holds it to the grosz, and then prints it as written too.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz/fuzz_check.h"
#include "host/return_file.h"
#include "records/types.h"

namespace {

// |n| as decimal digits.
std::string digits_of(std::uint64_t n) { return std::to_string(n); }

// "-1234.56" from -123456 hundredths (`decimals` places).
std::string decimal(bool negative, std::uint64_t magnitude, int decimals) {
    std::string d = digits_of(magnitude);
    if (d.size() <= static_cast<std::size_t>(decimals))
        d.insert(0, static_cast<std::size_t>(decimals) + 1 - d.size(), '0');
    if (decimals > 0) d.insert(d.size() - static_cast<std::size_t>(decimals), ".");
    return (negative ? "-" : "") + d;
}

// Loads `{"form": "PIT-37", <member>}`; false when refused (then at `path`).
bool load(const std::string& member, const std::string& path, dek::HostData& out) {
    try {
        out = dek::host::load_return_text("{\"form\": \"PIT-37\", " + member + "}", "f").data;
        return true;
    } catch (const dek::host::ReturnFileError& e) {
        FUZZ_REQUIRE(e.path() == path);
        return false;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 9) return 0;
    std::uint64_t raw = 0;
    std::memcpy(&raw, data, 8);
    const bool negative = (data[8] & 1) != 0;
    const bool thousandths = (data[8] & 2) != 0;
    // Magnitudes spread over every size, the bounds' neighbourhoods included.
    const std::uint64_t magnitude = raw >> (data[8] >> 2) % 64;
    const int decimals = thousandths ? 3 : 2;
    const std::string text = decimal(negative, magnitude, decimals);
    const double unit = thousandths ? 1000.0 : 100.0;
    const double value = static_cast<double>(magnitude) / unit;  // about, for the bound

    // A 6-byte real amount: taken below 2^33, and then rounds to the digits written.
    dek::HostData d;
    const bool taken = load("\"rekdek\": {\"pod\": " + text + "}", "rekdek.pod", d);
    if (value < dek::kAmountBound - 1) FUZZ_REQUIRE(taken);
    if (value > dek::kAmountBound + 1) FUZZ_REQUIRE(!taken);
    // Thousandths are told apart by the field below 2^29 only.
    if (taken && (!thousandths || value < 536870912.0)) {
        const std::uint64_t cents = thousandths ? (magnitude + 5) / 10 : magnitude;
        const dek::RoundedDigits printed = dek::round_real(d.rekdek.pod, 2);
        FUZZ_REQUIRE(printed.digits == digits_of(cents));
        FUZZ_REQUIRE(printed.negative == (negative && cents != 0));
    }

    // Whole złoty packed in zal44: taken below 2^40, exactly.
    const std::string whole = (negative ? "-" : "") + digits_of(magnitude);
    const bool packed = load("\"rekdek\": {\"mies\": [{\"zal44\": [" + whole + "]}]}", "rekdek.mies[1].zal44[1]", d);
    const auto m = static_cast<double>(magnitude);
    if (m < dek::kPackedAmountBound) FUZZ_REQUIRE(packed);
    if (m > dek::kPackedAmountBound + 1e5) FUZZ_REQUIRE(!packed);
    if (packed) FUZZ_REQUIRE(dek::round_real(d.rekdek.mies[1].zal44[1], 0).digits == digits_of(magnitude));

    // A single amount: taken only as the single holds it, then printed as written.
    if (!thousandths && load("\"rekdek\": {\"dzieci\": [{\"ud\": " + text + "}]}", "rekdek.dzieci[1].ud", d)) {
        const float ud = d.rekdek.dzieci[1].ud;
        FUZZ_REQUIRE(dek::round_single(ud, 2).digits == digits_of(magnitude));
        FUZZ_REQUIRE(dek::round_real(static_cast<double>(ud), 2).digits == digits_of(magnitude));
    } else if (!thousandths) {
        FUZZ_REQUIRE(value >= 131072.0);  // below 2^17 a single holds every grosz
    }
    return 0;
}
