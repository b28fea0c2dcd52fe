#include <fcntl.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <optional>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "host/settings.h"

namespace dek::host {
namespace {

namespace fs = std::filesystem;

class SettingsBinding : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("dek_binding_" + std::to_string(::getpid()) + "_" +
                                                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    HostData data;

    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override {
        ::unsetenv("XDG_CONFIG_HOME");
        if (home_) ::setenv("HOME", home_->c_str(), 1);
        fs::remove_all(dir);
    }
    // HOME as it was, for the tests that unset it.
    std::optional<std::string> home_ =
        std::getenv("HOME") ? std::optional<std::string>(std::getenv("HOME")) : std::nullopt;
    static void write_bytes(const fs::path& p, const std::vector<std::uint8_t>& bytes) {
        std::ofstream(p, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    static std::vector<std::uint8_t> read_bytes(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
};

TEST_F(SettingsBinding, DefaultsTurnBlankSheetPrintingOnEverywhere) {
    const rekster_t r = default_settings();
    for (std::size_t i = 0; i < rekster_t::size; ++i) {
        const bool blank_sheet_byte = i >= rekster_t::niezadr28_at && i <= rekster_t::niezadr37_at;
        EXPECT_EQ(r.bytes[i], blank_sheet_byte ? 1 : 0) << i;
    }
}

TEST_F(SettingsBinding, NamedFileFillsTheRecordFromItsFirstRecord) {
    std::vector<std::uint8_t> bytes(2 * rekster_t::size);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 3 + 1);
    const fs::path file = dir / "ster.dat";
    write_bytes(file, bytes);
    bind_settings(data, file);
    EXPECT_TRUE(std::equal(data.rekster.bytes.begin(), data.rekster.bytes.end(), bytes.begin()));
    EXPECT_EQ(data.zbster.path, file.string());
}

// A named file that does not exist is not created: the settings start from
// the defaults and the write-back fails, as for any missing settings file.
TEST_F(SettingsBinding, NamedMissingFileIsNotCreatedAndTheWriteBackFails) {
    const fs::path file = dir / "missing.dat";
    bind_settings(data, file);
    EXPECT_EQ(data.rekster, default_settings());
    EXPECT_FALSE(fs::exists(file));
    try {
        write_settings(data.zbster, data.rekster);
        FAIL() << "no error";
    } catch (const std::system_error& e) {
        EXPECT_EQ(e.code().value(), ENOENT);
    }
    EXPECT_FALSE(fs::exists(file));
}

TEST_F(SettingsBinding, UnreadableFilesAreErrorsNamingTheFile) {
    const fs::path short_file = dir / "short.dat";
    write_bytes(short_file, std::vector<std::uint8_t>(100, 7));
    const struct {
        fs::path file;
        std::string message;
    } cases[] = {
        {short_file, "settings file " + short_file.string() + ": shorter than one record (100 of 1024 bytes)"},
        {dir, "settings file " + dir.string() + ": not a regular file"},
    };
    for (const auto& c : cases) {
        try {
            bind_settings(data, c.file);
            ADD_FAILURE() << "no error for " << c.file;
        } catch (const SettingsError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

TEST_F(SettingsBinding, DefaultFileIsCreatedWithTheDefaultsAndThenKept) {
    ::setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    const fs::path file = dir / "dek2018" / "rekster.dat";
    EXPECT_EQ(default_settings_path(), file);
    bind_settings(data, std::nullopt);
    EXPECT_EQ(data.zbster.path, file.string());
    EXPECT_EQ(data.rekster, default_settings());
    const auto created = read_bytes(file);
    const rekster_t defaults = default_settings();
    EXPECT_TRUE(std::equal(created.begin(), created.end(), defaults.bytes.begin(), defaults.bytes.end()));

    // The dialogs write it back; the next run reads what they wrote.
    data.rekster.set_niezadr(rekster_t::niezadr37_at, false);
    write_settings(data.zbster, data.rekster);
    HostData next;
    bind_settings(next, std::nullopt);
    EXPECT_FALSE(next.rekster.niezadr(rekster_t::niezadr37_at));
    EXPECT_TRUE(next.rekster.niezadr(rekster_t::niezadr28_at));
}

// A FIFO is refused like any file that is no regular file, at once: opening
// it must not wait for a writer.
TEST_F(SettingsBinding, FifoIsRefusedWithoutWaiting) {
    const fs::path fifo = dir / "ster.fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    auto bound = std::async(std::launch::async, [&] {
        HostData d;
        try {
            bind_settings(d, fifo);
        } catch (const SettingsError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    });
    if (bound.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        // Let the waiting open go, so the test ends.
        const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        bound.wait();
        if (fd >= 0) ::close(fd);
        FAIL() << "binding a FIFO waited for a writer";
    }
    EXPECT_EQ(bound.get(), "settings file " + fifo.string() + ": not a regular file");
}

// The default location when it cannot be examined: an error naming the file
// and the system's reason, never an escaped exception of another kind.
TEST_F(SettingsBinding, UnusableDefaultLocationIsAnErrorNamingTheFile) {
    const fs::path plain = dir / "plain";
    write_bytes(plain, {1});
    const struct {
        std::string xdg;
        std::string reason;
    } cases[] = {
        {"/" + std::string(5000, 'x'), "File name too long"},
        {plain.string(), "Not a directory"},
    };
    for (const auto& c : cases) {
        ::setenv("XDG_CONFIG_HOME", c.xdg.c_str(), 1);
        const std::string file = (fs::path(c.xdg) / "dek2018" / "rekster.dat").string();
        try {
            bind_settings(data, std::nullopt);
            ADD_FAILURE() << "no error for " << c.reason;
        } catch (const SettingsError& e) {
            const std::string message = e.what();
            EXPECT_TRUE(message.starts_with("settings file " + file + ": ")) << message;
            EXPECT_NE(message.find(c.reason), std::string::npos) << message;
        }
    }
}

// Without HOME and XDG_CONFIG_HOME the home folder comes from the user
// database, never from the current folder.
TEST_F(SettingsBinding, WithoutHomeTheUserDatabaseNamesTheHomeFolder) {
    ::unsetenv("XDG_CONFIG_HOME");
    ::unsetenv("HOME");
    const passwd* me = ::getpwuid(::getuid());
    ASSERT_NE(me, nullptr);
    EXPECT_EQ(default_settings_path(), fs::path(me->pw_dir) / ".config" / "dek2018" / "rekster.dat");
}

// Runs started together on a first use: each finds the default file
// complete, whoever made it, and none fails. A file created empty and
// written afterwards is seen empty in a few of these rounds.
TEST_F(SettingsBinding, FirstRunsStartedTogetherAllFindACompleteFile) {
    for (int round = 0; round < 300; ++round) {
        const fs::path config = dir / ("round" + std::to_string(round));
        ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        std::vector<std::future<std::string>> runs;
        for (int k = 0; k < 8; ++k) {
            runs.push_back(std::async(std::launch::async, [] {
                HostData d;
                try {
                    bind_settings(d, std::nullopt);
                } catch (const SettingsError& e) {
                    return std::string(e.what());
                }
                return d.rekster == default_settings() ? std::string() : std::string("not the defaults");
            }));
        }
        for (auto& run : runs) EXPECT_EQ(run.get(), "") << "round " << round;
        // Only the settings file is left in its folder.
        int entries = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(config / "dek2018")) ++entries;
        EXPECT_EQ(entries, 1) << "round " << round;
    }
}

}  // namespace
}  // namespace dek::host
