#include "host/batch_progress.h"

#include <cstdio>

namespace dek::host {

namespace {

// Back to the line's start and erase it (VT100, which every terminal takes).
constexpr const char* kEraseLine = "\r\033[K";

}  // namespace

void BatchProgress::show(int current, int total, const std::string& name) {
    if (!enabled_) return;
    text_ = std::to_string(current) + "/" + std::to_string(total) + " " + name;
    redraw();
}

void BatchProgress::clear() {
    if (!shown_) return;
    std::fputs(kEraseLine, stderr);
    std::fflush(stderr);
    shown_ = false;
}

void BatchProgress::redraw() {
    if (!enabled_ || text_.empty()) return;
    std::fprintf(stderr, "%s%s", kEraseLine, text_.c_str());
    std::fflush(stderr);
    shown_ = true;
}

ProgressAwareStream::ProgressAwareStream(std::ostream& target, BatchProgress& progress)
    : std::ostream(&buffer_), buffer_(target.rdbuf(), progress) {}

ProgressAwareStream::Buffer::int_type ProgressAwareStream::Buffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    if (!line_started_) {
        progress_.clear();
        line_started_ = true;
    }
    if (traits_type::eq_int_type(target_->sputc(traits_type::to_char_type(c)), traits_type::eof()))
        return traits_type::eof();
    if (traits_type::to_char_type(c) == '\n') {
        line_started_ = false;
        target_->pubsync();
        progress_.redraw();
    }
    return c;
}

}  // namespace dek::host
