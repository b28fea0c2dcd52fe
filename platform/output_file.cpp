#include "platform/output_file.h"

#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

namespace dek::platform {

OutputError::OutputError(int code, const std::filesystem::path& file, bool started)
    : std::system_error(code, std::generic_category(), file.string()), started_(started) {}

namespace {

// The hidden name is the target's name behind a dot with a dot and eight
// letters after it: ten bytes more, taken off the end of the name where the
// folder's longest name would be passed.
constexpr std::size_t kTemporaryExtra = 10;

// A name for the new file beside `target` that no other writer picks: the
// target's name behind a dot, with random letters after it.
std::filesystem::path temporary_beside(const std::filesystem::path& target, std::mt19937_64& random) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string suffix;
    for (int i = 0; i < 8; ++i) suffix += kLetters[random() % (sizeof kLetters - 1)];
    std::string name = target.filename().string();
    if (name.size() + kTemporaryExtra > NAME_MAX) name.resize(NAME_MAX - kTemporaryExtra);
    return target.parent_path() / ("." + name + "." + suffix);
}

// The file being written, for the signal handler: a handler reaches only
// static storage, so the one path in progress lives here, set and cleared
// with the signals blocked. Writes run on one thread.
char g_temporary[PATH_MAX + 1];
volatile sig_atomic_t g_temporary_set = 0;

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Removes the file being written, then ends the process as the signal would
// have ended it.
extern "C" void remove_temporary_and_end(int signal) {
    if (g_temporary_set != 0) ::unlink(g_temporary);
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    ::sigaction(signal, &fallback, nullptr);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    ::pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
    ::raise(signal);
}

// For the time of one write: SIGINT, SIGTERM and SIGHUP remove the new file
// before they end the process. A signal the process ignores stays ignored.
class TemporaryGuard {
public:
    TemporaryGuard() {
        sigemptyset(&ending_);
        for (int s : kEndingSignals) sigaddset(&ending_, s);
        for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
            struct sigaction current {};
            ::sigaction(kEndingSignals[i], nullptr, &current);
            if (current.sa_handler == SIG_IGN) continue;
            struct sigaction handler {};
            handler.sa_handler = remove_temporary_and_end;
            handler.sa_mask = ending_;
            ::sigaction(kEndingSignals[i], &handler, &saved_[i]);
            installed_[i] = true;
        }
    }
    ~TemporaryGuard() {
        clear();
        for (std::size_t i = 0; i < std::size(kEndingSignals); ++i)
            if (installed_[i]) ::sigaction(kEndingSignals[i], &saved_[i], nullptr);
    }
    TemporaryGuard(const TemporaryGuard&) = delete;
    TemporaryGuard& operator=(const TemporaryGuard&) = delete;

    // Opens the new file exclusively and makes it the one a signal removes,
    // with the signals held off in between. Returns the descriptor or -1.
    int create(const std::filesystem::path& temporary, mode_t mode) {
        const Blocked blocked(ending_);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
        if (fd >= 0) {
            const std::string& name = temporary.native();
            const std::size_t n = std::min(name.size(), sizeof g_temporary - 1);
            std::memcpy(g_temporary, name.data(), n);
            g_temporary[n] = '\0';
            g_temporary_set = 1;
        }
        return fd;
    }
    // Renames the new file over the target, after which a signal has nothing
    // to remove. Returns 0 or the system's error code.
    int rename_over(const std::filesystem::path& temporary, const std::filesystem::path& target) {
        const Blocked blocked(ending_);
        const int result = ::rename(temporary.c_str(), target.c_str()) == 0 ? 0 : errno;
        if (result == 0) g_temporary_set = 0;
        return result;
    }
    void clear() {
        const Blocked blocked(ending_);
        g_temporary_set = 0;
    }

private:
    class Blocked {
    public:
        explicit Blocked(const sigset_t& set) { ::pthread_sigmask(SIG_BLOCK, &set, &old_); }
        ~Blocked() { ::pthread_sigmask(SIG_SETMASK, &old_, nullptr); }
        Blocked(const Blocked&) = delete;
        Blocked& operator=(const Blocked&) = delete;

    private:
        sigset_t old_;
    };

    sigset_t ending_;
    struct sigaction saved_[std::size(kEndingSignals)]{};
    bool installed_[std::size(kEndingSignals)] = {};
};

// A regular file at `target` hands its mode on to the file that replaces
// it, and its owner and group where the process may give them (as root); a
// link or nothing there leaves the new file as the umask makes it.
void keep_mode_of(const std::filesystem::path& target, int fd) {
    struct stat old {};
    if (::lstat(target.c_str(), &old) != 0 || !S_ISREG(old.st_mode)) return;
    // Owner first: changing it clears the set-id bits the mode may carry.
    if (::geteuid() == 0) (void)::fchown(fd, old.st_uid, old.st_gid);
    (void)::fchmod(fd, old.st_mode & 07777);
}

}  // namespace

void write_file_replacing(const std::filesystem::path& target, std::string_view bytes) {
    std::random_device seed;
    std::mt19937_64 random((static_cast<std::uint64_t>(seed()) << 32) ^ seed() ^
                           static_cast<std::uint64_t>(::getpid()));
    TemporaryGuard guard;
    std::filesystem::path temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        temporary = temporary_beside(target, random);
        // Exclusive: never an existing file, never through a link.
        fd = guard.create(temporary, 0666);
        if (fd < 0 && (errno != EEXIST || attempt >= 100)) throw OutputError(errno, target, false);
    }
    auto fail = [&](int code) {
        if (fd >= 0) ::close(fd);
        ::unlink(temporary.c_str());
        guard.clear();
        throw OutputError(code, target, true);
    };
    keep_mode_of(target, fd);
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
    if (const int code = guard.rename_over(temporary, target); code != 0) fail(code);
}

FolderLock::FolderLock(const std::filesystem::path& dir) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) return;  // nothing can be written there either: the print says why
    fd_ = ::open((dir / kFolderLockName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd_ < 0) return;
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        busy_ = errno == EWOULDBLOCK;
        ::close(fd_);
        fd_ = -1;
    }
}

FolderLock::~FolderLock() {
    if (fd_ >= 0) ::close(fd_);
}

}  // namespace dek::platform
