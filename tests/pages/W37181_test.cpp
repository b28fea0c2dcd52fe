#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "pages/page_classes.h"
#include "tests/pages/label_looks.h"
#include "tests/pages/page_fixture.h"

namespace dek {
namespace {

using testing::FilledPage;

HostData joint_return() {
    HostData d;
    auto& r = d.rekdek;
    r.nip = "526-02502-";  // dashes are removed before the layout
    r.nip_m = "1234563218";
    r.rok = 2018;
    r.sp_opod = 1;
    r.urz = "  Urząd Skarbowy w Łodzi  ";
    r.podatnik.nazw = "Wąsowicz ";
    r.podatnik.im = "Grzegorz";
    r.podatnik.dur = dt1{1978, 9, 14};
    r.podatnik.ul = "Wyzwolenia";
    r.podatnik.poczta = "Siemianowice";
    r.podatnik.pesel = "78091412345";
    r.malzonek.nazw = "Wąsowicz-Przybyszewska";
    r.malzonek.pesel = "81032708748";
    r.malzonek.dur = dt1{1981, 3, 27};
    r.ident_pesel_m = true;
    return d;
}

TEST(W37181, JointReturnByNipAndSpouseByPesel) {
    HostData d = joint_return();
    FilledPage p("TF_w37181", d);
    EXPECT_EQ(p.printed("QRL_nip"), "5 2 6 0 2 5 0 2");  // not ten digits: as stored, spaced
    EXPECT_TRUE(p.enabled("QRL_kas_pes"));               // "numer PESEL" struck out
    EXPECT_FALSE(p.enabled("QRL_kas_nip"));
    EXPECT_EQ(p.element("QRL_kas_pes").caption, "numer PESEL  ");
    EXPECT_EQ(p.printed("QRL_nip1"), "8 1 0 3 2 7 0 8 7 4 8");
    EXPECT_TRUE(p.enabled("QRL_kas_nip1"));
    EXPECT_FALSE(p.enabled("QRL_kas_pes1"));
    EXPECT_EQ(p.printed("QRL_rok"), "2 0 1 8");
    EXPECT_EQ(p.printed("QRL_sp_op2"), "x");
    for (const char* n : {"QRL_sp_op1", "QRL_sp_op3", "QRL_sp_op4"}) EXPECT_EQ(p.printed(n), "") << n;
    // Texts print as stored: not trimmed.
    EXPECT_EQ(p.printed("QRL_urz"), "  Urząd Skarbowy w Łodzi  ");
    EXPECT_EQ(p.printed("QRL_nazw"), "Wąsowicz ");
    EXPECT_EQ(p.printed("QRL_dur"), "14-09-1978");
    EXPECT_EQ(p.printed("QRL_nazw1"), "Wąsowicz-Przybyszewska");
    EXPECT_EQ(p.printed("QRL_dur1"), "27-03-1981");
    EXPECT_EQ(p.printed("QRL_nrlok"), "");  // empty texts print nothing
    // No post-office box on this form.
    EXPECT_EQ(p.caption("QRL_poczta"), "");
    EXPECT_FALSE(p.enabled("QRL_poczta"));
    EXPECT_EQ(p.printed("QRL_zl_dek"), "x");
    EXPECT_EQ(p.printed("QRL_kor_dek"), "");
    EXPECT_FALSE(p.enabled("QRL_nrref"));
}

TEST(W37181, NotJointLeavesTheSpouseBlank) {
    struct Case {
        const char* what;
        int sp_opod;
        CodeSet set;
        const char* square;  // the one marked square of poz. 6, or nullptr
    };
    const Case cases[] = {
        {"individual", 0, CodeSet::of({1}), "QRL_sp_op1"},
        {"joint code not in the set", 1, CodeSet::of({2}), "QRL_sp_op2"},
        {"code above 3", 200, CodeSet{}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        HostData d = joint_return();
        d.rekdek.sp_opod = static_cast<byte>(c.sp_opod);
        d.wsp_z_malz = c.set;
        if (c.sp_opod == 200) d.wsp_z_malz.bytes.fill(0xFF);  // every code but 200 is in the set
        d.rekdek.nier_m = true;
        FilledPage p("TF_w37181", d);
        EXPECT_EQ(p.caption("QRL_nip1"), "");
        EXPECT_FALSE(p.enabled("QRL_nip1"));
        EXPECT_FALSE(p.enabled("QRL_kas_nip1"));
        EXPECT_FALSE(p.enabled("QRL_kas_pes1"));
        for (const char* n : {"QRL_nazw1", "QRL_im1", "QRL_dur1", "QRL_kr1", "QRL_woj1", "QRL_pow1", "QRL_gmina1",
                              "QRL_ul1", "QRL_nrd1", "QRL_nrlok1", "QRL_miejsc1", "QRL_kodp1", "QRL_poczta1"})
            EXPECT_EQ(p.caption(n), "") << n;
        for (int i = 1; i <= 4; ++i) {
            const std::string n = "QRL_sp_op" + std::to_string(i);
            EXPECT_EQ(p.caption(n), c.square != nullptr && n == c.square ? "x" : "") << n;
        }
        EXPECT_EQ(p.printed("QRL_nier1"), "x");  // poz. 8 follows nier_m alone
        EXPECT_EQ(p.printed("QRL_nier"), "");
    }
}

// A method code above 3 marks no square of poz. 6, but when the host counts
// it as joint taxation the spouse's identifier and block B.2 print all the same.
TEST(W37181, CodeAboveThreeInTheJointSetPrintsTheSpouseWithoutASquare) {
    for (int code : {4, 9, 127}) {
        SCOPED_TRACE(code);
        HostData d = joint_return();
        d.rekdek.sp_opod = static_cast<byte>(code);
        d.wsp_z_malz = CodeSet::of({1, code});
        FilledPage p("TF_w37181", d);
        for (int i = 1; i <= 4; ++i) EXPECT_EQ(p.caption("QRL_sp_op" + std::to_string(i)), "") << i;
        EXPECT_EQ(p.printed("QRL_nip1"), "8 1 0 3 2 7 0 8 7 4 8");
        EXPECT_TRUE(p.enabled("QRL_kas_nip1"));
        EXPECT_EQ(p.printed("QRL_nazw1"), "Wąsowicz-Przybyszewska");
        EXPECT_EQ(p.printed("QRL_dur1"), "27-03-1981");
    }
}

// An empty return: every value box prints nothing (the year aside, which is
// set here), none of the design's sample captions reaches the paper; only the
// squares that the codes 0 pick carry their mark.
TEST(W37181, EmptyRecordPrintsNoSampleCaption) {
    HostData d;
    d.rekdek.sp_opod = 1;  // joint: the spouse's labels are filled, not just cleared
    d.rekdek.rok = 2018;
    FilledPage p("TF_w37181", d);
    const std::map<std::string, std::string> set = {{"QRL_rok", "2 0 1 8"}, {"QRL_sp_op2", "x"}, {"QRL_zl_dek", "x"}};
    for (const auto& e : pages::layout_of("W37181").elements) {
        if (e.name.starts_with("QRL_kas_")) continue;  // covers keep their word and stay off here
        const auto it = set.find(e.name);
        EXPECT_EQ(p.caption(e.name), it == set.end() ? "" : it->second) << e.name;
    }
    EXPECT_TRUE(p.element("QRL_nrref").lines.empty());
}

TEST(W37181, TaxpayerByPesel) {
    HostData d = joint_return();
    d.rekdek.ident_pesel = true;
    {
        FilledPage p("TF_w37181", d);
        EXPECT_EQ(p.printed("QRL_nip"), "7 8 0 9 1 4 1 2 3 4 5");
        EXPECT_TRUE(p.enabled("QRL_kas_nip"));
        EXPECT_FALSE(p.enabled("QRL_kas_pes"));
    }
    d.rekdek.podatnik.pesel = "";  // identified by PESEL without one: the box stays empty
    FilledPage p("TF_w37181", d);
    EXPECT_EQ(p.printed("QRL_nip"), "");
    EXPECT_TRUE(p.enabled("QRL_kas_nip"));
}

TEST(W37181, ReferenceNumberAndCorrection) {
    struct Case {
        bool asked;
        const char* number;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {false, "1234567890ABCDEF1234", {}},
        {true, "1234567890ABCDEF", {"1234567890ABCDEF", ""}},
        {true, "12345", {"12345", ""}},
        {true, "1234567890ABCDEF1234567890ABCDEF", {"1234567890ABCDEF", "1234567890ABCDEF"}},
        {true, "ŁŁŁŁŁŁŁŁŁŁŁŁŁŁŁŁŻ", {"ŁŁŁŁŁŁŁŁŁŁŁŁŁŁŁŁ", "Ż"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        HostData d = joint_return();
        d.dr_dek_ref = c.asked;
        d.nr_dek_refer = c.number;
        d.rekdek.korekta = true;
        FilledPage p("TF_w37181", d);
        EXPECT_EQ(p.enabled("QRL_nrref"), c.asked);
        EXPECT_EQ(p.element("QRL_nrref").lines, c.lines);
        EXPECT_EQ(p.printed("QRL_zl_dek"), "");
        EXPECT_EQ(p.printed("QRL_kor_dek"), "x");
    }
}

// Every element prints in the bold value font unless its box calls for
// another: the country in regular weight, the squares of poz. 6 and 10 in the
// mark font, the covers in the small strike-out font, the reference number in
// the value font of default pitch. The tax office is a value like any other.
TEST(W37181, ElementsPrintInTheFontsOfTheirBoxes) {
    using report::FontClass;
    const std::map<std::string, FontClass> other = {
        {"QRL_kas_nip", FontClass::SmallStrike},
        {"QRL_kas_pes", FontClass::SmallStrike},
        {"QRL_kas_nip1", FontClass::SmallStrike},
        {"QRL_kas_pes1", FontClass::SmallStrike},
        {"QRL_nrref", FontClass::ValueDefaultPitch},
        {"QRL_sp_op1", FontClass::Mark},
        {"QRL_sp_op2", FontClass::Mark},
        {"QRL_sp_op3", FontClass::Mark},
        {"QRL_sp_op4", FontClass::Mark},
        {"QRL_zl_dek", FontClass::Mark},
        {"QRL_kor_dek", FontClass::Mark},
        {"QRL_kr", FontClass::Plain},
        {"QRL_kr1", FontClass::Plain},
    };
    const report::Layout& layout = pages::layout_of("W37181");
    EXPECT_EQ(layout.elements.size(), 43U);  // 42 labels and the memo
    std::set<std::string> names;
    for (const auto& e : layout.elements) {
        names.insert(e.name);
        const auto it = other.find(e.name);
        EXPECT_EQ(e.font, it == other.end() ? FontClass::Value : it->second) << e.name;
    }
    for (const auto& entry : other) EXPECT_TRUE(names.contains(entry.first)) << entry.first << " missing";
}

// Alignment, sizing, opacity, initial state and font of the labels. A label
// is centred, of fixed size, transparent, enabled and bold unless its box asks
// for something else; opaque labels blank the form under them, the covers of the
// form's words start disabled, and the post-office boxes never print.
TEST(W37181, LabelsAreLaidOutAsTheirBoxesAsk) {
    using report::Align;
    using report::FontClass;
    using testing::Look;
    const Look cover{Align::Left, true, true, false, FontClass::SmallStrike};
    const Look mark{Align::Center, true, false, true, FontClass::Mark};
    const Look opaque{Align::Center, false, true, true};
    const Look left{Align::Left, false, false, true};
    const Look sized{Align::Center, true, false, true};
    const Look sized_opaque{Align::Center, true, true, true};
    const Look off{Align::Center, false, false, false};
    const std::map<std::string, Look> other = {
        {"QRL_nip", left},
        {"QRL_kas_nip", cover},
        {"QRL_kas_pes", cover},
        {"QRL_nip1", left},
        {"QRL_kas_nip1", cover},
        {"QRL_kas_pes1", cover},
        {"QRL_sp_op1", mark},
        {"QRL_sp_op2", mark},
        {"QRL_sp_op3", mark},
        {"QRL_sp_op4", mark},
        {"QRL_nier", sized},
        {"QRL_nier1", sized},
        {"QRL_urz", opaque},
        {"QRL_zl_dek", mark},
        {"QRL_kor_dek", mark},
        {"QRL_nazw", opaque},
        {"QRL_im", opaque},
        {"QRL_gmina", left},
        {"QRL_ul", {Align::Left, true, false, true}},
        {"QRL_nrd", sized},
        {"QRL_nrlok", sized},
        {"QRL_poczta", off},
        {"QRL_nazw1", opaque},
        {"QRL_im1", opaque},
        {"QRL_dur1", opaque},
        {"QRL_gmina1", opaque},
        {"QRL_ul1", {Align::Left, true, true, true}},
        {"QRL_nrd1", sized_opaque},
        {"QRL_nrlok1", sized_opaque},
        {"QRL_poczta1", off},
        {"QRL_kr", {.font = FontClass::Plain}},
        {"QRL_kr1", {.font = FontClass::Plain}},
    };
    testing::expect_label_looks("W37181", Look{}, other);
    std::set<std::string> names;
    for (const auto& e : pages::layout_of("W37181").elements)
        if (e.kind == report::ElementKind::Label) names.insert(e.name);
    EXPECT_EQ(names.size(), 42U);
    // The reference-number memo: left-aligned, wrapping, growing with its
    // lines, off and empty until the host asks for it.
    const report::Element* memo = testing::designed_element("W37181", "QRL_nrref");
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->kind, report::ElementKind::Memo);
    EXPECT_EQ(memo->alignment, Align::Left);
    EXPECT_TRUE(memo->word_wrap && memo->auto_stretch);
    EXPECT_FALSE(memo->enabled);
    EXPECT_TRUE(memo->lines.empty());
}

}  // namespace
}  // namespace dek
