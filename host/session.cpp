#include "host/session.h"

#include <cstdio>
#include <cstdlib>

#include "host/settings.h"

namespace dek::host {

void prepare_headless() { ::setenv("QT_QPA_PLATFORM", "offscreen", 1); }

std::optional<ReturnFile> load_for_dialog(api::Module& module, const char* command, const std::string& file,
                                          const std::optional<std::filesystem::path>& settings) {
    ReturnFile r;
    try {
        r = load_return_file(file);
        bind_settings(r.data, settings);
    } catch (const ReturnFileError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return std::nullopt;
    } catch (const SettingsError& e) {
        std::fprintf(stderr, "dek2018 %s: %s\n", command, e.what());
        return std::nullopt;
    }
    const std::string class_name(dialog_class_name(r.form));
    if (!module.has_dialog_class(class_name)) {
        std::fprintf(stderr, "dek2018 %s: the %s print dialog (%s) is not available in this build\n", command,
                     std::string(form_name(r.form)).c_str(), class_name.c_str());
        return std::nullopt;
    }
    return r;
}

}  // namespace dek::host
