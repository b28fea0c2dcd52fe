#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "job_run.h"
#include "jobs/zw36l_18.h"

namespace dek::jobs {
namespace {

using testing::JobCase;
using testing::JobRun;

void activity(HostData& d, int p, int i) { d.rekdek.pitb[p].dzgosp[i].reg = "012345678"; }
void partnership(HostData& d, int p, int i) { d.rekdek.pitb[p].spolki[i].nazsp = "Kowalski i Wspólnicy sp.j."; }

class Pit36lJob : public ::testing::TestWithParam<JobCase> {};

TEST_P(Pit36lJob, PromptsAndPrintsTheSheetsInOrder) { testing::expect_job_case(pit36l_job(), GetParam()); }

const JobCase kCases[] = {
    // Every box ticked and every prompt confirmed, poz. 11 marked, two
    // activities and five partnerships: 15 sheets. No prompt names a person;
    // the first PIT/BR prompt keeps its blank before the line break.
    {"EveryBoxTicked",
     [](JobRun& j) {
         j.data.rekdek.inf_dod[2] = 4;
         for (int i = 1; i <= 2; ++i) activity(j.data, 1, i);
         for (int i = 1; i <= 5; ++i) partnership(j.data, 1, i);
     },
     {
         "Wydruk strony 1/4 -> TF_w36l18_1",
         "Wydruk strony 2/4 -> TF_w36l18_2",
         "Wydruk strony 3/4 -> TF_w36l18_3",
         "Wydruk strony 4/4 -> TF_w36l18_4",
         "Wydruk PIT/B 1/2 -> TF_wb18_1 nrp=1 nr=1 ilb=2",
         "Wydruk PIT/B 2/2 -> TF_wb18_2 nrp=1 nr=1",
         "Wydruk PIT/B 1/2 -> TF_wb18_1 nrp=1 nr=3 ilb=2",
         "Wydruk PIT/B 2/2 -> TF_wb18_2 nrp=1 nr=4",
         "Wydruk PIT/Z 1/2 -> TF_wz18_1 nrp=1",
         "Wydruk PIT/Z 2/2 -> TF_wz18_2 nrp=1",
         "Wydruk PIT/ZG 1/1 -> TF_wzg18_1 nrp=1",
         "Wydruk PIT/BR 1/2  -> TF_wbr18_1 nrp=1",
         "Wydruk PIT/BR 2/2 -> TF_wbr18_2 nrp=1",
         "Wydruk PIT/DS 1/2 -> TF_wds18_1 nrp=1",
         "Wydruk PIT/DS 2/2 -> TF_wds18_2 nrp=1",
     }},
    // A joint method code changes nothing: the spouse's entries never print.
    {"JointCodeWithSpouseEntries",
     [](JobRun& j) {
         j.data.rekdek.sp_opod = 1;
         activity(j.data, 1, 1);
         for (int i = 1; i <= 4; ++i) partnership(j.data, 2, i);
         j.data.rekdek.inf_dod[1] = 4;
         j.ticked = {"chbox_b_1", "chbox_b_2", "ChBox_z_1", "Chbox_zg_1"};
     },
     {
         "Wydruk PIT/B 1/2 -> TF_wb18_1 nrp=1 nr=1 ilb=1",
         "Wydruk PIT/B 2/2 -> TF_wb18_2 nrp=1 nr=1",
         "Wydruk PIT/ZG 1/1 -> TF_wzg18_1 nrp=1",
     }},
    {"NoEntriesNoPitB",
     [](JobRun& j) {
         j.ticked = {"chbox_b_1", "chbox_b_2"};
     },
     {}},
};

INSTANTIATE_TEST_SUITE_P(Cases, Pit36lJob, ::testing::ValuesIn(kCases), testing::job_case_name);

// PIT/Z only for poz. 11 marked (4): not for poz. 11a alone (5), nor for any
// other answer; the first section-C byte plays no part.
TEST(Pit36lJobPitZ, OnlyWhenPoz11IsMarked) {
    for (int answer = 0; answer <= 6; ++answer) {
        JobRun job(pit36l_job());
        job.data.rekdek.inf_dod[1] = 4;
        job.data.rekdek.inf_dod[2] = static_cast<byte>(answer);
        job.ticked = {"ChBox_z_1", "ChBox_z_2"};
        EXPECT_EQ(job.run().size(), answer == 4 ? 2u : 0u) << "inf_dod[2] = " << answer;
    }
}

}  // namespace
}  // namespace dek::jobs
