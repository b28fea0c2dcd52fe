// The PIT/D and PIT-2K pages rendered to PDF and read back: values print as
// text inside the boxes of the drawn form.
#include <gtest/gtest.h>

#include "host/return_file.h"
#include "host/samples.h"
#include "tests/platform/page_pdf.h"

namespace dek {
namespace {

using testing::expect_words_in_fields;

HostData sample() { return host::load_return_text(host::find_sample("pit37")->json, "pit37").data; }

TEST(RenderAttachments, PitDPage1ValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    expect_words_in_fields("TF_wd18_1", d,
                           {{"Wąsowicz", "poz4"},
                            {"14-09-1978", "poz6"},
                            {"Małgorzata", "poz8"},
                            {"4.218,37", "poz10"},
                            {"2.109,19", "poz15"},
                            {"2.109,18", "poz16"}});
}

TEST(RenderAttachments, PitDPage2ValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    auto& r = d.rekdek;
    r.d_kas = 2164.56;
    r.d_odl_pod_og = 2164.56;
    r.d_odl_pod36 = 2164.56;
    r.d_wn_pod = dane_wnd{false, true, 0, 0, 1500, 664.56};
    expect_words_in_fields("TF_wd18_2", d,
                           {{"2.164,56", "poz27"}, {"2.164,56", "poz31"}, {"1.500,00", "poz34"}, {"664,56", "poz35"}});
}

TEST(RenderAttachments, Pit2KValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    expect_words_in_fields("TF_w2k18_1", d,
                           {{"Grzegorz", "poz4"},
                            {"27-03-1981", "poz8"},
                            {"x", "poz9_1"},
                            {"412.350,00", "poz10"},
                            {"298.740,15", "poz11"}});
}

TEST(RenderAttachments, PitOPage3ChildrenLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    expect_words_in_fields("TF_wo18_3", d,
                           {{"Zuzanna", "e1_poz2"},
                            {"Wąsowicz-Przybyszewska", "e1_poz3"},
                            {"21-06-2009", "e1_poz4"},
                            {"12", "e1_poz6"},
                            {"556,02", "e1_poz8"},
                            {"Jakub", "e2_poz2"},
                            {"08-02-2013", "e2_poz4"}});
}

// Page 4 from the PIT-36 sample, the one with five children.
TEST(RenderAttachments, PitOPage4ChildrenLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = host::load_return_text(host::find_sample("pit36")->json, "pit36").data;
    expect_words_in_fields("TF_wo18_4", d,
                           {{"Wojciech", "e4_poz2"},
                            {"Sobańskiewicz", "e4_poz3"},
                            {"08-07-2013", "e4_poz4"},
                            {"1.350,00", "e4_poz7"},
                            {"12", "e5_poz5"},
                            {"1.350,00", "e5_poz8"}});
}

}  // namespace
}  // namespace dek
