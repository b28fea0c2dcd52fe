#include "jobs/zw36l_18.h"

#include "jobs/pitb_loop.h"
#include "jobs/registry.h"
#include "records/rekster.h"

namespace dek::jobs {

namespace {

// In a PIT-36L return the second section-C byte holds the taxpayer's answer
// of poz. 11/11a: PIT/Z goes with 4, the exemption used in one of the five
// years before and the additions made.
bool pitz(const HostData& d) { return d.rekdek.inf_dod[2] == 4; }

// The taxpayer's sets only, whatever the taxation method says.
std::vector<std::vector<VariantFields>> pitb_of_taxpayer(const HostData& d, const IsTicked&) {
    return pitb_passes(d, 1);
}

}  // namespace

const PrintJob& pit36l_job() {
    static const PrintJob job{
        "Wydruk zeznania PIT-36L",
        {
            PageStep{.checkbox = "chbox_st_1", .prompt = "Wydruk strony 1/4", .page_class = "TF_w36l18_1"},
            PageStep{.checkbox = "chbox_st_2", .prompt = "Wydruk strony 2/4", .page_class = "TF_w36l18_2"},
            PageStep{.checkbox = "chbox_st_3", .prompt = "Wydruk strony 3/4", .page_class = "TF_w36l18_3"},
            PageStep{.checkbox = "chbox_st_4", .prompt = "Wydruk strony 4/4", .page_class = "TF_w36l18_4"},
            StepLoop{{PageStep{.checkbox = "chbox_b_1", .prompt = "Wydruk PIT/B 1/2", .page_class = "TF_wb18_1"},
                      PageStep{.checkbox = "chbox_b_2", .prompt = "Wydruk PIT/B 2/2", .page_class = "TF_wb18_2"}},
                     &pitb_of_taxpayer},
            person_step("ChBox_z_1", "Wydruk PIT/Z 1/2", "TF_wz18_1", 1, &pitz),
            person_step("ChBox_z_2", "Wydruk PIT/Z 2/2", "TF_wz18_2", 1, &pitz),
            person_step("Chbox_zg_1", "Wydruk PIT/ZG 1/1", "TF_wzg18_1", 1),
            // This prompt's first line keeps its blank before the line break.
            person_step("Chbox_br_1", "Wydruk PIT/BR 1/2 ", "TF_wbr18_1", 1),
            person_step("Chbox_br_2", "Wydruk PIT/BR 2/2", "TF_wbr18_2", 1),
            person_step("Chbox_ds_1", "Wydruk PIT/DS 1/2", "TF_wds18_1", 1),
            person_step("Chbox_ds_2", "Wydruk PIT/DS 2/2", "TF_wds18_2", 1),
        }};
    return job;
}

const DialogDescription& pit36l_dialog() {
    static const DialogDescription description{
        .class_name = "Tf_wydpit36L",
        .caption = "Wydruk zeznania PIT-36L",
        .width = 574,
        .height = 480,
        .group = {10, 10, 440, 124},
        .checkboxes =
            {
                {"chbox_st_1", "PIT-36L 1/4", 20, 20},
                {"chbox_st_2", "PIT-36L 2/4", 20, 41},
                {"chbox_st_3", "PIT-36L 3/4", 20, 62},
                {"chbox_st_4", "PIT-36L 4/4", 20, 82},
                {"chbox_b_1", "PIT/B  1/2", 130, 20},
                {"chbox_b_2", "PIT/B  2/2", 130, 41},
                {"ChBox_z_1", "PIT/Z 1/2", 130, 62},
                {"ChBox_z_2", "PIT/Z 2/2", 130, 85},
                {"Chbox_zg_1", "PIT/ZG  1/1", 228, 20},
                {"Chbox_br_1", "PIT/BR  1/2", 228, 41},
                {"Chbox_br_2", "PIT/BR  2/2", 228, 60},
                {"Chbox_ds_1", "PIT/DS  1/2", 228, 85},
                {"Chbox_ds_2", "PIT/DS  2/2", 228, 102},
            },
        .attachments =
            {
                {{"chbox_b_1", "chbox_b_2"}, &rekdek_ilzal<1>},
                {{"Chbox_zg_1"}, &rekdek_ilzal<6>},
                {{"ChBox_z_1", "ChBox_z_2"}, &rekdek_ilzal<9>},
                {{"Chbox_br_1", "Chbox_br_2"}, &rekdek_ilzal<7>},
                {{"Chbox_ds_1", "Chbox_ds_2"}, &rekdek_ilzal<8>},
            },
        .separators = {},
        .zmust = {325, 72, 98, 21},
        .niezadr = {10, 181},
        .druk = {306, 273},
        .anuluj = {306, 315},
        .ust_dr = {15, 281},
        .niezadr_at = rekster_t::niezadr36l_at,
        .system_menu = false,
        .job = &pit36l_job(),
    };
    return description;
}

namespace {

[[maybe_unused]] const bool registered = register_at_load<Tf_wydpit36L>("Tf_wydpit36L");

}  // namespace

}  // namespace dek::jobs
