// The progress of a batch print: one line on standard error while it is a
// terminal ("12/340 plik.json"), rewritten in place, and never a byte of it
// when standard error is a file or a pipe.
#pragma once

#include <ostream>
#include <streambuf>
#include <string>

namespace dek::host {

class BatchProgress {
public:
    explicit BatchProgress(bool enabled) : enabled_(enabled) {}
    ~BatchProgress() { clear(); }
    BatchProgress(const BatchProgress&) = delete;
    BatchProgress& operator=(const BatchProgress&) = delete;

    // Shows "current/total name" in place of the line shown before.
    void show(int current, int total, const std::string& name);
    // Takes the line away, before other text goes to the terminal.
    void clear();
    // Puts the last line back after such text.
    void redraw();

private:
    bool enabled_;
    bool shown_ = false;
    std::string text_;
};

// An output stream over another stream's buffer that takes the progress
// line away before each line it writes and puts it back after, so that a
// transcript on the same terminal never runs into the progress line.
class ProgressAwareStream : public std::ostream {
public:
    ProgressAwareStream(std::ostream& target, BatchProgress& progress);

private:
    class Buffer : public std::streambuf {
    public:
        Buffer(std::streambuf* target, BatchProgress& progress) : target_(target), progress_(progress) {}

    protected:
        int_type overflow(int_type c) override;
        int sync() override { return target_->pubsync(); }

    private:
        std::streambuf* target_;
        BatchProgress& progress_;
        bool line_started_ = false;
    };
    Buffer buffer_;
};

}  // namespace dek::host
