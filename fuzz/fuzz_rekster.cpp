// The settings record: 1024 bytes of the host's, of which the module reads
// dr_bezp and the four blank-sheet bytes and writes only the latter. The
// write of record 0 goes through a scripted file whose calls fail, stop short
// or are interrupted as the input's tail says; whatever happens, the file is
// closed exactly once, and a write reported as done left the record's bytes
// in the file.
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <system_error>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "records/rekster.h"

namespace {

class ScriptedFile : public dek::FileOps {
public:
    ScriptedFile(const std::uint8_t* script, std::size_t size) : script_(script), left_(size) {}

    std::vector<std::uint8_t> contents = std::vector<std::uint8_t>(3 * dek::rekster_t::size, 0xA5);
    int opens = 0, closes = 0;

    int open_rw(const char*) override {
        if (fails(next(), 8)) {
            errno = ENOENT;
            return -1;
        }
        ++opens;
        return 7;
    }
    ssize_t pwrite(int fd, const void* buf, std::size_t n, off_t offset) override {
        FUZZ_REQUIRE(fd == 7 && opens == 1 && closes == 0);
        FUZZ_REQUIRE(offset >= 0 && static_cast<std::size_t>(offset) + n <= dek::rekster_t::size);
        const std::uint8_t step = next();
        if (fails(step, 5)) {
            errno = EINTR;
            return -1;
        }
        if (fails(step, 7)) {
            errno = ENOSPC;
            return -1;
        }
        if (fails(step, 11)) return 0;
        // Writes part of the buffer: at most `step` bytes, at least one.
        const std::size_t done = step == kDone ? n : (n < step ? n : step);
        std::memcpy(contents.data() + offset, buf, done);
        return static_cast<ssize_t>(done);
    }
    int fsync(int) override {
        if (fails(next(), 13)) {
            errno = EIO;
            return -1;
        }
        return 0;
    }
    int close(int fd) override {
        FUZZ_REQUIRE(fd == 7);
        ++closes;
        if (fails(next(), 17)) {
            errno = EIO;
            return -1;
        }
        return 0;
    }

private:
    static constexpr std::uint8_t kDone = 0;  // the script is used up: every call succeeds in full
    const std::uint8_t* script_;
    std::size_t left_;
    static bool fails(std::uint8_t step, int every) { return step != kDone && step % every == 0; }
    std::uint8_t next() {
        if (left_ == 0) return kDone;
        --left_;
        return *script_++;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    dek::rekster_t r;
    const std::size_t head = size < dek::rekster_t::size ? size : dek::rekster_t::size;
    std::memcpy(r.bytes.data(), data, head);
    const dek::rekster_t original = r;

    // Reading the module's bytes; toggling a blank-sheet byte changes that byte only.
    FUZZ_REQUIRE(r.dr_bezp() == r.bytes[dek::rekster_t::dr_bezp_at]);
    for (std::size_t at : {dek::rekster_t::niezadr28_at, dek::rekster_t::niezadr36_at, dek::rekster_t::niezadr36l_at,
                           dek::rekster_t::niezadr37_at}) {
        const bool on = r.niezadr(at);
        FUZZ_REQUIRE(on == (r.bytes[at] != 0));
        const dek::rekster_t before = r;
        r.set_niezadr(at, !on);
        FUZZ_REQUIRE(r.niezadr(at) == !on && r.bytes[at] == (on ? 0 : 1));
        for (std::size_t i = 0; i < dek::rekster_t::size; ++i)
            if (i != at) FUZZ_REQUIRE(r.bytes[i] == before.bytes[i]);
        r.set_niezadr(at, on);
    }
    for (std::size_t i = 0; i < dek::rekster_t::size; ++i)
        if (r.bytes[i] != original.bytes[i]) FUZZ_REQUIRE(r.bytes[i] <= 1 && (original.bytes[i] != 0) == r.bytes[i]);

    // Writing it as record 0 of the settings file.
    auto file = std::make_shared<ScriptedFile>(data + head, size - head);
    dek::zbster_t zbster{"/settings", file};
    bool written = false;
    try {
        dek::write_settings(zbster, r);
        written = true;
    } catch (const std::system_error& e) {
        FUZZ_REQUIRE(e.code().value() != 0);
    }
    FUZZ_REQUIRE(file->closes == file->opens);
    if (written) {
        FUZZ_REQUIRE(std::memcmp(file->contents.data(), r.bytes.data(), dek::rekster_t::size) == 0);
    }
    // Later records of the file are never touched.
    for (std::size_t i = dek::rekster_t::size; i < file->contents.size(); ++i) FUZZ_REQUIRE(file->contents[i] == 0xA5);
    return 0;
}
