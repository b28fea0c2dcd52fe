// Values the formatting routines make are read back from the PDF as one word
// inside their box: an amount shrinks on its one line rather than breaking at
// its thousands point ("1." over "000.000,00" reads as two entries). And a
// form word struck out by its cover is found once, the cover's, not again
// in the drawn form beneath it.
#include <gtest/gtest.h>

#include <QBuffer>
#include <string>
#include <vector>

#include "host/return_file.h"
#include "host/samples.h"
#include "report/format.h"
#include "tests/platform/page_pdf.h"

namespace dek {
namespace {

using testing::Expect;
using testing::expect_page_words_in_fields;
using testing::expect_words_in_fields;

HostData sample(const char* name) { return host::load_return_text(host::find_sample(name)->json, name).data; }

// A revenue above a million is a lawful PIT-28 (the limit is the previous
// year's): every rate column of rows 1, 2, 5 and 6 prints it whole.
TEST(RenderWholeValues, Pit28MillionRevenueInTheRateColumns) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample("pit28");
    for (int rate = 1; rate <= 6; ++rate) {
        d.rek28.przdg[rate] = 1000000;
        d.rek28.przsp[rate] = 1000000;
        d.rek28.gbl[rate] = 1000000;
        d.rek28.osz[rate] = 1074999.99;
    }
    expect_words_in_fields("TF_w2818_1", d,
                           {{"1.000.000,00", "poz20"},
                            {"1.000.000,00", "poz21"},
                            {"1.000.000,00", "poz25"},
                            {"1.000.000,00", "poz27"},
                            {"1.000.000,00", "poz32"},
                            {"1.000.000,00", "poz40"},
                            {"1.000.000,00", "poz45"},
                            {"1.074.999,99", "poz49"},
                            {"1.074.999,99", "poz55"}});
}

// Every amount box of a filled page given `value`, read back whole.
void expect_every_amount_whole(const char* page_class, HostData& data, double value) {
    SCOPED_TRACE(page_class);
    report::LivePage live(*pages::find_page_class(page_class), data);
    live.page().before_print();
    const std::string amount = report::kwota(value, 2);
    std::vector<Expect> expects;
    for (report::Element& e : live.page().DB_dane.elements) {
        if (e.amount_decimals != 2) continue;
        e.caption = amount;
        e.enabled = true;
        expects.push_back({amount.c_str(), e.field.c_str()});
    }
    ASSERT_FALSE(expects.empty());
    expect_page_words_in_fields(live.page(), expects);
}

TEST(RenderWholeValues, Pit36Page2AndPage6AmountsOfBillions) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    HostData d = sample("pit36");
    expect_every_amount_whole("TF_w36182", d, 1234567890.12);
    expect_every_amount_whole("TF_w36186", d, 1000000000);
}

// How often each word occurs in the page's PDF text.
int occurrences(const report::PageReport& page, const QString& word) {
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    platform::write_pdf(page, buf);
    int n = 0;
    for (const auto& w : testing::pdf_words(buf.data(), page.settings.margin_left_mm, page.settings.margin_top_mm))
        if (w.text == word) ++n;
    return n;
}

// The cover repeats the struck word over the drawn form, which leaves its
// own copy out: the word is found as often as with the cover off.
TEST(RenderWholeValues, StruckWordsAreFoundOnce) {
    if (!testing::have_pdftotext()) GTEST_SKIP() << "pdftotext (poppler-utils) not installed";
    struct Case {
        const char* page_class;
        const char* sample;
        bool ident_pesel;
        const char* cover;
        const char* word;
    };
    const Case cases[] = {
        {"TF_w2818_1", "pit28", false, "QRL_kas_pes", "PESEL"},  // identified by NIP: "numer PESEL" struck
        {"TF_w2818_1", "pit28", true, "QRL_kas_nip", "NIP"},     // by PESEL: "NIP" struck
        {"TF_w36181", "pit36", false, "QRL_36s", "PIT-36S"},     // the form variant that does not apply
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.page_class) + " " + c.word);
        HostData d = sample(c.sample);
        d.rek28.ident_pesel = c.ident_pesel;
        d.rekdek.ident_pesel = c.ident_pesel;
        report::LivePage live(*pages::find_page_class(c.page_class), d);
        live.page().before_print();
        report::Element* cover = live.page().DB_dane.find(c.cover);
        ASSERT_NE(cover, nullptr);
        ASSERT_TRUE(cover->enabled);
        const QString word = QString::fromUtf8(c.word);
        const int struck = occurrences(live.page(), word);
        cover->enabled = false;
        EXPECT_EQ(struck, occurrences(live.page(), word));
        EXPECT_GE(struck, 1);
    }
}

}  // namespace
}  // namespace dek
