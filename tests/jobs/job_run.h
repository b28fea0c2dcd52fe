// Runs a print job against the fake pages, every page existing and every box
// the job names ticked unless a test says otherwise, and reads the transcript
// back as one line per prompt: "Wydruk PIT/B 1/2 -> TF_wb18_1 nrp=1 nr=1 ilb=1",
// or "... -> -" for a prompt answered Cancel.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "fake_pages.h"
#include "fake_printers.h"
#include "jobs/print_sequence.h"
#include "platform/scripted_platform.h"

namespace dek::testing {

class JobRun {
public:
    explicit JobRun(const jobs::PrintJob& job) : job_(job) {
        fake_pages() = {};
        fake_pages().available = all_fake_pages();
        for (std::string_view box : jobs::checkboxes_of(job)) ticked.emplace(box);
    }

    HostData data;
    std::set<std::string, std::less<>> ticked;
    platform::Script script;

    // The prompts and their sheets, in order.
    std::vector<std::string> run() {
        FakePrinters printers;
        platform::ScriptedPlatform platform(printers, script);
        const jobs::JobContext ctx{data, platform, &find_fake_page,
                                   [this](std::string_view name) { return ticked.count(name) != 0; }, true};
        jobs::run_print_job(job_, ctx);
        return sheets(platform.events(), std::string(job_.caption));
    }

    static std::vector<std::string> sheets(const std::vector<std::string>& events, const std::string& caption) {
        const std::string prompt = "PROMPT " + caption + " | ";
        const std::string second_line = "\\n\\r   Włóż kartkę";
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < events.size(); ++i) {
            const std::string& e = events[i];
            if (!e.starts_with(prompt) || !e.ends_with(second_line)) {
                lines.push_back("unexpected " + e);
                continue;
            }
            std::string line = e.substr(prompt.size(), e.size() - prompt.size() - second_line.size()) + " -> ";
            if (i + 1 < events.size() && events[i + 1].starts_with("SHEET ")) {
                const std::string& sheet = events[++i];
                line += sheet.substr(sheet.find(' ', 6) + 1);  // without "SHEET <n> "
            } else {
                line += "-";
            }
            lines.push_back(line);
        }
        return lines;
    }

private:
    const jobs::PrintJob& job_;
};

// One case of a job's table test: the records and ticks, then the prompts
// and sheets expected.
struct JobCase {
    const char* name;
    std::function<void(JobRun&)> setup;
    std::vector<std::string> sheets;
    friend void PrintTo(const JobCase& c, std::ostream* os) { *os << c.name; }
};

inline std::string job_case_name(const ::testing::TestParamInfo<JobCase>& info) { return info.param.name; }

// The job run on a case gives the case's lines.
inline void expect_job_case(const jobs::PrintJob& job, const JobCase& c) {
    JobRun run(job);
    c.setup(run);
    EXPECT_EQ(run.run(), c.sheets);
}

}  // namespace dek::testing
