#include "report/przep_zal.h"

#include <gtest/gtest.h>

#include <string>

#include "host/return_file.h"
#include "host/samples.h"
#include "report/deduction_limit.h"

namespace dek::report {
namespace {

// A PIT-28 return whose general record still holds a joint PIT-37 of other
// people: spouse, children 2 and 3, NIP, year, the spouse's PIT/O.
HostData pit28_over_a_joint_pit37() {
    HostData d;
    d.wsp_z_malz = CodeSet{};
    for (int code = 0; code < 128; ++code) d.wsp_z_malz.insert(code);  // any code below 128 is joint
    rekdek_t& r = d.rekdek;
    r.sp_opod = 1;
    r.nip = "7251801126";
    r.nip_m = "9512231455";
    r.rok = 2017;
    r.ident_pesel = false;
    r.ident_pesel_m = true;
    r.podatnik.nazw = "Kowalski";
    r.podatnik.im = "Jan";
    r.podatnik.miejsc = "Kraków";
    r.malzonek.nazw = "Kowalska";
    r.malzonek.pesel = "80010112345";
    r.dzieci[2].im = "Tadeusz";
    r.dzieci[3].im = "Helena";
    r.pito_m.odl[13] = 300;
    r.pod_o = 1000;
    r.pod_o_m = 300;
    r.pod_po_odl = 5000;
    r.urz = "Urząd Skarbowy Kraków-Krowodrza";

    rek28_t& p = d.rek28;
    p.nip = "548-211-03-78";
    p.rok = 2018;
    p.ident_pesel = true;
    p.nazw = "Wiśniewska";
    p.im = "Zofia";
    p.dur = dt1{1979, 2, 11};
    p.pesel = "79021186240";
    p.ul = "Długa";
    p.odl_o = 700;
    p.r_po_odl = 31184.19;

    d.zal28.dzieci[1].im = "Ignacy";
    d.zal28.pito.odl[13] = 700;
    d.zal28.pito.odl_pod = 700;
    d.zal28.kw1_2k = 126400;
    return d;
}

TEST(PrzepZal28, TheAttachmentsSeeThePit28ReturnOnly) {
    HostData d = pit28_over_a_joint_pit37();
    const HostData before = d;
    przep_zal28(d);
    const rekdek_t& r = d.rekdek;

    EXPECT_EQ(static_cast<const dane_zal&>(r), d.zal28);  // children 2 and 3, the spouse's PIT/O gone
    EXPECT_EQ(r.nip.str(), "5482110378");
    EXPECT_EQ(r.rok, 2018);
    EXPECT_TRUE(r.ident_pesel);
    dane_os podatnik;
    podatnik.nazw = "Wiśniewska";
    podatnik.im = "Zofia";
    podatnik.dur = dt1{1979, 2, 11};
    podatnik.pesel = "79021186240";
    EXPECT_EQ(r.podatnik, podatnik);  // nothing of the old taxpayer's address
    EXPECT_EQ(r.malzonek, dane_os{});
    EXPECT_TRUE(r.nip_m.empty());
    EXPECT_FALSE(r.ident_pesel_m);
    EXPECT_FALSE(sp_opod_wspolnie(d));  // although every code below 128 is joint here
    EXPECT_EQ(r.pod_o, 700);
    EXPECT_EQ(r.pod_o_m, 0);
    EXPECT_EQ(r.pod_po_odl, 31184.19);
    // What the attachments do not read stays as the host left it.
    EXPECT_EQ(r.urz, before.rekdek.urz);
    EXPECT_EQ(d.rek28, before.rek28);
    EXPECT_EQ(d.zal28, before.zal28);
}

// Before every sheet again: the same record, whatever ran in between.
TEST(PrzepZal28, EachRoutineGivesTheSameRecordAgainAndAgain) {
    HostData once = pit28_over_a_joint_pit37();
    przep_zal28(once);
    for (auto routine : {&przep_zalo, &przep_zald, &przep_zal2k}) {
        HostData d = pit28_over_a_joint_pit37();
        routine(d);
        EXPECT_EQ(d.rekdek, once.rekdek);
        d.rekdek.pito.odl_pod = 1;  // a page's limit changed the record in between
        d.rekdek.podatnik.nazw = "X";
        routine(d);
        EXPECT_EQ(d.rekdek, once.rekdek);
    }
}

struct Cut {
    const char* name;
    std::string nazw, im, nip;
    std::string want_nazw, want_im, want_nip;
    friend void PrintTo(const Cut& c, std::ostream* os) { *os << c.name; }
};

class PrzepZal28Cut : public ::testing::TestWithParam<Cut> {};

// The PIT-28 record keeps 50 characters of a name, the general record 30 of
// the surname and 20 of the first name: longer names are cut, the job goes on.
TEST_P(PrzepZal28Cut, NamesAndNipFitTheGeneralRecord) {
    HostData d;
    d.rek28.nazw = GetParam().nazw;
    d.rek28.im = GetParam().im;
    d.rek28.nip = GetParam().nip;
    ASSERT_NO_THROW(przep_zal28(d));
    EXPECT_EQ(d.rekdek.podatnik.nazw.str(), GetParam().want_nazw);
    EXPECT_EQ(d.rekdek.podatnik.im.str(), GetParam().want_im);
    EXPECT_EQ(d.rekdek.nip.str(), GetParam().want_nip);
}

const std::string k50 = "Żółćęśąźń" + std::string(41, 'W');

INSTANTIATE_TEST_SUITE_P(Widths, PrzepZal28Cut,
                         ::testing::Values(Cut{"Fifty", k50, k50, "548-211-03-78", "Żółćęśąźń" + std::string(21, 'W'),
                                               "Żółćęśąźń" + std::string(11, 'W'), "5482110378"},
                                           Cut{"ExactWidths", std::string(30, 'M'), std::string(20, 'M'), "5482110378",
                                               std::string(30, 'M'), std::string(20, 'M'), "5482110378"},
                                           Cut{"TooManyDigits", "Nowak", "Ewa", "5482110378123", "Nowak", "Ewa",
                                               "5482110378"},
                                           Cut{"Empty", "", "", "", "", "", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

// The names cut into the general record go whole beside it, for the
// attachments' name boxes; once the host refills the general record with
// another person, that person's names are the ones printed.
TEST(PrzepZal28, TheAttachmentsGetTheWholeNamesOfThePersonTheRecordHolds) {
    HostData d;
    d.rek28.nazw = k50;
    d.rek28.im = "Anna Maria Józefa Teresa Katarzyna";
    EXPECT_EQ(taxpayer_names(d).nazw, "");
    przep_zald(d);
    EXPECT_EQ(taxpayer_names(d).nazw, k50);
    EXPECT_EQ(taxpayer_names(d).im, "Anna Maria Józefa Teresa Katarzyna");
    d.rekdek.podatnik.nazw = "Nowak";
    d.rekdek.podatnik.im = "Ewa";
    EXPECT_EQ(taxpayer_names(d).nazw, "Nowak");
    EXPECT_EQ(taxpayer_names(d).im, "Ewa");
}

// The sample's PIT/O other reliefs (poz. 44) and total (poz. 46), 700,00,
// lie within the lump-sum tax: the limit before PIT/O page 2 keeps them.
TEST(PrzepZal28, TheSamplesPartCDeductionsSurviveTheLimit) {
    for (const auto& s : host::samples()) {
        if (s.name != "pit28") continue;
        HostData d = host::load_return_text(s.json, "sample pit28").data;
        przep_zalo(d);
        ogr_odl_pod_pito(d, 1);
        ogr_odl_pod_pito(d, 2);
        EXPECT_EQ(d.rekdek.pito.odl[13], 700.00);
        EXPECT_EQ(d.rekdek.pito.odl_pod, 700.00);
        EXPECT_EQ(d.rekdek.pito, d.zal28.pito);
        return;
    }
    FAIL() << "no pit28 sample";
}

}  // namespace
}  // namespace dek::report
