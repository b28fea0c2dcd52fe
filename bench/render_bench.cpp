// Fill and render of one sheet to an in-memory PDF, the work of one print run:
// time per sheet and PDF bytes per sheet. The form descriptions are parsed
// once, on the first sheet, as in the program.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>

#include "host/return_file.h"
#include "host/samples.h"
#include "pages/page_classes.h"
#include "platform/render.h"

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

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
