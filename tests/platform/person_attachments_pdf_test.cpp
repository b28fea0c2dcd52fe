// PIT/ZG, PIT/BR and PIT/DS rendered to PDF from the PIT-36 sample and read
// back: each person's values print as text inside the boxes of the drawn form.
#include <gtest/gtest.h>

#include "host/return_file.h"
#include "host/samples.h"
#include "tests/platform/page_pdf.h"

namespace dek {
namespace {

using testing::expect_words_in_fields;

HostData sample() { return host::load_return_text(host::find_sample("pit36")->json, "pit36").data; }

TEST(RenderPersonAttachments, PitZgValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    expect_words_in_fields("TF_wzg18_1", d,
                           {{"Szczebrzeszyńska-Sobańskiewicz", "poz3"},
                            {"Północna", "poz6"},
                            {"8.400,00", "poz18"},
                            {"1.176,00", "poz20"},
                            {"8.400,00", "poz27"},
                            {"2.150,00", "poz32"},
                            {"322,50", "poz33"}},
                           1);
    expect_words_in_fields("TF_wzg18_1", d, {{"Niemiec", "poz6"}, {"24.600,00", "poz8"}, {"3.120,00", "poz29"}}, 2);
}

TEST(RenderPersonAttachments, PitBrPage1ValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    expect_words_in_fields("TF_wbr18_1", d,
                           {{"Agnieszka", "poz5"},
                            {"X", "poz7_1"},
                            {"6.200,00", "poz8"},
                            {"2.380,00", "poz15"},
                            {"16.250,40", "poz21"},
                            {"X", "poz23_1"},
                            {"X", "poz26"}},
                           1);
}

TEST(RenderPersonAttachments, PitBrPage2ValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    expect_words_in_fields("TF_wbr18_2", d,
                           {{"Zielonogórski,", "d1_poz28"},
                            {"Szafrana", "d1_poz33"},
                            {"65-516", "d1_poz37"},
                            {"pok.214", "d2_poz35"},
                            {"Michałkowice", "d2_poz36"},
                            {"Zjednoczone", "d3_poz29"},
                            {"77", "d3_poz34"}},
                           1);
}

TEST(RenderPersonAttachments, PitDsPage1ValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    expect_words_in_fields("TF_wds18_1", d,
                           {{"Lubinicko", "b1_poz7"},
                            {"brojlery", "b1_poz8"},
                            {"I/2018/07", "b1_poz9"},
                            {"850,0", "b1_poz10"},
                            {"18.400,00", "b1_poz11"},
                            {"15.920,00", "b1_poz12"},
                            {"2.480,00", "b1_poz13"}},
                           1);
}

// The spouse's page 2: one joint department and the spouse's totals.
TEST(RenderPersonAttachments, PitDsPage2ValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    expect_words_in_fields("TF_wds18_2", d,
                           {{"pieczarkarnia", "c1_poz14"},
                            {"620,0", "c1_poz17"},
                            {"50,0", "c1_poz18"},
                            {"124.000,00", "c1_poz19"},
                            {"12.650,00", "c1_poz24"},
                            {"62.000,00", "poz25"},
                            {"49.350,00", "poz26"},
                            {"12.650,00", "poz27"},
                            {"0,00", "poz28"}},
                           2);
}

}  // namespace
}  // namespace dek
