// PIT-36 pages 4 to 7 rendered to PDF and read back: values print as text
// inside the boxes of the drawn form.
#include <gtest/gtest.h>

#include "host/return_file.h"
#include "host/samples.h"
#include "tests/platform/page_pdf.h"

namespace dek {
namespace {

using testing::expect_words_in_fields;

HostData sample() { return host::load_return_text(host::find_sample("pit36")->json, "pit36").data; }

TEST(RenderPit36, Page4ValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    d.rekdek.dpo = 12345.67;
    d.rekdek.dochody[2].obn = 181.02;
    d.rekdek.podst_opod = 61234.5;
    expect_words_in_fields("TF_w36184", d,
                           {{"181,02", "poz181"},
                            {"12.345,67", "poz182"},
                            {"24.600,00", "poz200"},
                            {"61.235", "poz201"},
                            {"4.510,00", "poz216"}});
}

TEST(RenderPit36, Page5ValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    d.rekdek.mies[1].zal44[1] = 1200000450.0;
    d.rekdek.mies[2].zal44[12] = 987654321.0;
    expect_words_in_fields("TF_w36185", d,
                           {{"12.000", "poz219"},
                            {"450", "poz237"},
                            {"13.780", "poz249"},
                            {"9.876", "poz300"},
                            {"54.321", "poz321"},
                            {"5.255,35", "poz327"},
                            {"4.510", "poz328"}});
}

TEST(RenderPit36, Page6ValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    d.rekdek.mies[1].zal44_7[5] = 4321;
    d.rekdek.mies[2].ods[8] = 765.4;
    expect_words_in_fields("TF_w36186", d,
                           {{"57,00", "poz333"},
                            {"9.694,10", "poz341"},
                            {"15", "poz353"},
                            {"765", "poz385"},
                            {"4.321", "poz394"},
                            {"312", "poz413"}});
}

TEST(RenderPit36, Page7ValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    d.rekdek.kwopp = 88.4;
    d.rekdek.inf_cel = true;
    d.rekdek.ilzal[9] = 3;
    expect_words_in_fields("TF_w36187", d,
                           {{"0000270809", "poz415"},
                            {"88,40", "poz416"},
                            {"Hospicjum", "poz417"},
                            {"x", "poz418"},
                            {"3", "poz423"},
                            {"x", "poz433_2"},
                            {"Świebodzinie", "poz435"},
                            {"x", "poz436_2"},
                            {"Wróblewska-Kołodziej", "poz439"}});
}

}  // namespace
}  // namespace dek
