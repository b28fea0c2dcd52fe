#include "jobs/print_sequence.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "fake_pages.h"
#include "fake_printers.h"
#include "jobs/dekw3718.h"
#include "platform/scripted_platform.h"

namespace dek::jobs {
namespace {

using testing::fake_pages;
using testing::FakePrinters;

const std::vector<std::string> kPit37Boxes{"chbox_st_1", "chbox_st_2", "chbox_st_3", "chbox_st_4",
                                           "chbox_o_1",  "chbox_o_2",  "ChBox_o_3",  "ChBox_o_4",
                                           "chbox_d_1",  "chbox_d_2",  "chbox_2k_1"};

// The eleven prompts of the PIT-37 job as the transcript shows them, with the
// sheets in table order.
const std::vector<std::pair<std::string, std::string>> kPit37Sheets{
    {"Wydruk strony 1/4", "TF_w37181"}, {"Wydruk strony 2/4", "TF_w37182"},  {"Wydruk strony 3/4", "TF_w37183"},
    {"Wydruk strony 4/4", "TF_w37184"}, {"Wydruk PIT/O 1/4", "TF_wo18_1"},   {"Wydruk PIT/O 2/4", "TF_wo18_2"},
    {"Wydruk PIT/O 3/4", "TF_wo18_3"},  {"Wydruk PIT/O 4/4", "TF_wo18_4"},   {"Wydruk PIT/D 1/2", "TF_wd18_1"},
    {"Wydruk PIT/D 2/2", "TF_wd18_2"},  {"Wydruk PIT-2K 1/1", "TF_w2k18_1"},
};

std::string prompt_line(const std::string& first) {
    return "PROMPT Wydruk zeznania PIT-37 | " + first + "\\n\\r   Włóż kartkę";
}

// Records what reaches the message box, flags included, and answers as the
// scripted platform does.
class RecordingPlatform final : public platform::Platform {
public:
    explicit RecordingPlatform(platform::Platform& inner) : inner_(inner) {}
    std::vector<std::tuple<std::string, std::string, int>> boxes;

    int MessageBox(std::string_view text, std::string_view caption, int flags) override {
        boxes.emplace_back(std::string(text), std::string(caption), flags);
        return inner_.MessageBox(text, caption, flags);
    }
    void ShowMessage(std::string_view text) override { inner_.ShowMessage(text); }
    void ShowException(std::string_view message) override { inner_.ShowException(message); }
    std::vector<std::string> printer_names() override { return inner_.printer_names(); }
    int printer_index() override { return inner_.printer_index(); }
    bool execute_printer_dialog(QWidget* owner) override { return inner_.execute_printer_dialog(owner); }
    void print_page(const report::PageReport& page) override { inner_.print_page(page); }

private:
    platform::Platform& inner_;
};

class PrintSequence : public ::testing::Test {
protected:
    HostData data;
    FakePrinters printers;
    platform::Script script;
    std::set<std::string, std::less<>> ticked{kPit37Boxes.begin(), kPit37Boxes.end()};
    std::unique_ptr<platform::ScriptedPlatform> platform;

    void SetUp() override {
        fake_pages() = {};
        fake_pages().available = testing::pit37_pages();
    }

    void run(const PrintJob& job, bool wydr_niezadr = true, platform::Platform* through = nullptr) {
        platform = std::make_unique<platform::ScriptedPlatform>(printers, script);
        const JobContext ctx{data, through != nullptr ? *through : *platform, &testing::find_fake_page,
                             [this](std::string_view name) { return ticked.count(name) != 0; }, wydr_niezadr};
        run_print_job(job, ctx);
    }
    std::vector<std::string> printed() const {
        std::vector<std::string> classes;
        for (const auto& r : printers.runs) classes.push_back(r.page_class);
        return classes;
    }
    void expect_no_live_page() const {
        for (const auto& c : testing::all_fake_classes()) EXPECT_EQ(c.live(), nullptr) << c.name;
    }
};

TEST_F(PrintSequence, AllElevenTickedAndConfirmedPrintElevenRunsInTableOrder) {
    run(pit37_job());
    std::vector<std::string> expected;
    int n = 0;
    for (const auto& [prompt, page] : kPit37Sheets) {
        expected.push_back(prompt_line(prompt));
        expected.push_back("SHEET " + std::to_string(++n) + " " + page);
    }
    EXPECT_EQ(platform->events(), expected);
    ASSERT_EQ(printers.runs.size(), 11u);
    EXPECT_EQ(printers.runs.back().page_class, "TF_w2k18_1");
    EXPECT_EQ(fake_pages().filled, printed());
    expect_no_live_page();
}

TEST_F(PrintSequence, PromptTextCaptionAndFlagsByteForByte) {
    ticked = {"chbox_st_1"};
    platform::ScriptedPlatform inner(printers, script);
    RecordingPlatform recording(inner);
    run(pit37_job(), true, &recording);
    ASSERT_EQ(recording.boxes.size(), 1u);
    const auto& [text, caption, flags] = recording.boxes[0];
    // UTF-8 of "Wydruk strony 1/4", LF, CR, three blanks, "Włóż kartkę".
    EXPECT_EQ(text, "Wydruk strony 1/4\x0a\x0d   W\xc5\x82\xc3\xb3\xc5\xbc kartk\xc4\x99");
    EXPECT_EQ(caption, "Wydruk zeznania PIT-37");
    EXPECT_EQ(flags, 49);
}

TEST_F(PrintSequence, CancelSkipsOnlyThatSheet) {
    script.cancel = {2};
    run(pit37_job());
    std::vector<std::string> expected;
    for (const auto& [prompt, page] : kPit37Sheets)
        if (page != "TF_w37182") expected.push_back(page);
    EXPECT_EQ(printed(), expected);
    // The cancelled page is neither created nor filled, and the next prompt follows it.
    EXPECT_EQ(platform->events()[2], prompt_line("Wydruk strony 2/4"));
    EXPECT_EQ(platform->events()[3], prompt_line("Wydruk strony 3/4"));
    EXPECT_EQ(fake_pages().filled, expected);
}

TEST_F(PrintSequence, BlankSheetModeOffOnlyShowsTheMessage) {
    run(pit37_job(), false);
    EXPECT_EQ(platform->events(),
              std::vector<std::string>{"INFO Nadruk danych na oryginalnym formularzu jest niedostępny."});
    EXPECT_TRUE(printers.runs.empty());
    EXPECT_TRUE(fake_pages().filled.empty());
}

TEST_F(PrintSequence, NothingTickedPromptsNothing) {
    ticked.clear();
    run(pit37_job());
    EXPECT_TRUE(platform->events().empty());
    EXPECT_TRUE(printers.runs.empty());
}

TEST_F(PrintSequence, SheetsGoToTheCurrentPrinter) {
    ticked = {"chbox_st_1", "chbox_d_1"};
    printers.current = 1;
    run(pit37_job());
    ASSERT_EQ(printers.runs.size(), 2u);
    EXPECT_EQ(printers.runs[0].printer_index, 1);
    EXPECT_EQ(printers.runs[1].printer_index, 1);
}

struct Failure {
    const char* name;
    std::string fail_in_fill;
    int fail_on_run;
    friend void PrintTo(const Failure& f, std::ostream* os) { *os << f.name; }
};

class PrintSequenceFailure : public PrintSequence, public ::testing::WithParamInterface<Failure> {};

// A failing fill or a printer that cannot start the run: the page is freed,
// no further step runs, and the exception leaves the job.
TEST_P(PrintSequenceFailure, FreesThePageAndEndsTheJob) {
    fake_pages().fail_in_fill = GetParam().fail_in_fill;
    printers.fail_on_run = GetParam().fail_on_run;
    EXPECT_ANY_THROW(run(pit37_job()));
    expect_no_live_page();
    EXPECT_EQ(printed(), std::vector<std::string>{"TF_w37181"});
    // Two prompts: page 1 printed, page 2 failed; page 3 never asked for.
    ASSERT_EQ(platform->events().size(), 3u);
    EXPECT_EQ(platform->events()[2], prompt_line("Wydruk strony 2/4"));
}

INSTANTIATE_TEST_SUITE_P(Failures, PrintSequenceFailure,
                         ::testing::Values(Failure{"Fill", "TF_w37182", 0}, Failure{"Printer", "", 2}),
                         [](const auto& info) { return std::string(info.param.name); });

// The pieces later jobs use: conditions, preparations and loops with variant
// fields. A step table in the shape of the PIT-28/B and PIT/B loops.
int preparations = 0;

const PrintJob& loop_job() {
    static const PrintJob job{
        "Wydruk próbny",
        {
            PageStep{.checkbox = "chbox_st_1",
                     .condition = [](const HostData& d) { return d.rekdek.ilzal[1] != 0; },
                     .prompt = "Wydruk A",
                     .page_class = "TF_w37181"},
            StepLoop{{PageStep{.checkbox = "chbox_b_1",
                               .prompt = "Wydruk B 1/2",
                               .preparation = [](HostData&) { ++preparations; },
                               .page_class = "TF_w28b18_1"},
                      PageStep{.checkbox = "chbox_b_2", .prompt = "Wydruk B 2/2", .page_class = "TF_wb18_1"}},
                     [](const HostData& d, const IsTicked&) {
                         std::vector<std::vector<VariantFields>> passes;
                         for (int k = 1; k <= d.rekdek.ilzal[7]; ++k)
                             passes.push_back({{.nrsp = 2 * k - 1}, {.nrp = 1, .nr = 2 * k, .ilb = k}});
                         return passes;
                     }},
        }};
    return job;
}

TEST_F(PrintSequence, LoopPassesSetTheVariantFieldsOfEachSheet) {
    fake_pages().available.insert({"TF_w28b18_1", "TF_wb18_1"});
    ticked = {"chbox_st_1", "chbox_b_1", "chbox_b_2"};
    data.rekdek.ilzal[1] = 0;  // the condition of the first step fails: no prompt
    data.rekdek.ilzal[7] = 2;
    script.cancel = {3};  // the second pass's "Wydruk B 1/2"
    preparations = 0;
    run(loop_job());
    EXPECT_EQ(platform->events(), (std::vector<std::string>{
                                      "PROMPT Wydruk próbny | Wydruk B 1/2\\n\\r   Włóż kartkę",
                                      "SHEET 1 TF_w28b18_1 nrsp=1",
                                      "PROMPT Wydruk próbny | Wydruk B 2/2\\n\\r   Włóż kartkę",
                                      "SHEET 2 TF_wb18_1 nrp=1 nr=2 ilb=1",
                                      "PROMPT Wydruk próbny | Wydruk B 1/2\\n\\r   Włóż kartkę",
                                      "PROMPT Wydruk próbny | Wydruk B 2/2\\n\\r   Włóż kartkę",
                                      "SHEET 3 TF_wb18_1 nrp=1 nr=4 ilb=2",
                                  }));
    EXPECT_EQ(preparations, 1);  // run for the confirmed sheet only
}

TEST_F(PrintSequence, PagesOfACheckboxComeFromTheTable) {
    EXPECT_EQ(page_classes_of(pit37_job(), "ChBox_o_3"), std::vector<std::string_view>{"TF_wo18_3"});
    EXPECT_TRUE(page_classes_of(pit37_job(), "chbox_a").empty());
    const auto boxes = checkboxes_of(pit37_job());
    EXPECT_EQ(std::vector<std::string>(boxes.begin(), boxes.end()), kPit37Boxes);
}

}  // namespace
}  // namespace dek::jobs
