// PIT-36 pages 1 to 3 rendered to PDF and read back: values print as text
// inside the boxes of the drawn form, from the sample and from changed data.
#include <gtest/gtest.h>

#include "host/return_file.h"
#include "host/samples.h"
#include "tests/platform/page_pdf.h"

namespace dek {
namespace {

using testing::expect_words_in_fields;

HostData sample() { return host::load_return_text(host::find_sample("pit36")->json, "pit36").data; }

TEST(RenderPit36, Page1ValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    d.rekdek.spadek = true;
    d.rekdek.malzonek.poczta = "Wałbrzych";
    expect_words_in_fields("TF_w36181", d,
                           {{"Szczebrzeszyńska-Sobańskiewicz", "poz11"},
                            {"30-05-1976", "poz13"},
                            {"(filia)", "poz23"},
                            {"Sobańskiewicz", "poz24"},
                            {"Wałbrzych", "poz36"},
                            {"x", "poz10_1"}});
}

TEST(RenderPit36, Page2ValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    d.rekdek.dol_spadek = 1;  // poz. 41b: the year moves to the deceased entrepreneur's place
    d.rekdek.pitz[1].rokzw = 2013;
    d.rekdek.dochody[1].zr[3].doch = -2500.5;  // the business row's loss, answer 4: the PIT/Z loss instead
    d.rekdek.pitz[1].st_7f = 1234.56;
    expect_words_in_fields("TF_w36182", d,
                           {{"x", "poz40_p"},
                            {"X", "poz41b"},
                            {"3", "poz42_3"},
                            {"641.310,09", "poz53"},
                            {"1.234,56", "poz56"},
                            {"1.400,00", "poz83"},
                            {"730.460,09", "poz94"},
                            {"2.140", "poz97"}});
}

TEST(RenderPit36, Page3ValuesLieInTheirBoxes) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample();
    d.rekdek.inf_dod[2] = 3;  // the spouse's exempt income under row 3
    d.rekdek.pitz[2].zwol = 4321.09;
    expect_words_in_fields("TF_w36183", d,
                           {{"4.321,09", "poz113"},
                            {"650,00", "poz139"},
                            {"80.600,00", "poz149"},
                            {"3.775,00", "poz153"},
                            {"3.775,00", "poz154"},  // the taxpayer's PIT/M given to both
                            {"2016", "poz161"},
                            {"27.835,00", "poz170"},
                            {"4.560,00", "poz179"}});
}

}  // namespace
}  // namespace dek
