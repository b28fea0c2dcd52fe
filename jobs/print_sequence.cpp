#include "jobs/print_sequence.h"

#include <algorithm>
#include <stdexcept>

namespace dek::jobs {

namespace {

template <class F>
void for_each_step(const PrintJob& job, F&& f) {
    for (const JobEntry& entry : job.entries) {
        if (const auto* step = std::get_if<PageStep>(&entry)) {
            f(*step);
        } else {
            for (const PageStep& s : std::get<StepLoop>(entry).body) f(s);
        }
    }
}

void apply(const VariantFields& v, report::PageReport& page) {
    if (v.nrp) page.nrp = *v.nrp;
    if (v.nr) page.nr = *v.nr;
    if (v.ilb) page.ilb = *v.ilb;
    if (v.nrsp) page.nrsp = *v.nrsp;
}

// One step of the sequence, with the variant fields of its pass.
void run_step(const PrintJob& job, const JobContext& ctx, const Sheet& sheet, const VariantFields& variant) {
    const PageStep& step = sheet.step;
    if (!ctx.ticked(step.checkbox)) return;
    if (step.condition != nullptr && !step.condition(ctx.data)) return;
    if (ctx.platform.MessageBox(prompt_text(step.prompt), job.caption, kPromptFlags) != platform::IDOK) return;
    if (step.preparation != nullptr) step.preparation(ctx.data);

    const report::PageClass* cls = ctx.find_page(step.page_class);
    if (cls == nullptr) throw std::logic_error("page " + std::string(step.page_class) + " is not available");
    // The page lives in its unit's module variable until this block is left,
    // however it is left.
    report::LivePage live(*cls, ctx.data);
    report::PageReport& page = live.page();
    apply(variant, page);
    page.printer_index = ctx.platform.printer_index();
    if (!page.before_print()) return;
    if (ctx.on_sheet) ctx.on_sheet(sheet);
    ctx.platform.print_page(page);
}

}  // namespace

std::string prompt_text(std::string_view first_line) {
    std::string text(first_line);
    text += kInsertSheet;
    return text;
}

void run_print_job(const PrintJob& job, const JobContext& ctx) {
    if (!ctx.wydr_niezadr) {
        ctx.platform.ShowMessage(kNotAvailable);
        return;
    }
    for (const JobEntry& entry : job.entries) {
        if (const auto* step = std::get_if<PageStep>(&entry)) {
            run_step(job, ctx, Sheet{*step}, step->variant);
            continue;
        }
        const StepLoop& loop = std::get<StepLoop>(entry);
        const auto passes = loop.passes(ctx.data, ctx.ticked);
        // The person a pass is printed for: the `nrp` its first sheet gets.
        const auto person_of = [](const std::vector<VariantFields>& pass) {
            return pass.empty() ? 0 : pass.front().nrp.value_or(0);
        };
        for (std::size_t n = 0; n < passes.size(); ++n) {
            const auto& pass = passes[n];
            if (pass.size() != loop.body.size()) throw std::logic_error("loop pass does not match its steps");
            const int person = person_of(pass);
            const auto same = [&](const std::vector<VariantFields>& other) { return person_of(other) == person; };
            const auto before = passes.begin() + static_cast<std::ptrdiff_t>(n);
            const int number = static_cast<int>(std::count_if(passes.begin(), before, same)) + 1;
            const int count = static_cast<int>(std::count_if(passes.begin(), passes.end(), same));
            for (std::size_t i = 0; i < loop.body.size(); ++i)
                run_step(job, ctx, Sheet{loop.body[i], number, count, person}, pass[i]);
        }
    }
}

std::vector<std::string_view> page_classes_of(const PrintJob& job, std::string_view checkbox) {
    std::vector<std::string_view> classes;
    for_each_step(job, [&](const PageStep& s) {
        if (s.checkbox == checkbox && std::find(classes.begin(), classes.end(), s.page_class) == classes.end())
            classes.push_back(s.page_class);
    });
    return classes;
}

Preparation preparation_of(const PrintJob& job, std::string_view page_class) {
    Preparation found = nullptr;
    bool seen = false;
    for_each_step(job, [&](const PageStep& s) {
        if (seen || s.page_class != page_class) return;
        seen = true;
        found = s.preparation;
    });
    return found;
}

std::vector<std::string_view> checkboxes_of(const PrintJob& job) {
    std::vector<std::string_view> names;
    for_each_step(job, [&](const PageStep& s) {
        if (std::find(names.begin(), names.end(), s.checkbox) == names.end()) names.push_back(s.checkbox);
    });
    return names;
}

}  // namespace dek::jobs
