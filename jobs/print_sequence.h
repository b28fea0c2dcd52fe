// The print sequence all print jobs share: a job is a table of page steps,
// walked in order; for each ticked page the user confirms the prompt to put a
// blank sheet in, then the page report is created, filled and printed as a
// run of its own, and freed whatever happens. The jobs differ only in their
// tables.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/platform.h"
#include "records/host_data.h"
#include "report/page_class.h"

namespace dek::jobs {

// Values given to a page's variant fields between its creation and printing.
struct VariantFields {
    std::optional<int> nrp{}, nr{}, ilb{}, nrsp{};
};

// A routine run after a sheet's prompt is confirmed, before its page is
// created: it brings data into the records the page reads.
using Preparation = void (*)(HostData&);

struct PageStep {
    std::string_view checkbox{};                   // the dialog's checkbox that selects the page
    bool (*condition)(const HostData&) = nullptr;  // an extra test on the records; none: always
    std::string_view prompt{};                     // first line of the prompt: "Wydruk strony 1/4"
    Preparation preparation = nullptr;             // run after the prompt is confirmed
    std::string_view page_class{};                 // "TF_w37181"
    VariantFields variant{};
};

// A sheet of one person's attachment: `nrp` := person (1 the taxpayer, 2 the
// spouse), printed when its box is ticked and the condition, if any, holds.
constexpr PageStep person_step(std::string_view checkbox, std::string_view prompt, std::string_view page_class,
                               int person, bool (*condition)(const HostData&) = nullptr) {
    return PageStep{.checkbox = checkbox,
                    .condition = condition,
                    .prompt = prompt,
                    .page_class = page_class,
                    .variant = {.nrp = person}};
}

// Whether the dialog's checkbox of that name is ticked.
using IsTicked = std::function<bool(std::string_view checkbox)>;

// Steps printed once per pass (a person's PIT/B sheet sets, the PIT-28/B
// attachments). The passes are worked out when the loop is reached; each
// pass gives the variant fields of every body step, in the body's order.
struct StepLoop {
    std::vector<PageStep> body;
    std::vector<std::vector<VariantFields>> (*passes)(const HostData&, const IsTicked&) = nullptr;
};

using JobEntry = std::variant<PageStep, StepLoop>;

struct PrintJob {
    std::string_view caption;  // the caption of every prompt: "Wydruk zeznania PIT-37"
    std::vector<JobEntry> entries;
};

// A sheet about to be printed: the step that prints it and, for a step of a
// loop, its pass (counted from 1) among the loop's passes. When the loop's
// passes are printed for persons (they give `nrp`), the sheet tells the
// person, and its pass is counted among that person's passes only.
struct Sheet {
    const PageStep& step;
    int pass = 0;    // 0: the step is not in a loop
    int passes = 0;  // the passes of its loop (of the person's, with a person)
    int person = 0;  // the `nrp` of the pass, 0 when it names no person
};

// Told of each sheet after its page is filled, just before it goes to the printer.
using SheetHook = std::function<void(const Sheet&)>;

// Finds a page class by name; nullptr while the page does not exist.
using PageLookup = const report::PageClass* (*)(std::string_view name);

// What a run of the job works with.
struct JobContext {
    HostData& data;
    platform::Platform& platform;
    PageLookup find_page;
    IsTicked ticked;
    bool wydr_niezadr;  // blank-sheet printing is in effect
    SheetHook on_sheet{};
};

inline constexpr std::string_view kNotAvailable = "Nadruk danych na oryginalnym formularzu jest niedostępny.";
// The prompt's second line, after a line feed and a carriage return.
inline constexpr std::string_view kInsertSheet = "\n\r   Włóż kartkę";
inline constexpr int kPromptFlags = platform::MB_OKCANCEL | platform::MB_ICONEXCLAMATION;  // 49

// "Wydruk strony 1/4\n\r   Włóż kartkę".
std::string prompt_text(std::string_view first_line);

// Runs the job. An exception while a page is filled or printed frees the page
// and leaves the job at once, on to the caller.
void run_print_job(const PrintJob& job, const JobContext& ctx);

// The page classes the job prints for a checkbox (a checkbox whose pages do
// not exist yet offers nothing to print).
std::vector<std::string_view> page_classes_of(const PrintJob& job, std::string_view checkbox);

// The preparation the job runs before a sheet of that page class (the first
// step that prints it); nullptr when it runs none or prints no such page.
Preparation preparation_of(const PrintJob& job, std::string_view page_class);

// Every checkbox the job's steps name, in table order, without repeats.
std::vector<std::string_view> checkboxes_of(const PrintJob& job);

}  // namespace dek::jobs
