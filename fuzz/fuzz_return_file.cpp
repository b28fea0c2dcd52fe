// Return files from outside: any text either loads or is refused with a
// ReturnFileError that names the file; nothing else may escape, and whatever
// loads is what the records can hold (each record survives its byte image).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "host/return_file.h"
#include "records/byte_image.h"

namespace {

template <class R>
bool survives_byte_image(const R& record) {
    return dek::from_bytes<R>(dek::to_bytes(record)) == record;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > dek::host::kMaxReturnFileSize) return 0;  // load_return_file refuses such a file unread
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const dek::host::ReturnFile r = dek::host::load_return_text(text, "fuzz.json");
        const dek::HostData& d = r.data;
        FUZZ_REQUIRE(survives_byte_image(d.rekdek));
        FUZZ_REQUIRE(survives_byte_image(d.rek28));
        FUZZ_REQUIRE(survives_byte_image(d.rek_uz));
        FUZZ_REQUIRE(survives_byte_image(d.rek01));
        FUZZ_REQUIRE(survives_byte_image(d.zal28));
        FUZZ_REQUIRE(!dek::host::form_title(r.form, d).empty());
        std::string cp;
        FUZZ_REQUIRE(dek::utf8_to_cp1250(d.nr_dek_refer, cp));
    } catch (const dek::host::ReturnFileError& e) {
        FUZZ_REQUIRE(std::string_view(e.what()).substr(0, 11) == "fuzz.json: ");
        FUZZ_REQUIRE(!e.problem().empty());
    }
    return 0;
}
