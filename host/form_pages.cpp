#include "host/form_pages.h"

#include <algorithm>

#include "jobs/dekw3618.h"
#include "jobs/dekw3718.h"
#include "jobs/w28f_18.h"
#include "jobs/zw36l_18.h"

namespace dek::host {

const jobs::PrintJob& print_job(Form form) {
    switch (form) {
        case Form::pit36:
            return jobs::pit36_job();
        case Form::pit36l:
            return jobs::pit36l_job();
        case Form::pit28:
            return jobs::pit28_job();
        case Form::pit37:
            break;
    }
    return jobs::pit37_job();
}

std::vector<std::string_view> printed_page_classes(Form form) {
    const jobs::PrintJob& job = print_job(form);
    std::vector<std::string_view> classes;
    for (std::string_view checkbox : jobs::checkboxes_of(job)) {
        for (std::string_view cls : jobs::page_classes_of(job, checkbox)) {
            if (std::find(classes.begin(), classes.end(), cls) == classes.end()) classes.push_back(cls);
        }
    }
    return classes;
}

}  // namespace dek::host
