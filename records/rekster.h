// The settings record `rekster` (1024 bytes, the host's) and its file `zbster`.
// This module reads five bytes of it and writes record 0 of the file back when
// a print dialog's blank-sheet choice changed.
#pragma once

#include <sys/types.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace dek {

struct rekster_t {
    static constexpr std::size_t size = 1024;
    // Offsets of the bytes this module uses; every other byte is the host's.
    static constexpr std::size_t dr_bezp_at = 0x02;
    static constexpr std::size_t niezadr28_at = 0x2D;
    static constexpr std::size_t niezadr36_at = 0x2E;
    static constexpr std::size_t niezadr36l_at = 0x2F;
    static constexpr std::size_t niezadr37_at = 0x30;

    std::array<std::uint8_t, size> bytes{};

    std::uint8_t dr_bezp() const { return bytes[dr_bezp_at]; }
    // A Boolean byte: read as false when 0, written as 0 or 1.
    bool niezadr(std::size_t at) const { return bytes.at(at) != 0; }
    void set_niezadr(std::size_t at, bool on) { bytes.at(at) = on ? 1 : 0; }

    bool operator==(const rekster_t&) const = default;
};

// The system calls the settings write goes through; tests replace them to make
// a step fail (tests run as root, where mode bits do not stop a write).
struct FileOps {
    virtual ~FileOps() = default;
    virtual int open_rw(const char* path);  // existing file only: no create, no truncate
    virtual ssize_t pwrite(int fd, const void* buf, std::size_t n, off_t offset);
    virtual int fsync(int fd);
    virtual int close(int fd);
};

// The file variable of the settings file: the host binds it to a path.
struct zbster_t {
    std::string path;
    std::shared_ptr<FileOps> ops = std::make_shared<FileOps>();
};

// Writes `rekster` as record 0 of the settings file: opens the existing file
// for reading and writing (never creating or truncating it), writes the 1024
// bytes at offset 0, flushes them to disk and closes the file. Later records
// stay untouched. A failing step throws std::system_error with the system's
// error code (a short write reports EIO); the file is closed in every case.
void write_settings(const zbster_t& file, const rekster_t& record);

}  // namespace dek
