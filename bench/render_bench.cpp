// Fill and render of sheets to in-memory PDFs, the work of the print runs:
// time per sheet and PDF bytes per sheet. The form descriptions are parsed
// once, on the first sheet, as in the program.
//
// Besides page 1 of PIT-37 (BM_Pit37Page1ToPdf), every sheet that
// `dek2018 demo` prints is measured: the sample's print dialog is run once
// without a screen, every page ticked, and each sheet its job prints is
// recorded with the records and variant fields it was printed from.
// BM_Sheet/<sample>/<class> fills and renders the first sheet of that class
// in that sample over and over; BM_DemoBatch renders every sheet of the
// demo in its order, each a one-page PDF of its own, as the demo writes them.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <chrono>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "host/return_file.h"
#include "host/samples.h"
#include "host/settings.h"
#include "module/print_session.h"
#include "pages/page_classes.h"
#include "platform/form_painter.h"
#include "platform/render.h"
#include "platform/scripted_platform.h"

namespace {

void fill_and_render(benchmark::State& state, const char* page_class) {
    dek::host::ReturnFile ret = dek::host::load_return_text(dek::host::find_sample("pit37")->json, "pit37");
    const dek::report::PageClass* cls = dek::pages::find_page_class(page_class);
    if (cls == nullptr) {
        state.SkipWithError("no such page class");
        return;
    }
    std::size_t bytes = 0;
    for (auto _ : state) {
        dek::report::LivePage live(*cls, ret.data);
        live.page().before_print();
        QBuffer buf;
        buf.open(QIODevice::WriteOnly);
        dek::platform::write_pdf(live.page(), buf);
        bytes = static_cast<std::size_t>(buf.size());
        benchmark::DoNotOptimize(buf.data().data());
    }
    state.counters["pdf_bytes_per_sheet"] = static_cast<double>(bytes);
    state.counters["sheets_per_s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_Pit37Page1ToPdf(benchmark::State& state) { fill_and_render(state, "TF_w37181"); }
BENCHMARK(BM_Pit37Page1ToPdf)->Unit(benchmark::kMillisecond);

// A sheet of the demo: the records as its job left them for the sheet (after
// the job's preparation of it) and the variant fields the job gave it.
struct DemoSheet {
    std::string sample;
    const dek::report::PageClass* cls = nullptr;
    dek::HostData data;
    int nrp = 0, nr = 0, ilb = 0, nrsp = 0;
};

// The one printer of the recording run: keeps each sheet instead of printing it.
class SheetRecorder final : public dek::platform::Printers {
public:
    explicit SheetRecorder(std::vector<DemoSheet>& out) : out_(out) {}
    const std::vector<std::string>& names() const override { return names_; }
    int index() const override { return 0; }
    void set_index(int) override {}
    void print(const dek::report::PageReport& page) override {
        out_.push_back(DemoSheet{sample, dek::pages::find_page_class(page.class_name()), page.data, page.nrp, page.nr,
                                 page.ilb, page.nrsp});
    }
    std::string sample;

private:
    std::vector<DemoSheet>& out_;
    std::vector<std::string> names_{"bench"};
};

// Every sheet of every sample, in the demo's order.
std::vector<DemoSheet> record_demo() {
    std::vector<DemoSheet> sheets;
    SheetRecorder recorder(sheets);
    for (const dek::host::Sample& sample : dek::host::samples()) {
        dek::host::ReturnFile r = dek::host::load_return_text(sample.json, std::string(sample.name));
        r.data.rekster = dek::host::default_settings();
        recorder.sample = sample.name;
        dek::platform::ScriptedPlatform platform(recorder, {}, nullptr);
        dek::library::run_headless(dek::host::dialog_class_name(r.form),
                                   dek::jobs::DialogContext{r.data, platform, &dek::pages::find_page_class}, {});
    }
    return sheets;
}

// Fills and renders one sheet from a copy of its records with the renderer
// of the run, as a printer of the program keeps one; the PDF's size.
std::size_t render_sheet(dek::platform::PageRenderer& renderer, const DemoSheet& sheet, dek::HostData& data) {
    dek::report::LivePage live(*sheet.cls, data);
    dek::report::PageReport& page = live.page();
    page.nrp = sheet.nrp;
    page.nr = sheet.nr;
    page.ilb = sheet.ilb;
    page.nrsp = sheet.nrsp;
    page.before_print();
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    renderer.write_pdf(page, buf);
    benchmark::DoNotOptimize(buf.data().data());
    return static_cast<std::size_t>(buf.size());
}

void BM_Sheet(benchmark::State& state, const DemoSheet* sheet) {
    dek::HostData data = sheet->data;
    dek::platform::PageRenderer renderer;
    std::size_t bytes = 0;
    for (auto _ : state) bytes = render_sheet(renderer, *sheet, data);
    state.counters["pdf_bytes_per_sheet"] = static_cast<double>(bytes);
}

void BM_DemoBatch(benchmark::State& state, const std::vector<DemoSheet>* sheets) {
    std::vector<dek::HostData> data;
    for (const DemoSheet& s : *sheets) data.push_back(s.data);
    dek::platform::PageRenderer renderer;
    std::size_t bytes = 0;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        bytes = 0;
        for (std::size_t i = 0; i < sheets->size(); ++i) bytes += render_sheet(renderer, (*sheets)[i], data[i]);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    const auto n = static_cast<double>(sheets->size());
    state.counters["sheets"] = n;
    state.counters["ms_per_sheet"] = seconds * 1000.0 / (n * static_cast<double>(state.iterations()));
    state.counters["pdf_bytes_per_sheet"] = static_cast<double>(bytes) / n;
}

// What a renderer works out once per page before its first sheet: every
// page's background laid out, with the fonts made on the way.
void BM_LayOutEveryForm(benchmark::State& state) {
    std::vector<const dek::report::FormDescription*> forms;
    for (const dek::report::PageClass& cls : dek::pages::page_classes()) {
        dek::HostData empty;
        dek::report::LivePage live(cls, empty);
        forms.push_back(&dek::pages::form_of(live.page().layout().form));
    }
    for (auto _ : state) {
        dek::platform::FontCache fonts;
        for (const dek::report::FormDescription* form : forms) {
            dek::platform::LaidOutForm laid_out(*form, fonts);
            benchmark::DoNotOptimize(&laid_out);
        }
    }
    state.counters["forms"] = static_cast<double>(forms.size());
}
BENCHMARK(BM_LayOutEveryForm)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    const std::vector<DemoSheet> sheets = record_demo();
    std::set<std::pair<std::string, std::string>> seen;
    for (const DemoSheet& s : sheets) {
        if (!seen.emplace(s.sample, std::string(s.cls->name)).second) continue;
        benchmark::RegisterBenchmark(("BM_Sheet/" + s.sample + "/" + std::string(s.cls->name)).c_str(), BM_Sheet, &s)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("BM_DemoBatch", BM_DemoBatch, &sheets)->Unit(benchmark::kMillisecond);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
