// The PIT/B, PIT/M and PIT/Z pages rendered to PDF and read back: values print
// as text inside the boxes of the drawn form.
#include <gtest/gtest.h>

#include "host/return_file.h"
#include "host/samples.h"
#include "tests/platform/page_pdf.h"

namespace dek {
namespace {

using testing::expect_words_in_fields;

HostData sample(const char* name) { return host::load_return_text(host::find_sample(name)->json, name).data; }

// The PIT-36 sample's taxpayer has three activities and four partnerships:
// two sets.
TEST(RenderPersonAttachments, PitBPage1ValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample("pit36");
    expect_words_in_fields("TF_wb18_1", d,
                           {{"2", "poz3"},
                            {"970123450", "poz8"},
                            {"298.416,37", "poz10"},
                            {"-7.150,40", "poz18"},
                            {"25,00", "poz20"},
                            {"599-002-41-65", "poz21"},
                            {"412.000,00", "poz24"},
                            {"3.969,90", "poz29"}},
                           1, 1, 2);
    expect_words_in_fields("TF_wb18_1", d, {{"Wynajem", "poz7"}, {"14.625,35", "poz12"}, {"Agroturystyka", "poz19"}}, 1,
                           3, 2);
}

TEST(RenderPersonAttachments, PitBPage2ValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample("pit36");
    expect_words_in_fields("TF_wb18_2", d,
                           {{"Piekarnia", "poz30"}, {"62.793,72", "poz36"}, {"-4.150,00", "poz51"}, {"X", "poz56_1"}},
                           1, 1);
    expect_words_in_fields(
        "TF_wb18_2", d,
        {{"641.310,09", "poz52"}, {"603.422,84", "poz53"}, {"37.887,25", "poz54"}, {"0,00", "poz55"}, {"X", "poz57_2"}},
        1, 4);
}

// The PIT-36 sample's taxpayer shares the children's income with the spouse:
// table B.2 and the person's half.
TEST(RenderPersonAttachments, PitMValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample("pit36");
    expect_words_in_fields("TF_wm18_1", d,
                           {{"7.200,00", "poz31"},
                            {"64", "poz45"},
                            {"7.550,00", "poz48"},
                            {"3.775,00", "poz50"},
                            {"32,00", "poz51"},
                            {"3.775,00", "poz52"},
                            {"32,00", "poz53"}},
                           1);
}

TEST(RenderPersonAttachments, PitZPage1ValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample("pit36");
    auto& r = d.rekdek;
    r.inf_dod[1] = 3;
    r.pitz[1].kw[1] = {641310.09, 603422.84, 37887.25, 0};
    r.pitz[1].kw[3] = {141310.09, 123422.34, 17887.75, 0};
    r.pitz[1].doch_b4 = 20000;
    r.pitz[1].zwol = 17887.75;
    expect_words_in_fields("TF_wz18_1", d,
                           {{"Szczebrzeszyńska-Sobańskiewicz", "poz3"},
                            {"641.310,09", "poz6"},
                            {"17.887,75", "poz16"},
                            {"603.422,84", "poz19"},
                            {"20.000,00", "poz20"},
                            {"17.887,75", "poz22"}},
                           1);
}

// The PIT-36L sample keeps the taxpayer's code 4 in the second status byte.
TEST(RenderPersonAttachments, PitZPage2ValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample("pit36l");
    expect_words_in_fields("TF_wz18_2", d,
                           {{"707.300,00", "poz23"},
                            {"6", "poz27"},
                            {"5.300,00", "poz28"},
                            {"244.146,73", "poz31"},
                            {"707.300,00", "poz32"},
                            {"244.146,73", "poz34"}},
                           1);
}

}  // namespace
}  // namespace dek
