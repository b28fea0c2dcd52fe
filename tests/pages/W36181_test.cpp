#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "pages/page_classes.h"
#include "tests/pages/attachment_cases.h"
#include "tests/pages/label_looks.h"
#include "tests/pages/page_fixture.h"
#include "tests/pages/pit36_cases.h"

namespace dek {
namespace {

using testing::FilledPage;

// The labels of section B of one person, taxpayer (suffix "") or spouse ("1").
std::vector<std::string> person_labels(const std::string& suffix) {
    std::vector<std::string> names;
    for (const char* stem : {"QRL_nazw", "QRL_im", "QRL_dur", "QRL_kr", "QRL_woj", "QRL_pow", "QRL_gmina", "QRL_ul",
                             "QRL_nrd", "QRL_nrlok", "QRL_miejsc", "QRL_kodp", "QRL_poczta"})
        names.push_back(stem + suffix);
    return names;
}

// The joint couple of the page tests with the rest of page 1 filled: year,
// tax office (a trailing blank kept), addresses with their post offices.
HostData joint_return() {
    HostData d = testing::joint_couple();
    auto& r = d.rekdek;
    r.rok = 2018;
    r.urz = "Pierwszy Urząd Skarbowy w Zielonej Górze ";
    r.podatnik.kr = "Polska";
    r.podatnik.ul = "Sikorskiego";
    r.podatnik.kodp = "66-200";
    r.podatnik.poczta = " Świebodzin 1 ";
    r.malzonek.miejsc = "Cambridge";
    r.malzonek.poczta = "Cambridge, MA";
    return d;
}

// The form's title: the variant that does not apply is struck out, never both.
TEST(W36181, TitleStrikesOutTheOtherVariant) {
    for (bool spadek : {false, true}) {
        SCOPED_TRACE(spadek ? "PIT-36S" : "PIT-36");
        HostData d = joint_return();
        d.rekdek.spadek = spadek;
        FilledPage p("TF_w36181", d);
        EXPECT_EQ(p.enabled("QRL_36"), spadek);
        EXPECT_EQ(p.enabled("QRL_36s"), !spadek);
        EXPECT_EQ(p.caption("QRL_36"), "PIT-36");
        EXPECT_EQ(p.caption("QRL_36s"), "PIT-36S");
    }
}

TEST(W36181, JointReturnPrintsBothPersonsWithTheirPostOffices) {
    HostData d = joint_return();
    FilledPage p("TF_w36181", d);
    EXPECT_EQ(p.printed("QRL_rok"), "2 0 1 8");
    EXPECT_EQ(p.printed("QRL_sp_op2"), "x");
    EXPECT_EQ(p.printed("QRL_urz"), "Pierwszy Urząd Skarbowy w Zielonej Górze ");  // as stored
    EXPECT_EQ(p.printed("QRL_nazw"), "Wąsowicz");
    EXPECT_EQ(p.printed("QRL_dur"), "14-09-1978");
    EXPECT_EQ(p.printed("QRL_kr"), "Polska");
    EXPECT_EQ(p.printed("QRL_kodp"), "66-200");
    EXPECT_EQ(p.printed("QRL_poczta"), " Świebodzin 1 ");
    EXPECT_EQ(p.printed("QRL_woj"), "");  // empty texts print nothing
    EXPECT_EQ(p.printed("QRL_nazw1"), "Wąsowicz-Przybyszewska");
    EXPECT_EQ(p.printed("QRL_dur1"), "27-03-1981");
    EXPECT_EQ(p.printed("QRL_miejsc1"), "Cambridge");
    EXPECT_EQ(p.printed("QRL_poczta1"), "Cambridge, MA");
    EXPECT_EQ(p.printed("QRL_zl_dek"), "x");
    EXPECT_EQ(p.printed("QRL_kor_dek"), "");
    EXPECT_FALSE(p.enabled("QRL_nrref"));
}

// Not taxed jointly: box 2 and the whole of B.2 stay blank, with no cover in
// box 2, whatever the record holds for the spouse; the method's square and
// poz. 8 follow their own fields.
TEST(W36181, NotJointLeavesTheSpouseBlank) {
    const char* const squares[] = {"QRL_sp_op1", "QRL_sp_op3", "QRL_sp_op2"};  // the methods of the three ways
    HostData joint = joint_return();
    joint.rekdek.nier_m = true;
    const auto returns = testing::not_joint_returns(joint);
    for (std::size_t w = 0; w < returns.size(); ++w) {
        SCOPED_TRACE(returns[w].first);
        HostData d = returns[w].second;
        FilledPage p("TF_w36181", d);
        EXPECT_EQ(p.caption("QRL_nip1"), "");
        EXPECT_FALSE(p.enabled("QRL_nip1"));
        EXPECT_FALSE(p.enabled("QRL_kas_nip1"));
        EXPECT_FALSE(p.enabled("QRL_kas_pes1"));
        for (const auto& n : person_labels("1")) EXPECT_EQ(p.caption(n), "") << n;
        for (int i = 1; i <= 4; ++i) {
            const std::string n = "QRL_sp_op" + std::to_string(i);
            EXPECT_EQ(p.caption(n), n == squares[w] ? "x" : "") << n;
        }
        EXPECT_EQ(p.printed("QRL_nier1"), "x");
        EXPECT_EQ(p.printed("QRL_nier"), "");
        EXPECT_EQ(p.printed("QRL_poczta"), " Świebodzin 1 ");  // the taxpayer's block is unaffected
    }
}

// A method code above 3 marks no square of poz. 6; whether B.2 prints follows
// the host's set of joint codes alone.
TEST(W36181, MethodCodeAboveThreeMarksNoSquare) {
    for (const bool joint : {false, true}) {
        SCOPED_TRACE(joint ? "in the joint set" : "not in the joint set");
        HostData d = joint_return();
        d.rekdek.sp_opod = joint ? 9 : 200;  // a code of 128 or more is never in the set
        d.wsp_z_malz = CodeSet::of({1, 9});
        FilledPage p("TF_w36181", d);
        for (int i = 1; i <= 4; ++i) EXPECT_EQ(p.caption("QRL_sp_op" + std::to_string(i)), "") << i;
        EXPECT_EQ(p.printed("QRL_poczta1"), joint ? "Cambridge, MA" : "");
    }
}

// Both identifier boxes by NIP or PESEL: the value and the cover over the
// words that do not apply, "numer PESEL" exactly as printed on the form.
TEST(W36181, IdentifierBoxes) {
    testing::expect_identifier_boxes("TF_w36181", joint_return(), "numer PESEL", "numer PESEL");
}

TEST(W36181, CorrectionWithReferenceNumber) {
    HostData d = joint_return();
    d.rekdek.korekta = true;
    d.rekdek.nier = true;
    d.nr_dek_refer = "8f3c5e1a9b7d2046c1e8a53f7b9d0e24";
    {
        // Not asked for: box 3 stays empty whatever the number.
        FilledPage p("TF_w36181", d);
        EXPECT_FALSE(p.enabled("QRL_nrref"));
        EXPECT_TRUE(p.element("QRL_nrref").lines.empty());
    }
    d.dr_dek_ref = true;
    FilledPage p("TF_w36181", d);
    EXPECT_EQ(p.printed("QRL_zl_dek"), "");
    EXPECT_EQ(p.printed("QRL_kor_dek"), "x");
    EXPECT_EQ(p.printed("QRL_nier"), "x");
    EXPECT_TRUE(p.enabled("QRL_nrref"));
    EXPECT_EQ(p.element("QRL_nrref").lines, (std::vector<std::string>{"8f3c5e1a9b7d2046", "c1e8a53f7b9d0e24"}));
}

// Gives every text of a person block the person's letter and the field's
// name ("p-nazw"), so that each box tells its source apart.
struct NameEachText {
    std::string who;
    template <std::size_t N>
    void operator()(const char* name, Text<N>& text) const {
        text = who + name;
    }
    void operator()(const char* /*name*/, dt1& /*date*/) const {}
};

// Each box of B.1 and B.2 from its own field of its own person.
TEST(W36181, SectionBBoxesFromTheirPersonsFields) {
    HostData d = joint_return();
    NameEachText p{"p-"}, m{"m-"};
    d.rekdek.podatnik.fields(p);
    d.rekdek.malzonek.fields(m);
    FilledPage page("TF_w36181", d);
    for (const auto& [suffix, who, born] : {std::tuple{"", "p-", "14-09-1978"}, std::tuple{"1", "m-", "27-03-1981"}}) {
        for (const char* f :
             {"nazw", "im", "kr", "woj", "pow", "gmina", "ul", "nrd", "nrlok", "miejsc", "kodp", "poczta"})
            EXPECT_EQ(page.printed("QRL_" + std::string(f) + suffix), who + std::string(f));
        EXPECT_EQ(page.printed("QRL_dur" + std::string(suffix)), born);
    }
}

// An empty joint return: no sample caption of the design reaches the paper;
// only the squares the codes 0 pick carry their mark.
TEST(W36181, EmptyRecordPrintsNoSampleCaption) {
    HostData d;
    d.rekdek.sp_opod = 1;
    FilledPage p("TF_w36181", d);
    const std::map<std::string, std::string> set = {{"QRL_rok", "0"}, {"QRL_sp_op2", "x"}, {"QRL_zl_dek", "x"}};
    for (const auto& e : pages::layout_of("W36181").elements) {
        if (e.name.starts_with("QRL_kas_") || e.name == "QRL_36" || e.name == "QRL_36s") continue;  // covers
        const auto it = set.find(e.name);
        EXPECT_EQ(p.caption(e.name), it == set.end() ? "" : it->second) << e.name;
    }
    EXPECT_TRUE(p.element("QRL_nrref").lines.empty());
}

// How each label lies over its box. A label is centred, of fixed size,
// transparent, enabled and bold unless its box asks for something else; the
// covers start disabled, the form names' covers are large and of fixed size.
TEST(W36181, LabelsAreLaidOutAsTheirBoxesAsk) {
    using report::Align;
    using report::FontClass;
    using testing::Look;
    const Look cover{Align::Left, true, true, false, FontClass::SmallStrike};
    const Look sized{Align::Center, true};
    const Look opaque{Align::Center, false, true};
    std::map<std::string, Look> looks = {
        {"QRL_nip", {.align = Align::Left, .width = 207}},
        {"QRL_kas_nip", cover},
        {"QRL_kas_pes", cover},
        {"QRL_nip1", {.align = Align::Left, .width = 181}},
        {"QRL_kas_nip1", {Align::Left, false, true, false, FontClass::SmallStrike}},
        {"QRL_kas_pes1", cover},
        {"QRL_36", {Align::Right, false, true, false, FontClass::LargeStrike, false, 60}},
        {"QRL_36s", {Align::Left, false, true, false, FontClass::LargeStrike, false, 69}},
        {"QRL_rok", {.align = Align::Left, .width = 73}},
        {"QRL_sp_op1", sized},
        {"QRL_sp_op2", sized},
        {"QRL_sp_op3", sized},
        {"QRL_sp_op4", sized},
        {"QRL_nier", sized},
        {"QRL_nier1", sized},
        {"QRL_urz", {.opaque = true, .width = 615}},
        {"QRL_zl_dek", {Align::Center, true, false, true, FontClass::Mark}},
        {"QRL_kor_dek", {Align::Center, true, false, true, FontClass::Mark}},
    };
    for (const char* suffix : {"", "1"}) {
        for (const auto& n : person_labels(suffix)) looks.emplace(n, opaque);
        looks["QRL_nazw" + std::string(suffix)] = {.opaque = true, .width = 255};
        looks["QRL_dur" + std::string(suffix)] = Look{};
        looks["QRL_kr" + std::string(suffix)] = {.opaque = true, .font = FontClass::Plain};
        looks["QRL_ul" + std::string(suffix)] = {Align::Left, true, true};
        looks["QRL_nrd" + std::string(suffix)] = {Align::Center, true, true};
        looks["QRL_nrlok" + std::string(suffix)] = {Align::Center, true, true};
    }
    testing::expect_label_looks("W36181", Look{}, looks);
    const report::Element* memo = testing::designed_element("W36181", "QRL_nrref");
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->kind, report::ElementKind::Memo);
    EXPECT_FALSE(memo->enabled);
    EXPECT_TRUE(memo->word_wrap && memo->auto_stretch);
    EXPECT_EQ(pages::layout_of("W36181").elements.size(), looks.size() + 1);  // the labels and the memo
    testing::expect_placed("W36181", {{"QRL_nip", 126, 34, 207, 17},
                                      {"QRL_nip1", 128, 68, 181, 17},
                                      {"QRL_kas_nip", 147, 20, -1, 14},
                                      {"QRL_kas_pes", 175, 20, -1, 14},
                                      {"QRL_kas_nip1", 147, 57},
                                      {"QRL_kas_pes1", 175, 57},
                                      {"QRL_nrref", 390, 34, 245, 47},
                                      {"QRL_36", 17, 92, 60, 21},
                                      {"QRL_36s", 85, 92, 69, 21},
                                      {"QRL_rok", 364, 238, 73, 17},
                                      {"QRL_sp_op1", 69, 386},
                                      {"QRL_sp_op2", 175, 386},
                                      {"QRL_sp_op3", 425, 386},
                                      {"QRL_sp_op4", 596, 386},
                                      {"QRL_urz", 142, 542, 615, 17},
                                      {"QRL_nazw", 73, 716, 255, 17}});
}

}  // namespace
}  // namespace dek
