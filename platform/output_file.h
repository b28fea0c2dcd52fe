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
// included, are used as they are. On failure the new file is removed,
// `target` is as it was, and OutputError says why.
void write_file_replacing(const std::filesystem::path& target, std::string_view bytes);

}  // namespace dek::platform
