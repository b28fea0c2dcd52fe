#include "platform/output_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <string>

namespace dek::platform {

OutputError::OutputError(int code, const std::filesystem::path& file, bool started)
    : std::system_error(code, std::generic_category(), file.string()), started_(started) {}

namespace {

// A name for the new file beside `target` that no other writer picks: the
// target's name behind a dot, with random letters after it.
std::filesystem::path temporary_beside(const std::filesystem::path& target, std::mt19937_64& random) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string suffix;
    for (int i = 0; i < 8; ++i) suffix += kLetters[random() % (sizeof kLetters - 1)];
    return target.parent_path() / ("." + target.filename().string() + "." + suffix);
}

}  // namespace

void write_file_replacing(const std::filesystem::path& target, std::string_view bytes) {
    std::random_device seed;
    std::mt19937_64 random((static_cast<std::uint64_t>(seed()) << 32) ^ seed() ^
                           static_cast<std::uint64_t>(::getpid()));
    std::filesystem::path temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        temporary = temporary_beside(target, random);
        // Exclusive: never an existing file, never through a link.
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0 && (errno != EEXIST || attempt >= 100)) throw OutputError(errno, target, false);
    }
    auto fail = [&](int code) {
        if (fd >= 0) ::close(fd);
        ::unlink(temporary.c_str());
        throw OutputError(code, target, true);
    };
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) fail(errno);
        if (n == 0) fail(EIO);
        done += static_cast<std::size_t>(n);
    }
    // A full disk may only show when the data reach it.
    if (::fsync(fd) != 0) fail(errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0) fail(errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0) fail(errno);
}

}  // namespace dek::platform
