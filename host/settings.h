// The host's settings file: binds `zbster` to a file and fills `rekster`
// from its record 0.
#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>

#include "records/host_data.h"

namespace dek::host {

// The settings of a fresh installation: blank-sheet printing on in all four
// print dialogs, `dr_bezp` 0, every other byte 0.
rekster_t default_settings();

// $XDG_CONFIG_HOME/dek2018/rekster.dat, or ~/.config/dek2018/rekster.dat.
std::filesystem::path default_settings_path();

// A settings file that exists but cannot be read, or is shorter than one record.
class SettingsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Binds `data.zbster` and fills `data.rekster`:
// - `named` given: the file is read when it exists; a missing file is not
//   created: the settings start from the defaults and writing them back
//   fails (the file must exist).
// - no `named`: the default path; the file (and its folder) is created with
//   the defaults when missing.
void bind_settings(HostData& data, const std::optional<std::filesystem::path>& named);

}  // namespace dek::host
