#include "module/form_pages.h"

#include <algorithm>
#include <array>

#include "jobs/dekw3618.h"
#include "jobs/dekw3718.h"
#include "jobs/w28f_18.h"
#include "jobs/zw36l_18.h"

namespace dek::library {

const jobs::PrintJob* print_job(std::string_view dialog_class) {
    using Description = const jobs::DialogDescription& (*)();
    static const std::array<Description, 4> dialogs{&jobs::pit37_dialog, &jobs::pit36_dialog, &jobs::pit36l_dialog,
                                                    &jobs::pit28_dialog};
    for (Description dialog : dialogs) {
        if (dialog().class_name == dialog_class) return dialog().job;
    }
    return nullptr;
}

std::vector<std::string_view> printed_page_classes(const jobs::PrintJob& job) {
    std::vector<std::string_view> classes;
    for (std::string_view checkbox : jobs::checkboxes_of(job)) {
        for (std::string_view cls : jobs::page_classes_of(job, checkbox)) {
            if (std::find(classes.begin(), classes.end(), cls) == classes.end()) classes.push_back(cls);
        }
    }
    return classes;
}

}  // namespace dek::library
