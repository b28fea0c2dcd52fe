// PIT-36L pages 1 to 4 rendered to PDF and read back: values print as text
// inside the boxes of the drawn form.
#include <gtest/gtest.h>

#include "host/return_file.h"
#include "host/samples.h"
#include "tests/platform/page_pdf.h"

namespace dek {
namespace {

using testing::expect_words_in_fields;

HostData sample() { return host::load_return_text(host::find_sample("pit36l")->json, "pit36l").data; }

// A 30-character reference number reads back as one word: one line.
TEST(RenderPit36l, Page1ValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    d.dr_dek_ref = true;
    d.nr_dek_refer = "9F3A0C77E41B2D58A6C09E3F11D4B7";
    d.rekdek.dochody[1].zr[3].doch = -500;
    d.rekdek.inf_dod[2] = 0;
    d.rekdek.dol_spadek = 1;
    expect_words_in_fields("TF_w36l18_1", d,
                           {{"9F3A0C77E41B2D58A6C09E3F11D4B7", "poz2"},
                            {"Kołodziejczyk-Mróz", "poz7"},
                            {"X", "poz11b"},
                            {"707.300,00", "poz13"},
                            {"500,00", "poz16"},
                            {"30.959", "poz17"},
                            {"2017", "poz24"},
                            {"7.997,40", "poz29"}});
}

TEST(RenderPit36l, Page2ValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    d.rekdek.utr = 1234.56;
    expect_words_in_fields("TF_w36l18_2", d,
                           {{"221.296,09", "poz31"},
                            {"1.234,56", "poz35"},
                            {"182.513", "poz42"},
                            {"3.306,12", "poz47"},
                            {"31.371", "poz52"},
                            {"412", "poz54"}});
}

TEST(RenderPit36l, Page3ValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    d.rekdek.ryc_rozn = 1234.6;
    d.rekdek.do_zapl = 1234.6;
    expect_words_in_fields("TF_w36l18_3", d,
                           {{"2.310", "poz56"},
                            {"3.101", "poz79"},
                            {"30.959", "poz86"},
                            {"30.959", "poz107"},
                            {"1.235", "poz113"},
                            {"1.234,60", "poz114"},
                            {"21", "poz121"},
                            {"18", "poz136"}});
}

TEST(RenderPit36l, Page4ValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    d.rekdek.ilzal[11] = 3;
    d.rekdek.jest_peln = true;
    d.rekdek.peln = "Bartłomiej Żółtowski";
    expect_words_in_fields("TF_w36l18_4", d,
                           {{"0000112238", "poz141"},
                            {"313,71", "poz142"},
                            {"schroniska", "poz143"},
                            {"x", "poz144"},
                            {"3", "poz151"},
                            {"X", "poz153_1"},
                            {"Żółtowski", "poz155"}});
}

}  // namespace
}  // namespace dek
