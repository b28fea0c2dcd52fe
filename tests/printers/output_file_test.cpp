// Output files: the hidden new file beside the target, what the replacing
// file keeps of the replaced one, the end of a write by a signal, and the
// lock a print holds on its folder.
#include "platform/output_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace dek::platform {
namespace {

namespace fs = std::filesystem;

class OutputFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("dek2018-output-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static std::string read(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static mode_t mode_of(const fs::path& file) {
        struct stat st {};
        EXPECT_EQ(::stat(file.c_str(), &st), 0);
        return st.st_mode & 07777;
    }

    fs::path dir_;
};

TEST_F(OutputFileTest, NamesUpToTheLongestTheFolderTakes) {
    // The hidden file's name is the target's plus ten bytes: a name near the
    // limit is written all the same.
    for (std::size_t length : {200U, 245U, 246U, 254U, 255U}) {
        const fs::path target = dir_ / (std::string(length - 4, 'z') + ".pdf");
        ASSERT_NO_THROW(write_file_replacing(target, "%PDF-1.4 " + std::to_string(length))) << length;
        EXPECT_EQ(read(target), "%PDF-1.4 " + std::to_string(length));
        EXPECT_EQ(entries(), std::vector<std::string>{target.filename().string()}) << length;
        fs::remove(target);
    }
}

TEST_F(OutputFileTest, ReplacedFileKeepsItsMode) {
    const fs::path target = dir_ / "zeznanie.pdf";
    for (mode_t mode : {0600, 0640, 0400}) {
        write_file_replacing(target, "old");
        ASSERT_EQ(::chmod(target.c_str(), mode), 0);
        write_file_replacing(target, "new");
        EXPECT_EQ(read(target), "new");
        EXPECT_EQ(mode_of(target), mode) << std::oct << mode;
        fs::remove(target);
    }
}

TEST_F(OutputFileTest, NewFileTakesTheUmasksMode) {
    const mode_t old = ::umask(027);
    write_file_replacing(dir_ / "new.pdf", "x");
    ::umask(old);
    EXPECT_EQ(mode_of(dir_ / "new.pdf"), 0640U);
    // A link at the name is replaced by a file of its own, as new.
    ASSERT_EQ(::chmod((dir_ / "new.pdf").c_str(), 0600), 0);
    fs::create_symlink(dir_ / "new.pdf", dir_ / "link.pdf");
    const mode_t before = ::umask(022);
    write_file_replacing(dir_ / "link.pdf", "y");
    ::umask(before);
    EXPECT_FALSE(fs::is_symlink(dir_ / "link.pdf"));
    EXPECT_EQ(mode_of(dir_ / "link.pdf"), 0644U);
    EXPECT_EQ(read(dir_ / "new.pdf"), "x");
}

TEST_F(OutputFileTest, ReplacedFileKeepsItsOwnerAsRoot) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root gives files to others";
    const fs::path target = dir_ / "zeznanie.pdf";
    write_file_replacing(target, "old");
    ASSERT_EQ(::chown(target.c_str(), 65534, 65534), 0);
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    write_file_replacing(target, "new");
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 65534U);
    EXPECT_EQ(st.st_gid, 65534U);
    EXPECT_EQ(st.st_mode & 07777, 0640U);
}

// A child writes a large file; the signal comes while the hidden file is
// there. Empty when the write was over before the signal could be sent.
std::optional<int> interrupted_write(const fs::path& dir, int signal, std::size_t bytes) {
    const pid_t child = ::fork();
    if (child == 0) {
        const std::string data(bytes, 'x');
        try {
            write_file_replacing(dir / "zeznanie.pdf", data);
        } catch (...) {
            ::_exit(3);
        }
        ::_exit(0);
    }
    bool sent = false;
    while (!sent) {
        int status = 0;
        if (::waitpid(child, &status, WNOHANG) == child) return std::nullopt;  // done first
        for (const auto& e : fs::directory_iterator(dir)) {
            if (e.path().filename().string().starts_with(".zeznanie.pdf.")) {
                ::kill(child, signal);
                sent = true;
                break;
            }
        }
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

TEST_F(OutputFileTest, SignalDuringWriteRemovesTheNewFile) {
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        std::optional<int> status;
        for (std::size_t bytes = 16U << 20; !status && bytes <= (512U << 20); bytes *= 2) {
            fs::remove(dir_ / "zeznanie.pdf");
            status = interrupted_write(dir_, signal, bytes);
        }
        if (!status) GTEST_SKIP() << "every write was over before the signal";
        EXPECT_TRUE(WIFSIGNALED(*status)) << "status " << *status;
        if (WIFSIGNALED(*status)) {
            EXPECT_EQ(WTERMSIG(*status), signal);
        }
        EXPECT_EQ(entries(), std::vector<std::string>{}) << "signal " << signal;
    }
}

TEST_F(OutputFileTest, IgnoredSignalStaysIgnored) {
    // nohup: SIGHUP ignored before the write is ignored during it too.
    struct sigaction ignore {
    }, old{};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGHUP, &ignore, &old);
    write_file_replacing(dir_ / "a.pdf", "x");
    struct sigaction now {};
    ::sigaction(SIGHUP, nullptr, &now);
    ::sigaction(SIGHUP, &old, nullptr);
    EXPECT_EQ(now.sa_handler, SIG_IGN);
}

TEST_F(OutputFileTest, FolderLockHeldOncePerFolder) {
    const fs::path folder = dir_ / "wydruki";
    {
        FolderLock first(folder);  // makes the folder
        EXPECT_FALSE(first.busy());
        EXPECT_TRUE(fs::exists(folder / kFolderLockName));
        FolderLock second(folder);
        EXPECT_TRUE(second.busy());
        FolderLock other(dir_ / "inne");
        EXPECT_FALSE(other.busy());
    }
    FolderLock again(folder);
    EXPECT_FALSE(again.busy()) << "the lock outlived its holder";
    // A folder that cannot be made is neither held nor busy.
    std::ofstream(dir_ / "plik") << "x";
    FolderLock impossible(dir_ / "plik" / "wydruki");
    EXPECT_FALSE(impossible.busy());
}

}  // namespace
}  // namespace dek::platform
