#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "job_run.h"
#include "jobs/w28f_18.h"
#include "report/przep_zal.h"

namespace dek::jobs {
namespace {

using testing::JobCase;
using testing::JobRun;
using Lines = std::vector<std::string>;

const std::set<std::string, std::less<>> kAttachmentBoxes{"chbox_o_1", "chbox_o_2", "chbox_o_3",
                                                          "chbox_d_1", "chbox_d_2", "chbox_2k"};

class Pit28Job : public ::testing::TestWithParam<JobCase> {};

TEST_P(Pit28Job, PromptsAndPrintsTheSheetsInOrder) { testing::expect_job_case(pit28_job(), GetParam()); }

const JobCase kCases[] = {
    // Two PIT-28/B attachments with both boxes ticked: page 1, page 2, page
    // 1, page 2 with partnerships 1 to 4; the attachments after them.
    {"EveryBoxTicked",
     [](JobRun& j) { j.data.rek28.ilzal[7] = 2; },
     {
         "Wydruk strony 1/4 -> TF_w2818_1",
         "Wydruk strony 2/4 -> TF_w2818_2",
         "Wydruk strony 3/4 -> TF_w2818_3",
         "Wydruk strony 4/4 -> TF_w2818_4",
         "Wydruk PIT-28/A -> TF_w28a18_1",
         "Wydruk PIT-28/B 1/2 -> TF_w28b18_1 nrsp=1",
         "Wydruk PIT-28/B 2/2 -> TF_w28b18_2 nrsp=2",
         "Wydruk PIT-28/B 1/2 -> TF_w28b18_1 nrsp=3",
         "Wydruk PIT-28/B 2/2 -> TF_w28b18_2 nrsp=4",
         "Wydruk PIT/O 1/4 -> TF_wo18_1",
         "Wydruk PIT/O 2/4 -> TF_wo18_2",
         "Wydruk PIT/O 3/4 -> TF_wo18_3",
         "Wydruk PIT/D 1/2 -> TF_wd18_1",
         "Wydruk PIT/D 2/2 -> TF_wd18_2",
         "Wydruk PIT-2K 1/1 -> TF_w2k18_1",
     }},
    {"OnlyPageTwoTicked",
     [](JobRun& j) {
         j.data.rek28.ilzal[7] = 2;
         j.ticked = {"chbox_b_2"};
     },
     {"Wydruk PIT-28/B 2/2 -> TF_w28b18_2 nrsp=2", "Wydruk PIT-28/B 2/2 -> TF_w28b18_2 nrsp=4"}},
    // The record holds four partnerships: a third attachment has none to show.
    {"ThreeAttachmentsPrintTwo",
     [](JobRun& j) {
         j.data.rek28.ilzal[7] = 3;
         j.ticked = {"chbox_b_1", "chbox_b_2"};
     },
     {
         "Wydruk PIT-28/B 1/2 -> TF_w28b18_1 nrsp=1",
         "Wydruk PIT-28/B 2/2 -> TF_w28b18_2 nrsp=2",
         "Wydruk PIT-28/B 1/2 -> TF_w28b18_1 nrsp=3",
         "Wydruk PIT-28/B 2/2 -> TF_w28b18_2 nrsp=4",
     }},
    {"NoAttachment",
     [](JobRun& j) {
         j.ticked = {"chbox_b_1", "chbox_b_2"};
     },
     {}},
};

INSTANTIATE_TEST_SUITE_P(Cases, Pit28Job, ::testing::ValuesIn(kCases), testing::job_case_name);

TEST(Pit28JobPreparation, EachAttachmentPageHasItsRoutineAndNoOtherPageHasOne) {
    EXPECT_EQ(preparation_of(pit28_job(), "TF_wo18_1"), &report::przep_zalo);
    EXPECT_EQ(preparation_of(pit28_job(), "TF_wo18_2"), &report::przep_zalo);
    EXPECT_EQ(preparation_of(pit28_job(), "TF_wo18_3"), &report::przep_zalo);
    EXPECT_EQ(preparation_of(pit28_job(), "TF_wd18_1"), &report::przep_zald);
    EXPECT_EQ(preparation_of(pit28_job(), "TF_wd18_2"), &report::przep_zald);
    EXPECT_EQ(preparation_of(pit28_job(), "TF_w2k18_1"), &report::przep_zal2k);
    for (const char* page : {"TF_w2818_1", "TF_w2818_4", "TF_w28a18_1", "TF_w28b18_1", "TF_w28b18_2", "TF_wo18_4"})
        EXPECT_EQ(preparation_of(pit28_job(), page), nullptr) << page;
}

// The preparations a run calls, by name.
std::vector<std::string> calls;

template <Preparation F>
void counted(HostData& data) {
    calls.push_back(F == &report::przep_zalo ? "zalo" : F == &report::przep_zald ? "zald" : "zal2k");
    F(data);
}

// The PIT-28 job with each preparation counted.
PrintJob counted_pit28_job() {
    PrintJob job = pit28_job();
    for (JobEntry& entry : job.entries) {
        auto* step = std::get_if<PageStep>(&entry);
        if (step == nullptr || step->preparation == nullptr) continue;
        if (step->preparation == &report::przep_zalo) step->preparation = &counted<&report::przep_zalo>;
        if (step->preparation == &report::przep_zald) step->preparation = &counted<&report::przep_zald>;
        if (step->preparation == &report::przep_zal2k) step->preparation = &counted<&report::przep_zal2k>;
    }
    return job;
}

// What an attachment page saw of the general record when it was filled.
struct Seen {
    std::string page, nip, nazw, child2;
    bool joint = false;
    bool operator==(const Seen&) const = default;
    friend void PrintTo(const Seen& s, std::ostream* os) {
        *os << s.page << " " << s.nip << " " << s.nazw << " " << s.child2 << (s.joint ? " joint" : "");
    }
};

// The general record holds a joint PIT-37 of other people; each attachment
// sheet sees the PIT-28 return only, prepared after its own prompt: a
// cancelled sheet runs no preparation.
TEST(Pit28JobPreparation, RunsAfterEachConfirmedPromptOnly) {
    const PrintJob job_table = counted_pit28_job();
    JobRun job(job_table);
    HostData& d = job.data;
    d.rekdek.sp_opod = 1;
    d.rekdek.nip = "7251801126";
    d.rekdek.podatnik.nazw = "Kowalski";
    d.rekdek.malzonek.nazw = "Kowalska";
    d.rekdek.dzieci[2].im = "Tadeusz";
    d.rek28.nip = "548-211-03-78";
    d.rek28.nazw = "Wiśniewska";
    d.zal28.dzieci[2].im = "Ignacy";
    job.ticked = kAttachmentBoxes;
    job.script.cancel = {2};  // PIT/O 2/4
    std::vector<Seen> seen;
    testing::fake_pages().on_fill = [&](const report::PageReport& page) {
        const rekdek_t& r = page.data.rekdek;
        seen.push_back(
            {page.class_name(), r.nip.str(), r.podatnik.nazw.str(), r.dzieci[2].im.str(), sp_opod_wspolnie(page.data)});
        // A later sheet must not rely on what an earlier one brought in.
        page.data.rekdek = rekdek_t{};
    };
    calls.clear();
    EXPECT_EQ(job.run(), (Lines{
                             "Wydruk PIT/O 1/4 -> TF_wo18_1",
                             "Wydruk PIT/O 2/4 -> -",
                             "Wydruk PIT/O 3/4 -> TF_wo18_3",
                             "Wydruk PIT/D 1/2 -> TF_wd18_1",
                             "Wydruk PIT/D 2/2 -> TF_wd18_2",
                             "Wydruk PIT-2K 1/1 -> TF_w2k18_1",
                         }));
    EXPECT_EQ(calls, (std::vector<std::string>{"zalo", "zalo", "zald", "zald", "zal2k"}));
    std::vector<Seen> expected;
    for (const char* page : {"TF_wo18_1", "TF_wo18_3", "TF_wd18_1", "TF_wd18_2", "TF_w2k18_1"})
        expected.push_back({page, "5482110378", "Wiśniewska", "Ignacy", false});
    EXPECT_EQ(seen, expected);
}

}  // namespace
}  // namespace dek::jobs
