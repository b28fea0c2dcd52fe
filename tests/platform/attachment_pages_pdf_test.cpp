// The PIT/D and PIT-2K pages rendered to PDF and read back: values print as
// text inside the boxes of the drawn form.
#include <gtest/gtest.h>

#include "host/return_file.h"
#include "host/samples.h"
#include "report/przep_zal.h"
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

// A PIT-28 taxpayer's names of 50 characters, whole on every attachment
// sheet with a name box, as on the return's page 1: each word inside its
// box, prepared as the PIT-28 job prepares each sheet.
TEST(RenderAttachments, Pit28NamesPrintWholeOnPitOPitDAndPit2K) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = host::load_return_text(host::find_sample("pit28")->json, "pit28").data;
    report::przep_zalo(d);
    ASSERT_EQ(d.rekdek.podatnik.nazw.str(), "Fernández de Córdoba y Sánchez");
    struct Sheet {
        const char* page_class;
        const char *surname, *first_name;
    };
    for (const Sheet& s : {Sheet{"TF_wo18_1", "poz5", "poz6"}, Sheet{"TF_wd18_1", "poz4", "poz5"},
                           Sheet{"TF_w2k18_1", "poz3", "poz4"}}) {
        expect_words_in_fields(s.page_class, d,
                               {{"Fernández", s.surname},
                                {"Córdoba", s.surname},
                                {"Sánchez", s.surname},
                                {"Toledo-Pawlaczyk", s.surname},
                                {"María", s.first_name},
                                {"Concepción", s.first_name},
                                {"Ignacia", s.first_name}});
    }
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

// PIT/O page 1 from the PIT-37 sample, with a kind of other deductions.
TEST(RenderAttachments, PitOPage1ValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    d.rekdek.in_odld[1] = "Ulga termomodernizacyjna";
    expect_words_in_fields("TF_wo18_1", d,
                           {{"Wąsowicz", "poz5"},
                            {"27-03-1981", "poz10"},
                            {"1.500,00", "poz11"},
                            {"468,00", "poz15"},
                            {"2.000,00", "poz28"},
                            {"termomodernizacyjna", "poz29"},
                            {"8.459,60", "poz32"},
                            {"5.570,00", "poz33"}});
}

// PIT/O page 2 from the PIT-37 sample, whose tax leaves every deduction as it is.
TEST(RenderAttachments, PitOPage2ValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    d.rekdek.in_odlp[2] = "Ulga abolicyjna";
    expect_words_in_fields("TF_wo18_2", d,
                           {{"1.876,32", "poz36"},
                            {"2", "poz38"},
                            {"1.112,04", "poz39"},
                            {"1.112,04", "poz40"},
                            {"abolicyjna", "poz43"},
                            {"2.988,36", "poz46"},
                            {"Pomocy", "d1_poz1"},
                            {"Polska", "d2_poz2"},
                            {"1.500,00", "d1_poz4"},
                            {"650,00", "d3_poz5"}});
}

}  // namespace
}  // namespace dek
