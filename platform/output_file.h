// Output files written so that nothing at their name is ever written through
// and no partial file is ever left: the sheets of the PDF printer, the pages
// of the render command, and any later document made of them.
#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace dek::platform {

// A write that failed, with the system's error code; what() reads
// "FILE: reason" ("... : No space left on device").
class OutputError : public std::system_error {
public:
    OutputError(int code, const std::filesystem::path& file, bool started);
    // Whether the new file had been created: false when the write could not
    // even start (a missing folder, no permission).
    bool started() const { return started_; }

private:
    bool started_;
};

// Writes `bytes` as the file `target`: into a new file created exclusively
// beside it (same folder, hidden name), flushed to the disk and closed, then
// renamed over `target`. What lies at `target` - a file, a symbolic link - is
// replaced, never written through; the folders on the way, the last one
// included, are used as they are. The hidden name stays within the file
// system's longest name, the target's name cut short for it where needed. A
// regular file replaced hands on its mode, and its owner and group when the
// process runs as root; a new file gets the mode the umask gives. On failure
// the new file is removed, `target` is as it was, and OutputError says why.
// SIGINT, SIGTERM or SIGHUP during the write remove the new file, then end
// the process with the signal's status.
void write_file_replacing(const std::filesystem::path& target, std::string_view bytes);

// The hidden file in a folder that a print holds locked while it writes
// there.
inline constexpr const char* kFolderLockName = ".dek2018.lock";

// Holds a folder for one print: an advisory lock (flock) on the folder's
// kFolderLockName, made with the folder where it is missing. The kernel lets
// go when the object goes or the process ends, crash included; the file
// stays. A folder another print holds is busy(); a folder that cannot be made
// or locked at all is not held and not busy (writing there says why).
class FolderLock {
public:
    explicit FolderLock(const std::filesystem::path& dir);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool busy() const { return busy_; }

private:
    int fd_ = -1;
    bool busy_ = false;
};

}  // namespace dek::platform
