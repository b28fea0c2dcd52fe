#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "job_run.h"
#include "jobs/dekw3618.h"

namespace dek::jobs {
namespace {

using testing::JobCase;
using testing::JobRun;

void activity(HostData& d, int p, int i) { d.rekdek.pitb[p].dzgosp[i].dzial = "Usługi remontowe"; }
void partnership(HostData& d, int p, int i) { d.rekdek.pitb[p].spolki[i].nipsp = "5260250274"; }

const std::set<std::string, std::less<>> kPitbBoxes{"chbox_b_1", "chbox_b_2"};
// The boxes of the sheets printed per person.
const std::set<std::string, std::less<>> kPersonBoxes{"chbox_m_1",  "ChBox_z_1",  "ChBox_z_2",  "Chbox_zg_1",
                                                      "Chbox_br_1", "Chbox_br_2", "Chbox_ds_1", "Chbox_ds_2"};

class Pit36Job : public ::testing::TestWithParam<JobCase> {};

TEST_P(Pit36Job, PromptsAndPrintsTheSheetsInOrder) { testing::expect_job_case(pit36_job(), GetParam()); }

const JobCase kCases[] = {
    // Every box ticked and every prompt confirmed, taxed alone, one activity,
    // no PIT/M data, section C answer 1: 21 sheets.
    {"IndividualEveryBoxTicked",
     [](JobRun& j) {
         j.data.rekdek.sp_opod = 0;
         j.data.rekdek.inf_dod[1] = 1;
         activity(j.data, 1, 1);
     },
     {
         "Wydruk strony 1/7 -> TF_w36181",
         "Wydruk strony 2/7 -> TF_w36182",
         "Wydruk strony 3/7 -> TF_w36183",
         "Wydruk strony 4/7 -> TF_w36184",
         "Wydruk strony 5/7 -> TF_w36185",
         "Wydruk strony 6/7 -> TF_w36186",
         "Wydruk strony 7/7 -> TF_w36187",
         "Wydruk PIT/B 1/2 -> TF_wb18_1 nrp=1 nr=1 ilb=1",
         "Wydruk PIT/B 2/2 -> TF_wb18_2 nrp=1 nr=1",
         "Wydruk PIT/O 1/4 -> TF_wo18_1",
         "Wydruk PIT/O 2/4 -> TF_wo18_2",
         "Wydruk PIT/O 3/4 -> TF_wo18_3",
         "Wydruk PIT/O 4/4 -> TF_wo18_4",
         "Wydruk PIT/D 1/2 -> TF_wd18_1",
         "Wydruk PIT/D 2/2 -> TF_wd18_2",
         "Wydruk PIT-2K 1/1 -> TF_w2k18_1",
         "Wydruk PIT/ZG 1/1 (podatnik) -> TF_wzg18_1 nrp=1",
         "Wydruk PIT/BR 1/2 (podatnik) -> TF_wbr18_1 nrp=1",
         "Wydruk PIT/BR 2/2 (podatnik) -> TF_wbr18_2 nrp=1",
         "Wydruk PIT/DS 1/2 (podatnik) -> TF_wds18_1 nrp=1",
         "Wydruk PIT/DS 2/2 (podatnik) -> TF_wds18_2 nrp=1",
     }},
    // Joint: the taxpayer's activities 1-3 and the spouse's partnerships 1-4
    // need two sets each; the taxpayer's sets first.
    {"JointTwoSetsEach",
     [](JobRun& j) {
         j.data.rekdek.sp_opod = 1;
         for (int i = 1; i <= 3; ++i) activity(j.data, 1, i);
         for (int i = 1; i <= 4; ++i) partnership(j.data, 2, i);
         j.ticked = kPitbBoxes;
     },
     {
         "Wydruk PIT/B 1/2 -> TF_wb18_1 nrp=1 nr=1 ilb=2",
         "Wydruk PIT/B 2/2 -> TF_wb18_2 nrp=1 nr=1",
         "Wydruk PIT/B 1/2 -> TF_wb18_1 nrp=1 nr=3 ilb=2",
         "Wydruk PIT/B 2/2 -> TF_wb18_2 nrp=1 nr=4",
         "Wydruk PIT/B 1/2 -> TF_wb18_1 nrp=2 nr=1 ilb=2",
         "Wydruk PIT/B 2/2 -> TF_wb18_2 nrp=2 nr=1",
         "Wydruk PIT/B 1/2 -> TF_wb18_1 nrp=2 nr=3 ilb=2",
         "Wydruk PIT/B 2/2 -> TF_wb18_2 nrp=2 nr=4",
     }},
    // Activities 1 and 4 are two present activities: one set holds both.
    {"ActivitiesOneAndFour",
     [](JobRun& j) {
         activity(j.data, 1, 1);
         activity(j.data, 1, 4);
         j.ticked = kPitbBoxes;
     },
     {
         "Wydruk PIT/B 1/2 -> TF_wb18_1 nrp=1 nr=1 ilb=1",
         "Wydruk PIT/B 2/2 -> TF_wb18_2 nrp=1 nr=1",
     }},
    // A lone activity stored as entry 3: one set, no empty one before it.
    {"LoneActivityThree",
     [](JobRun& j) {
         activity(j.data, 1, 3);
         j.ticked = kPitbBoxes;
     },
     {
         "Wydruk PIT/B 1/2 -> TF_wb18_1 nrp=1 nr=1 ilb=1",
         "Wydruk PIT/B 2/2 -> TF_wb18_2 nrp=1 nr=1",
     }},
    // Four partnerships at 2, 3, 5 and 6: three to a set, so two sets.
    {"FourPartnerships",
     [](JobRun& j) {
         for (int i : {2, 3, 5, 6}) partnership(j.data, 1, i);
         j.ticked = kPitbBoxes;
     },
     {
         "Wydruk PIT/B 1/2 -> TF_wb18_1 nrp=1 nr=1 ilb=2",
         "Wydruk PIT/B 2/2 -> TF_wb18_2 nrp=1 nr=1",
         "Wydruk PIT/B 1/2 -> TF_wb18_1 nrp=1 nr=3 ilb=2",
         "Wydruk PIT/B 2/2 -> TF_wb18_2 nrp=1 nr=4",
     }},
    // Page 2 alone still comes for an activity (it carries the set's totals).
    {"OneActivityOnlyPageTwoTicked",
     [](JobRun& j) {
         activity(j.data, 1, 1);
         j.ticked = {"chbox_b_2"};
     },
     {"Wydruk PIT/B 2/2 -> TF_wb18_2 nrp=1 nr=1"}},
    // A partnership alone, only page 1 ticked: page 1 holds the first
    // partnership, so it comes although the person has no activity.
    {"OnePartnershipOnlyPageOneTicked",
     [](JobRun& j) {
         partnership(j.data, 1, 1);
         j.ticked = {"chbox_b_1"};
     },
     {"Wydruk PIT/B 1/2 -> TF_wb18_1 nrp=1 nr=1 ilb=1"}},
    {"NoEntriesNoPitB",
     [](JobRun& j) {
         j.data.rekdek.sp_opod = 1;
         j.ticked = {"chbox_st_1", "chbox_b_1", "chbox_b_2"};
     },
     {"Wydruk strony 1/7 -> TF_w36181"}},
    // Under joint taxation each person's sheets together, the taxpayer's
    // first; PIT/M and PIT/Z by each person's own data.
    {"JointSheetsPerPerson",
     [](JobRun& j) {
         j.data.rekdek.sp_opod = 1;
         j.data.rekdek.dochody[1].pm = 1200.50;
         j.data.rekdek.dochody[2].zm = 120;
         j.data.rekdek.inf_dod[1] = 3;
         j.data.rekdek.inf_dod[2] = 4;
         j.ticked = kPersonBoxes;
     },
     {
         "Wydruk PIT/M 1/1 (podatnik) -> TF_wm18_1 nrp=1",
         "Wydruk PIT/M 1/1 (małżonek) -> TF_wm18_1 nrp=2",
         "Wydruk PIT/Z 1/2 (podatnik) -> TF_wz18_1 nrp=1",
         "Wydruk PIT/Z 2/2 (podatnik) -> TF_wz18_2 nrp=1",
         "Wydruk PIT/Z 1/2 (małżonek) -> TF_wz18_1 nrp=2",
         "Wydruk PIT/Z 2/2 (małżonek) -> TF_wz18_2 nrp=2",
         "Wydruk PIT/ZG 1/1 (podatnik) -> TF_wzg18_1 nrp=1",
         "Wydruk PIT/ZG 1/1 (małżonek) -> TF_wzg18_1 nrp=2",
         "Wydruk PIT/BR 1/2 (podatnik) -> TF_wbr18_1 nrp=1",
         "Wydruk PIT/BR 2/2 (podatnik) -> TF_wbr18_2 nrp=1",
         "Wydruk PIT/BR 1/2 (małżonek) -> TF_wbr18_1 nrp=2",
         "Wydruk PIT/BR 2/2 (małżonek) -> TF_wbr18_2 nrp=2",
         "Wydruk PIT/DS 1/2 (podatnik) -> TF_wds18_1 nrp=1",
         "Wydruk PIT/DS 2/2 (podatnik) -> TF_wds18_2 nrp=1",
         "Wydruk PIT/DS 1/2 (małżonek) -> TF_wds18_1 nrp=2",
         "Wydruk PIT/DS 2/2 (małżonek) -> TF_wds18_2 nrp=2",
     }},
    {"SpouseOnlyPitM",
     [](JobRun& j) {
         j.data.rekdek.sp_opod = 1;
         j.data.rekdek.dochody[2].pm = 0.01;
         j.ticked = {"chbox_m_1"};
     },
     {"Wydruk PIT/M 1/1 (małżonek) -> TF_wm18_1 nrp=2"}},
    {"RefundClaimNoPitZ",
     [](JobRun& j) {
         j.data.rekdek.inf_dod[1] = 5;
         j.ticked = {"ChBox_z_1", "ChBox_z_2"};
     },
     {}},
    // A method code outside the set of joint methods: the spouse's data is
    // there, yet only the taxpayer's sheets come.
    {"CodeNotInTheJointSet",
     [](JobRun& j) {
         j.data.rekdek.sp_opod = 1;
         j.data.wsp_z_malz = CodeSet::of({2, 3});
         activity(j.data, 1, 1);
         partnership(j.data, 2, 1);
         j.data.rekdek.dochody[2].pm = 500;
         j.data.rekdek.inf_dod[2] = 4;
         j.ticked = {"chbox_b_1", "chbox_b_2", "chbox_m_1", "ChBox_z_1", "ChBox_z_2", "Chbox_zg_1"};
     },
     {
         "Wydruk PIT/B 1/2 -> TF_wb18_1 nrp=1 nr=1 ilb=1",
         "Wydruk PIT/B 2/2 -> TF_wb18_2 nrp=1 nr=1",
         "Wydruk PIT/ZG 1/1 (podatnik) -> TF_wzg18_1 nrp=1",
     }},
    // A code of 128 or more is never joint, whatever the set's bytes say.
    {"CodeAbove127",
     [](JobRun& j) {
         j.data.rekdek.sp_opod = 200;
         j.data.wsp_z_malz.bytes.fill(0xFF);
         j.data.rekdek.dochody[2].pm = 500;
         j.ticked = {"chbox_m_1", "Chbox_zg_1"};
     },
     {"Wydruk PIT/ZG 1/1 (podatnik) -> TF_wzg18_1 nrp=1"}},
    // Cancel inside the loop skips that sheet only: the set's page 1 and the
    // next set still come.
    {"CancelInsideTheLoop",
     [](JobRun& j) {
         for (int i = 1; i <= 3; ++i) activity(j.data, 1, i);
         j.ticked = kPitbBoxes;
         j.script.cancel = {2};
     },
     {
         "Wydruk PIT/B 1/2 -> TF_wb18_1 nrp=1 nr=1 ilb=2",
         "Wydruk PIT/B 2/2 -> -",
         "Wydruk PIT/B 1/2 -> TF_wb18_1 nrp=1 nr=3 ilb=2",
         "Wydruk PIT/B 2/2 -> TF_wb18_2 nrp=1 nr=4",
     }},
};

INSTANTIATE_TEST_SUITE_P(Cases, Pit36Job, ::testing::ValuesIn(kCases), testing::job_case_name);

}  // namespace
}  // namespace dek::jobs
