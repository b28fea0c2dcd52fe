#include "jobs/dekw3718.h"

#include "jobs/registry.h"
#include "records/rekster.h"

namespace dek::jobs {

const PrintJob& pit37_job() {
    static const PrintJob job{
        "Wydruk zeznania PIT-37",
        {
            PageStep{.checkbox = "chbox_st_1", .prompt = "Wydruk strony 1/4", .page_class = "TF_w37181"},
            PageStep{.checkbox = "chbox_st_2", .prompt = "Wydruk strony 2/4", .page_class = "TF_w37182"},
            PageStep{.checkbox = "chbox_st_3", .prompt = "Wydruk strony 3/4", .page_class = "TF_w37183"},
            PageStep{.checkbox = "chbox_st_4", .prompt = "Wydruk strony 4/4", .page_class = "TF_w37184"},
            PageStep{.checkbox = "chbox_o_1", .prompt = "Wydruk PIT/O 1/4", .page_class = "TF_wo18_1"},
            PageStep{.checkbox = "chbox_o_2", .prompt = "Wydruk PIT/O 2/4", .page_class = "TF_wo18_2"},
            PageStep{.checkbox = "ChBox_o_3", .prompt = "Wydruk PIT/O 3/4", .page_class = "TF_wo18_3"},
            PageStep{.checkbox = "ChBox_o_4", .prompt = "Wydruk PIT/O 4/4", .page_class = "TF_wo18_4"},
            PageStep{.checkbox = "chbox_d_1", .prompt = "Wydruk PIT/D 1/2", .page_class = "TF_wd18_1"},
            PageStep{.checkbox = "chbox_d_2", .prompt = "Wydruk PIT/D 2/2", .page_class = "TF_wd18_2"},
            PageStep{.checkbox = "chbox_2k_1", .prompt = "Wydruk PIT-2K 1/1", .page_class = "TF_w2k18_1"},
        }};
    return job;
}

const DialogDescription& pit37_dialog() {
    static const DialogDescription description{
        .class_name = "Tf_wydpit37",
        .caption = "Wydruk zeznania PIT-37",
        .width = 573,
        .height = 480,
        .group = {10, 10, 439, 111},
        .checkboxes =
            {
                {"chbox_st_1", "PIT-37 1/4", 20, 20},
                {"chbox_st_2", "PIT-37 2/4", 20, 41},
                {"chbox_st_3", "PIT-37 3/4", 20, 62},
                {"chbox_st_4", "PIT-37 4/4", 20, 81},
                {"chbox_o_1", "PIT/O  1/4", 115, 20},
                {"chbox_o_2", "PIT/O  2/4", 115, 41},
                {"ChBox_o_3", "PIT/O  3/4", 115, 62},
                {"ChBox_o_4", "PIT/O  4/4", 115, 81},
                {"chbox_d_1", "PIT/D 1/2", 224, 20},
                {"chbox_d_2", "PIT/D 2/2", 224, 41},
                {"chbox_2k_1", "PIT-2K  1/1", 323, 20},
            },
        .attachments =
            {
                {{"chbox_d_1", "chbox_d_2"}, &rekdek_ilzal<2>},
                {{"chbox_2k_1"}, &rekdek_ilzal<3>},
                {{"chbox_o_1", "chbox_o_2", "ChBox_o_3", "ChBox_o_4"}, &rekdek_ilzal<5>},
            },
        .separators = {},
        .zmust = {325, 73, 98, 20},
        .niezadr = {10, 140},
        .druk = {310, 273},
        .anuluj = {306, 315},
        .ust_dr = {3, 283},
        .niezadr_at = rekster_t::niezadr37_at,
        .system_menu = false,
        .job = &pit37_job(),
    };
    return description;
}

namespace {

[[maybe_unused]] const bool registered = register_at_load<Tf_wydpit37>("Tf_wydpit37");

}  // namespace

}  // namespace dek::jobs
