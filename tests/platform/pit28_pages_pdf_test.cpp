// PIT-28 pages 1 to 4, PIT-28/A and PIT-28/B rendered to PDF and read back:
// values print as text inside the boxes of the drawn form.
#include <gtest/gtest.h>

#include "host/return_file.h"
#include "host/samples.h"
#include "tests/platform/page_pdf.h"

namespace dek {
namespace {

using testing::expect_words_in_fields;

HostData sample() { return host::load_return_text(host::find_sample("pit28")->json, "pit28").data; }

TEST(RenderPit28, Page1ValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    d.rek28.korekta = true;
    d.rek28.nazw = "Wąsowicz";
    expect_words_in_fields("TF_w2818_1", d,
                           {{"Wąsowicz", "poz7"},
                            {"x", "poz6_2"},
                            {"3b9e0f41c2d84a7e95b16c0d7a2f8e63", "poz2"},
                            {"148.250,00", "poz20"},
                            {"36.000,00", "poz34"},
                            {"479.616,44", "poz47"},
                            {"37,42", "poz58"}});
}

TEST(RenderPit28, Page2ValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    d.rek28.str = 1000.5;
    d.rek28.str_dod = 200.25;
    expect_words_in_fields("TF_w2818_2", d, {{"1.200,75", "poz73"}, {"9.284,22", "poz83"}, {"170.166", "poz92"}});
}

TEST(RenderPit28, Page3ValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    d.rek28.rok_zw = 2016;
    d.rek28.pod_zwol = 1234;
    d.rek28.zw = 1;
    expect_words_in_fields(
        "TF_w2818_3", d,
        {{"5.104,98", "poz102"}, {"30.564", "poz119"}, {"2016", "poz120"}, {"1.234", "poz121"}, {"x", "poz122_2"}});
}

TEST(RenderPit28, Page4ValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    expect_words_in_fields("TF_w2818_4", d,
                           {{"2.410", "poz126"},
                            {"27.126", "poz137"},
                            {"2", "poz148"},
                            {"x", "poz149_2"},
                            {"Pawlaczyk", "poz151"},
                            {"X", "poz153"},
                            {"Pawlaczyk", "poz155"}});
}

TEST(RenderPit28, AttachmentAValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    expect_words_in_fields(
        "TF_w28a18_1", d,
        {{"Sprzedaż", "poz6"}, {"Český", "poz7"}, {"148.250,00", "poz8"}, {"36.000,00", "poz14"}, {"2", "poz2"}});
}

TEST(RenderPit28, AttachmentBValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    expect_words_in_fields("TF_w28b18_1", d, {{"Stolarnia", "poz7"}, {"548-237-24-92", "poz8"}, {"47.449,19", "poz26"}},
                           0, 0, 0, 3);
    expect_words_in_fields("TF_w28b18_2", d, {{"Apartamenty", "poz36"}, {"15.200,00", "poz55"}, {"62.649,19", "poz67"}},
                           0, 0, 0, 4);
}

}  // namespace
}  // namespace dek
