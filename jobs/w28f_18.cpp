#include "jobs/w28f_18.h"

#include <algorithm>

#include "jobs/registry.h"
#include "records/rekster.h"
#include "report/przep_zal.h"

namespace dek::jobs {

namespace {

// The k-th PIT-28/B shows partnerships 2k - 1 (page 1) and 2k (page 2).
std::vector<std::vector<VariantFields>> pit28b_passes(const HostData& d, const IsTicked&) {
    std::vector<std::vector<VariantFields>> passes;
    const int count = std::min<int>(d.rek28.ilzal[7], kPit28bMax);
    for (int k = 1; k <= count; ++k) passes.push_back({{.nrsp = 2 * k - 1}, {.nrsp = 2 * k}});
    return passes;
}

// A sheet of PIT/O, PIT/D or PIT-2K: those pages read the general record, so
// the PIT-28 return is brought there after the sheet's prompt is confirmed.
constexpr PageStep attachment_step(std::string_view checkbox, std::string_view prompt, Preparation prepare,
                                   std::string_view page_class) {
    return PageStep{.checkbox = checkbox, .prompt = prompt, .preparation = prepare, .page_class = page_class};
}

}  // namespace

const PrintJob& pit28_job() {
    static const PrintJob job{
        "Wydruk zeznania PIT-28",
        {
            PageStep{.checkbox = "chbox_st_1", .prompt = "Wydruk strony 1/4", .page_class = "TF_w2818_1"},
            PageStep{.checkbox = "chbox_st_2", .prompt = "Wydruk strony 2/4", .page_class = "TF_w2818_2"},
            PageStep{.checkbox = "chbox_st_3", .prompt = "Wydruk strony 3/4", .page_class = "TF_w2818_3"},
            PageStep{.checkbox = "chbox_st_4", .prompt = "Wydruk strony 4/4", .page_class = "TF_w2818_4"},
            PageStep{.checkbox = "chbox_a", .prompt = "Wydruk PIT-28/A", .page_class = "TF_w28a18_1"},
            StepLoop{{PageStep{.checkbox = "chbox_b_1", .prompt = "Wydruk PIT-28/B 1/2", .page_class = "TF_w28b18_1"},
                      PageStep{.checkbox = "chbox_b_2", .prompt = "Wydruk PIT-28/B 2/2", .page_class = "TF_w28b18_2"}},
                     &pit28b_passes},
            attachment_step("chbox_o_1", "Wydruk PIT/O 1/4", &report::przep_zalo, "TF_wo18_1"),
            attachment_step("chbox_o_2", "Wydruk PIT/O 2/4", &report::przep_zalo, "TF_wo18_2"),
            attachment_step("chbox_o_3", "Wydruk PIT/O 3/4", &report::przep_zalo, "TF_wo18_3"),
            attachment_step("chbox_d_1", "Wydruk PIT/D 1/2", &report::przep_zald, "TF_wd18_1"),
            attachment_step("chbox_d_2", "Wydruk PIT/D 2/2", &report::przep_zald, "TF_wd18_2"),
            attachment_step("chbox_2k", "Wydruk PIT-2K 1/1", &report::przep_zal2k, "TF_w2k18_1"),
        }};
    return job;
}

const DialogDescription& pit28_dialog() {
    // No PIT/O 4/4 box: a lump-sum taxpayer has no child relief.
    static const DialogDescription description{
        .class_name = "Tf_wydpit28",
        .caption = "Wydruk zeznania PIT-28",
        .width = 675,
        .height = 480,
        .group = {10, 10, 465, 168},
        .checkboxes =
            {
                {"chbox_st_1", "PIT-28 1/4", 20, 20},
                {"chbox_st_2", "PIT-28 2/4", 20, 41},
                {"chbox_st_3", "PIT-28 3/4", 20, 62},
                {"chbox_st_4", "PIT-28 4/4", 20, 85},
                {"chbox_a", "PIT-28/A  1/1", 122, 20},
                {"chbox_b_1", "PIT-28/B  1/2", 122, 41},
                {"chbox_b_2", "PIT-28/B  2/2", 122, 62},
                {"chbox_d_1", "PIT/D  1/2", 236, 20},
                {"chbox_d_2", "PIT/D  2/2", 236, 41},
                {"chbox_o_1", "PIT/O  1/4", 236, 62},
                {"chbox_o_2", "PIT/O  2/4", 236, 85},
                {"chbox_o_3", "PIT/O  3/4", 236, 110},
                {"chbox_2k", "PIT-2K  1/1", 333, 20},
            },
        // The counts are the PIT-28 return's own.
        .attachments =
            {
                {{"chbox_o_1", "chbox_o_2", "chbox_o_3"}, &rek28_ilzal<1>},
                {{"chbox_d_1", "chbox_d_2"}, &rek28_ilzal<2>},
                {{"chbox_2k"}, &rek28_ilzal<3>},
                {{"chbox_a"}, &rek28_ilzal<6>},
                {{"chbox_b_1", "chbox_b_2"}, &rek28_ilzal<7>},
            },
        // A black line between PIT/D and PIT/O.
        .separators = {{228, 57, 88, 1}},
        .zmust = {343, 127, 98, 21},
        .niezadr = {10, 190},
        .druk = {306, 273},
        .anuluj = {306, 315},
        .ust_dr = {2, 276},
        .niezadr_at = rekster_t::niezadr28_at,
        .system_menu = true,
        .job = &pit28_job(),
    };
    return description;
}

namespace {

[[maybe_unused]] const bool registered = register_at_load<Tf_wydpit28>("Tf_wydpit28");

}  // namespace

}  // namespace dek::jobs
