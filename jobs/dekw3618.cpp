#include "jobs/dekw3618.h"

#include "jobs/pitb_loop.h"
#include "jobs/registry.h"
#include "records/rekster.h"

namespace dek::jobs {

namespace {

bool joint(const HostData& d) { return sp_opod_wspolnie(d); }

// PIT/M goes with the person's stored income or advance from it.
bool pitm_of(const HostData& d, int p) { return d.rekdek.dochody[p].pm != 0 || d.rekdek.dochody[p].zm != 0; }
// PIT/Z goes with section C answers 3 (exemption used this year) and 4 (used
// in one of the five years before, with the additions).
bool pitz_of(const HostData& d, int p) { return d.rekdek.inf_dod[p] == 3 || d.rekdek.inf_dod[p] == 4; }

bool pitm_podatnik(const HostData& d) { return pitm_of(d, 1); }
bool pitm_malzonek(const HostData& d) { return joint(d) && pitm_of(d, 2); }
bool pitz_podatnik(const HostData& d) { return pitz_of(d, 1); }
bool pitz_malzonek(const HostData& d) { return joint(d) && pitz_of(d, 2); }

std::vector<std::vector<VariantFields>> pitb_of_both(const HostData& d, const IsTicked&) {
    return pitb_passes(d, joint(d) ? 2 : 1);
}

}  // namespace

const PrintJob& pit36_job() {
    static const PrintJob job{
        "Wydruk zeznania PIT-36",
        {
            PageStep{.checkbox = "chbox_st_1", .prompt = "Wydruk strony 1/7", .page_class = "TF_w36181"},
            PageStep{.checkbox = "chbox_st_2", .prompt = "Wydruk strony 2/7", .page_class = "TF_w36182"},
            PageStep{.checkbox = "chbox_st_3", .prompt = "Wydruk strony 3/7", .page_class = "TF_w36183"},
            PageStep{.checkbox = "chbox_st_4", .prompt = "Wydruk strony 4/7", .page_class = "TF_w36184"},
            PageStep{.checkbox = "chbox_st_5", .prompt = "Wydruk strony 5/7", .page_class = "TF_w36185"},
            PageStep{.checkbox = "ChBox_st_6", .prompt = "Wydruk strony 6/7", .page_class = "TF_w36186"},
            PageStep{.checkbox = "ChBox_st_7", .prompt = "Wydruk strony 7/7", .page_class = "TF_w36187"},
            StepLoop{{PageStep{.checkbox = "chbox_b_1", .prompt = "Wydruk PIT/B 1/2", .page_class = "TF_wb18_1"},
                      PageStep{.checkbox = "chbox_b_2", .prompt = "Wydruk PIT/B 2/2", .page_class = "TF_wb18_2"}},
                     &pitb_of_both},
            PageStep{.checkbox = "chbox_o_1", .prompt = "Wydruk PIT/O 1/4", .page_class = "TF_wo18_1"},
            PageStep{.checkbox = "chbox_o_2", .prompt = "Wydruk PIT/O 2/4", .page_class = "TF_wo18_2"},
            PageStep{.checkbox = "chbox_o_3", .prompt = "Wydruk PIT/O 3/4", .page_class = "TF_wo18_3"},
            PageStep{.checkbox = "ChBox_o_4", .prompt = "Wydruk PIT/O 4/4", .page_class = "TF_wo18_4"},
            PageStep{.checkbox = "chbox_d_1", .prompt = "Wydruk PIT/D 1/2", .page_class = "TF_wd18_1"},
            PageStep{.checkbox = "chbox_d_2", .prompt = "Wydruk PIT/D 2/2", .page_class = "TF_wd18_2"},
            person_step("chbox_m_1", "Wydruk PIT/M 1/1 (podatnik)", "TF_wm18_1", 1, &pitm_podatnik),
            person_step("chbox_m_1", "Wydruk PIT/M 1/1 (małżonek)", "TF_wm18_1", 2, &pitm_malzonek),
            PageStep{.checkbox = "chbox_2k_1", .prompt = "Wydruk PIT-2K 1/1", .page_class = "TF_w2k18_1"},
            person_step("ChBox_z_1", "Wydruk PIT/Z 1/2 (podatnik)", "TF_wz18_1", 1, &pitz_podatnik),
            person_step("ChBox_z_2", "Wydruk PIT/Z 2/2 (podatnik)", "TF_wz18_2", 1, &pitz_podatnik),
            person_step("ChBox_z_1", "Wydruk PIT/Z 1/2 (małżonek)", "TF_wz18_1", 2, &pitz_malzonek),
            person_step("ChBox_z_2", "Wydruk PIT/Z 2/2 (małżonek)", "TF_wz18_2", 2, &pitz_malzonek),
            person_step("Chbox_zg_1", "Wydruk PIT/ZG 1/1 (podatnik)", "TF_wzg18_1", 1),
            person_step("Chbox_zg_1", "Wydruk PIT/ZG 1/1 (małżonek)", "TF_wzg18_1", 2, &joint),
            person_step("Chbox_br_1", "Wydruk PIT/BR 1/2 (podatnik)", "TF_wbr18_1", 1),
            person_step("Chbox_br_2", "Wydruk PIT/BR 2/2 (podatnik)", "TF_wbr18_2", 1),
            person_step("Chbox_br_1", "Wydruk PIT/BR 1/2 (małżonek)", "TF_wbr18_1", 2, &joint),
            person_step("Chbox_br_2", "Wydruk PIT/BR 2/2 (małżonek)", "TF_wbr18_2", 2, &joint),
            person_step("Chbox_ds_1", "Wydruk PIT/DS 1/2 (podatnik)", "TF_wds18_1", 1),
            person_step("Chbox_ds_2", "Wydruk PIT/DS 2/2 (podatnik)", "TF_wds18_2", 1),
            person_step("Chbox_ds_1", "Wydruk PIT/DS 1/2 (małżonek)", "TF_wds18_1", 2, &joint),
            person_step("Chbox_ds_2", "Wydruk PIT/DS 2/2 (małżonek)", "TF_wds18_2", 2, &joint),
        }};
    return job;
}

const DialogDescription& pit36_dialog() {
    static const DialogDescription description{
        .class_name = "Tf_wydpit36",
        .caption = "Wydruk zeznania PIT-36",
        .width = 625,
        .height = 523,
        .group = {10, 10, 439, 202},
        .checkboxes =
            {
                {"chbox_st_1", "PIT-36 1/7", 20, 20},    {"chbox_st_2", "PIT-36 2/7", 20, 41},
                {"chbox_st_3", "PIT-36 3/7", 20, 62},    {"chbox_st_4", "PIT-36 4/7", 20, 85},
                {"chbox_st_5", "PIT-36 5/7", 20, 106},   {"ChBox_st_6", "PIT-36 6/7", 20, 127},
                {"ChBox_st_7", "PIT-36 7/7", 20, 149},   {"chbox_b_1", "PIT/B  1/2", 122, 20},
                {"chbox_b_2", "PIT/B  2/2", 122, 41},    {"chbox_o_1", "PIT/O  1/4", 122, 62},
                {"chbox_o_2", "PIT/O  2/4", 122, 85},    {"chbox_o_3", "PIT/O  3/4", 122, 106},
                {"ChBox_o_4", "PIT/O  4/4", 122, 126},   {"chbox_d_1", "PIT/D  1/2", 224, 18},
                {"chbox_d_2", "PIT/D  2/2", 224, 39},    {"Chbox_zg_1", "PIT/ZG  1/1", 224, 62},
                {"Chbox_br_1", "PIT/BR  1/2", 223, 113}, {"Chbox_br_2", "PIT/BR  2/2", 221, 132},
                {"chbox_m_1", "PIT/M  1/1", 323, 18},    {"chbox_2k_1", "PIT-2K  1/1", 323, 39},
                {"ChBox_z_1", "PIT/Z  1/2", 323, 62},    {"ChBox_z_2", "PIT/Z  2/2", 323, 85},
                {"Chbox_ds_1", "PIT/DS  1/2", 320, 111}, {"Chbox_ds_2", "PIT/DS  2/2", 320, 132},
            },
        .attachments =
            {
                {{"chbox_b_1", "chbox_b_2"}, &rekdek_ilzal<1>},
                {{"chbox_d_1", "chbox_d_2"}, &rekdek_ilzal<2>},
                {{"chbox_2k_1"}, &rekdek_ilzal<3>},
                {{"chbox_m_1"}, &rekdek_ilzal<4>},
                {{"chbox_o_1", "chbox_o_2", "chbox_o_3", "ChBox_o_4"}, &rekdek_ilzal<5>},
                {{"Chbox_zg_1"}, &rekdek_ilzal<6>},
                {{"ChBox_z_1", "ChBox_z_2"}, &rekdek_ilzal<9>},
                {{"Chbox_br_1", "Chbox_br_2"}, &rekdek_ilzal<7>},
                {{"Chbox_ds_1", "Chbox_ds_2"}, &rekdek_ilzal<8>},
            },
        // Three black lines under the first row of attachments, and two of
        // no height above PIT/BR and PIT/DS.
        .separators = {{120, 57, 74, 1}, {219, 57, 80, 1}, {317, 57, 80, 1}, {219, 106, 74, 0}, {317, 106, 74, 0}},
        .zmust = {328, 169, 99, 20},
        .niezadr = {8, 236},
        .druk = {306, 304},
        .anuluj = {306, 346},
        .ust_dr = {2, 310},
        .niezadr_at = rekster_t::niezadr36_at,
        .system_menu = false,
        .job = &pit36_job(),
    };
    return description;
}

namespace {

[[maybe_unused]] const bool registered = register_at_load<Tf_wydpit36>("Tf_wydpit36");

}  // namespace

}  // namespace dek::jobs
