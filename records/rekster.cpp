#include "records/rekster.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace dek {

int FileOps::open_rw(const char* path) { return ::open(path, O_RDWR | O_CLOEXEC); }
ssize_t FileOps::pwrite(int fd, const void* buf, std::size_t n, off_t offset) { return ::pwrite(fd, buf, n, offset); }
int FileOps::fsync(int fd) { return ::fsync(fd); }
int FileOps::close(int fd) { return ::close(fd); }

namespace {

[[noreturn]] void raise(int code, const std::string& step, const std::string& path) {
    throw std::system_error(code, std::generic_category(), "settings file " + path + ": " + step);
}

// Closes the descriptor on every path out of the write.
class OpenFile {
public:
    OpenFile(FileOps& ops, int fd) : ops_(ops), fd_(fd) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() {
        if (fd_ >= 0) ops_.close(fd_);
    }
    int fd() const { return fd_; }
    // Closes now and reports the result; the destructor then has nothing to do.
    int close() {
        int rc = ops_.close(fd_);
        fd_ = -1;
        return rc;
    }

private:
    FileOps& ops_;
    int fd_;
};

}  // namespace

void write_settings(const zbster_t& file, const rekster_t& record) {
    FileOps& ops = *file.ops;
    int fd = ops.open_rw(file.path.c_str());
    if (fd < 0) raise(errno, "open", file.path);
    OpenFile f(ops, fd);

    std::size_t done = 0;
    while (done < rekster_t::size) {
        ssize_t n = ops.pwrite(f.fd(), record.bytes.data() + done, rekster_t::size - done, static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR) continue;
            raise(errno, "write", file.path);
        }
        if (n == 0) raise(EIO, "write (short)", file.path);
        done += static_cast<std::size_t>(n);
    }
    if (ops.fsync(f.fd()) != 0) raise(errno, "flush", file.path);
    if (f.close() != 0) raise(errno, "close", file.path);
}

}  // namespace dek
