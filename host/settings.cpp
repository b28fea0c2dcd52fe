#include "host/settings.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace dek::host {

namespace fs = std::filesystem;

rekster_t default_settings() {
    rekster_t r;
    for (std::size_t at :
         {rekster_t::niezadr28_at, rekster_t::niezadr36_at, rekster_t::niezadr36l_at, rekster_t::niezadr37_at})
        r.set_niezadr(at, true);
    return r;
}

namespace {

// The user's home folder: $HOME, or when that is unset or empty the user
// database's entry for the user; never the current folder.
fs::path home_folder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') return home;
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    int rc = 0;
    while ((rc = ::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found)) == ERANGE)
        buffer.resize(buffer.size() * 2);
    if (found == nullptr || found->pw_dir == nullptr || *found->pw_dir == '\0')
        throw SettingsError(
            "settings file: no home folder: HOME is not set and the user database has no home for user " +
            std::to_string(::getuid()) + (rc != 0 ? std::string(" (") + std::strerror(rc) + ")" : ""));
    return found->pw_dir;
}

}  // namespace

fs::path default_settings_path() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const fs::path base = xdg != nullptr && *xdg == '/' ? fs::path(xdg) : home_folder() / ".config";
    return base / "dek2018" / "rekster.dat";
}

namespace {

[[noreturn]] void fail(const fs::path& file, const std::string& what) {
    throw SettingsError("settings file " + file.string() + ": " + what);
}

// Closes the descriptor on every way out.
struct Fd {
    int fd;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
};

// Reads record 0; false when the file does not exist. The file is opened
// without waiting (a FIFO would wait for a writer) and must be a regular file.
bool read_record(const fs::path& file, rekster_t& record) {
    Fd f{::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (f.fd < 0) {
        if (errno == ENOENT) return false;
        fail(file, std::strerror(errno));
    }
    struct stat st {};
    if (::fstat(f.fd, &st) != 0) fail(file, std::strerror(errno));
    if (!S_ISREG(st.st_mode)) fail(file, "not a regular file");
    const int flags = ::fcntl(f.fd, F_GETFL);
    if (flags < 0 || ::fcntl(f.fd, F_SETFL, flags & ~O_NONBLOCK) != 0) fail(file, std::strerror(errno));
    std::size_t done = 0;
    while (done < rekster_t::size) {
        const ssize_t n = ::read(f.fd, record.bytes.data() + done, rekster_t::size - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail(file, std::strerror(errno));
        }
        if (n == 0)
            fail(file, "shorter than one record (" + std::to_string(done) + " of " + std::to_string(rekster_t::size) +
                           " bytes)");
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes the defaults into a new file beside `file` and returns its name.
fs::path write_defaults_beside(const fs::path& file) {
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0;; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".%08x", static_cast<unsigned>(random()));
        const fs::path temporary = file.parent_path() / ("." + file.filename().string() + suffix);
        Fd f{::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644)};
        if (f.fd < 0) {
            if (errno == EEXIST && attempt < 100) continue;
            fail(file, "cannot create: " + std::string(std::strerror(errno)));
        }
        const rekster_t defaults = default_settings();
        std::size_t done = 0;
        int error = 0;
        while (done < rekster_t::size && error == 0) {
            const ssize_t n = ::write(f.fd, defaults.bytes.data() + done, rekster_t::size - done);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) error = errno;
            if (n == 0) error = EIO;
            if (n > 0) done += static_cast<std::size_t>(n);
        }
        if (error == 0 && ::fsync(f.fd) != 0) error = errno;
        const int fd = f.fd;
        f.fd = -1;
        if (::close(fd) != 0 && error == 0) error = errno;
        if (error != 0) {
            ::unlink(temporary.c_str());
            fail(file, "cannot create: " + std::string(std::strerror(error)));
        }
        return temporary;
    }
}

// Creates the default file with the defaults, complete at once: written under
// another name, then linked to its own name, which fails when a file appeared
// there meanwhile (another run made it; that one stays). An existing file is
// left alone.
void create_default(const fs::path& file) {
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    if (ec) fail(file, "cannot create its folder: " + ec.message());
    const fs::path temporary = write_defaults_beside(file);
    int error = 0;
    if (::link(temporary.c_str(), file.c_str()) != 0 && errno != EEXIST) {
        // A file system without hard links: a rename that never replaces.
        error = errno;
        if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, file.c_str(), RENAME_NOREPLACE) == 0 || errno == EEXIST)
            error = 0;
    }
    ::unlink(temporary.c_str());
    if (error != 0) fail(file, "cannot create: " + std::string(std::strerror(error)));
}

}  // namespace

void bind_settings(HostData& data, const std::optional<fs::path>& named) {
    const fs::path file = named ? *named : default_settings_path();
    rekster_t record;
    bool found = read_record(file, record);
    if (!found && !named) {
        create_default(file);
        found = read_record(file, record);
    }
    data.rekster = found ? record : default_settings();
    data.zbster.path = file.string();
}

}  // namespace dek::host
