#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
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
        fs::remove_all(dir);
    }
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

}  // namespace
}  // namespace dek::host
