// PIT-37 pages 2 to 4 rendered to PDF and read back: values print as text
// inside the boxes of the drawn form.
#include <gtest/gtest.h>

#include "host/return_file.h"
#include "host/samples.h"
#include "tests/platform/page_pdf.h"

namespace dek {
namespace {

using testing::expect_words_in_fields;

HostData sample() { return host::load_return_text(host::find_sample("pit37")->json, "pit37").data; }

TEST(RenderPit37, Page2ValuesLieInTheirCells) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    d.rekdek.dochody[2].zr[3].doch = -1234.5;  // the spouse's loss in row 3
    expect_words_in_fields("TF_w37182", d,
                           {{"180.000,00", "poz35"},
                            {"13.137", "poz39"},
                            {"146.919,61", "poz64"},
                            {"1.234,50", "poz79"},
                            {"13.161,60", "poz98"},
                            {"197.476,59", "poz102"}});
}

TEST(RenderPit37, Page3ValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    d.rek_uz.dz = 1112.04;  // section H applies
    expect_words_in_fields("TF_w37183", d,
                           {{"197.477", "poz104"},
                            {"6.419,98", "poz108"},
                            {"1.112,04", "poz118"},
                            {"0000386411", "poz123"},
                            {"rehabilitację", "poz125"},
                            {"x", "poz126"}});
}

TEST(RenderPit37, Page4ValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    d.rekdek.ilzal[12] = 2;
    d.rekdek.jest_peln = true;
    d.rekdek.peln = "Bartłomiej Żółtowski";
    expect_words_in_fields(
        "TF_w37184", d,
        {{"1", "poz128"}, {"2", "poz129"}, {"x", "poz132_1"}, {"x", "poz133_3"}, {"Żółtowski", "poz142"}});
}

}  // namespace
}  // namespace dek
