#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "records/rekster.h"

namespace dek {
namespace {

namespace fs = std::filesystem;

class SettingsFile : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("dek_settings_" + std::to_string(::getpid()) + "_" +
                                                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    static std::vector<char> read_all(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void write_all(const fs::path& p, const std::vector<char>& bytes) {
        std::ofstream(p, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    static std::vector<char> three_records() {
        std::vector<char> v(3 * 1024);
        for (std::size_t i = 0; i < v.size(); ++i) v[i] = static_cast<char>(i * 7 + 3);
        return v;
    }
};

TEST_F(SettingsFile, OverwritesRecordZeroOnlyAndKeepsLaterRecords) {
    const auto path = dir / "ster.dat";
    const auto before = three_records();
    write_all(path, before);
    rekster_t r;
    for (std::size_t i = 0; i < r.bytes.size(); ++i) r.bytes[i] = static_cast<std::uint8_t>(255 - i % 256);
    r.set_niezadr(rekster_t::niezadr28_at, true);
    write_settings(zbster_t{path.string()}, r);
    const auto after = read_all(path);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_TRUE(std::equal(r.bytes.begin(), r.bytes.end(), after.begin(),
                           [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); }));
    EXPECT_TRUE(std::equal(before.begin() + 1024, before.end(), after.begin() + 1024));
    EXPECT_EQ(after[0x2D], 1);
}

TEST_F(SettingsFile, MissingFileIsAnOpenErrorAndIsNotCreated) {
    const auto path = dir / "missing.dat";
    try {
        write_settings(zbster_t{path.string()}, rekster_t{});
        FAIL() << "no error";
    } catch (const std::system_error& e) {
        EXPECT_EQ(e.code().value(), ENOENT);
        EXPECT_NE(std::string(e.what()).find("open"), std::string::npos);
    }
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(SettingsFile, DirectoryInPlaceOfTheFile) {
    const auto path = dir / "adir";
    fs::create_directory(path);
    try {
        write_settings(zbster_t{path.string()}, rekster_t{});
        FAIL() << "no error";
    } catch (const std::system_error& e) {
        EXPECT_EQ(e.code().value(), EISDIR);
    }
}

// Fails one chosen step and records what was called.
struct FailingOps : FileOps {
    enum Step { None, Write, ShortWrite, Flush, Close } fail = None;
    int closes = 0;
    int fsyncs = 0;
    ssize_t pwrite(int fd, const void* buf, std::size_t n, off_t off) override {
        if (fail == Write) {
            errno = ENOSPC;
            return -1;
        }
        if (fail == ShortWrite) return 0;
        return FileOps::pwrite(fd, buf, n, off);
    }
    int fsync(int fd) override {
        ++fsyncs;
        if (fail == Flush) {
            errno = EIO;
            return -1;
        }
        return FileOps::fsync(fd);
    }
    int close(int fd) override {
        ++closes;
        int rc = FileOps::close(fd);
        if (fail == Close) {
            errno = EIO;
            return -1;
        }
        return rc;
    }
};

TEST_F(SettingsFile, FailingStepsRaiseTheirErrorAndAlwaysClose) {
    struct Case {
        FailingOps::Step step;
        int code;
        const char* word;
        bool flushed;
    };
    const Case cases[] = {
        {FailingOps::Write, ENOSPC, "write", false},
        {FailingOps::ShortWrite, EIO, "short", false},
        {FailingOps::Flush, EIO, "flush", true},
        {FailingOps::Close, EIO, "close", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.word);
        const auto path = dir / "ster.dat";
        const auto before = three_records();
        write_all(path, before);
        auto ops = std::make_shared<FailingOps>();
        ops->fail = c.step;
        rekster_t r;
        r.bytes.fill(0xAB);
        try {
            write_settings(zbster_t{path.string(), ops}, r);
            FAIL() << "no error";
        } catch (const std::system_error& e) {
            EXPECT_EQ(e.code().value(), c.code);
            EXPECT_NE(std::string(e.what()).find(c.word), std::string::npos) << e.what();
        }
        EXPECT_EQ(ops->closes, 1);
        EXPECT_EQ(ops->fsyncs > 0, c.flushed);
        if (c.step == FailingOps::Write || c.step == FailingOps::ShortWrite) {
            EXPECT_EQ(read_all(path), before);
        }
    }
}

}  // namespace
}  // namespace dek
