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

}  // namespace
}  // namespace dek
