#include "host/settings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

namespace dek::host {

namespace fs = std::filesystem;

rekster_t default_settings() {
    rekster_t r;
    for (std::size_t at :
         {rekster_t::niezadr28_at, rekster_t::niezadr36_at, rekster_t::niezadr36l_at, rekster_t::niezadr37_at})
        r.set_niezadr(at, true);
    return r;
}

fs::path default_settings_path() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    fs::path base;
    if (xdg != nullptr && *xdg == '/') {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        base = fs::path(home != nullptr && *home != '\0' ? home : ".") / ".config";
    }
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

// Reads record 0; false when the file does not exist.
bool read_record(const fs::path& file, rekster_t& record) {
    Fd f{::open(file.c_str(), O_RDONLY | O_CLOEXEC)};
    if (f.fd < 0) {
        if (errno == ENOENT) return false;
        fail(file, std::strerror(errno));
    }
    struct stat st {};
    if (::fstat(f.fd, &st) != 0) fail(file, std::strerror(errno));
    if (!S_ISREG(st.st_mode)) fail(file, "not a regular file");
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

// Creates the default file with the defaults; an existing file is left alone.
void create_default(const fs::path& file) {
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    if (ec) fail(file, "cannot create its folder: " + ec.message());
    Fd f{::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644)};
    if (f.fd < 0) {
        if (errno == EEXIST) return;  // made meanwhile by another run
        fail(file, "cannot create: " + std::string(std::strerror(errno)));
    }
    const rekster_t defaults = default_settings();
    std::size_t done = 0;
    while (done < rekster_t::size) {
        const ssize_t n = ::write(f.fd, defaults.bytes.data() + done, rekster_t::size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const std::string why = n < 0 ? std::strerror(errno) : "short write";
            ::unlink(file.c_str());
            fail(file, "cannot create: " + why);
        }
        done += static_cast<std::size_t>(n);
    }
}

}  // namespace

void bind_settings(HostData& data, const std::optional<fs::path>& named) {
    const fs::path file = named ? *named : default_settings_path();
    if (!named && !fs::exists(file)) create_default(file);
    rekster_t record;
    if (!read_record(file, record)) record = default_settings();
    data.rekster = record;
    data.zbster.path = file.string();
}

}  // namespace dek::host
