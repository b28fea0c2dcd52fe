// The limit on the part C deductions of PIT/O: each person's deductions from
// tax brought within their share of the tax of the return.
#include "report/deduction_limit.h"

#include <gtest/gtest.h>

#include <array>

namespace dek::report {
namespace {

// The person's six part C amounts, in the order odl[11], odl[12], ulg_27g,
// odl[13], ulg_dz, odl_pod.
struct PartC {
    double apprentices, home_help, art27g, other, children, total;
};

void store(dane_pito& p, const PartC& c) {
    p.odl[11] = c.apprentices;
    p.odl[12] = c.home_help;
    p.ulg_27g = c.art27g;
    p.odl[13] = c.other;
    p.ulg_dz = c.children;
    p.odl_pod = c.total;
}

void expect_part_c(const dane_pito& p, const PartC& c) {
    EXPECT_DOUBLE_EQ(p.odl[11], c.apprentices);
    EXPECT_DOUBLE_EQ(p.odl[12], c.home_help);
    EXPECT_DOUBLE_EQ(p.ulg_27g, c.art27g);
    EXPECT_DOUBLE_EQ(p.odl[13], c.other);
    EXPECT_DOUBLE_EQ(p.ulg_dz, c.children);
    EXPECT_DOUBLE_EQ(p.odl_pod, c.total);
}

// A return of a couple with every other field of the PIT/O blocks filled,
// so that a change outside part C would show.
HostData couple(int sp_opod, double pod_o, double pod_o_m, double pod_po_odl) {
    HostData d;
    auto& r = d.rekdek;
    r.sp_opod = static_cast<byte>(sp_opod);
    r.pod_o = pod_o;
    r.pod_o_m = pod_o_m;
    r.pod_po_odl = pod_po_odl;
    for (int i = 0; i <= 10; ++i) r.pito.odl[i] = r.pito_m.odl[i] = 1000.0 + i;
    r.pito.odl[14] = r.pito_m.odl[14] = 12445.07;
    r.pito.ildz = 2;
    r.pito_m.ildz = 1;
    r.pod = 38486.98;
    return d;
}

// Figures as the return's tax computation printed them: within the shares
// nothing changes, to the grosz and at the share's very edge.
TEST(OgrOdlPodPito, ConsistentReturnIsLeftAsItIs) {
    struct Case {
        int sp_opod;
        double pod_o, pod_o_m, pod_po_odl;
        PartC taxpayer, spouse;
    };
    const Case cases[] = {
        // The PIT-37 sample: home help and children for the taxpayer, children for the spouse.
        {1, 2988.36, 1112.04, 15521.53, {0, 1876.32, 0, 0, 1112.04, 2988.36}, {0, 0, 0, 0, 1112.04, 1112.04}},
        // Taxed alone, the tax used up exactly.
        {0, 2988.36, 0, 0, {0, 1876.32, 0, 0, 1112.04, 2988.36}, {0, 0, 0, 0, 0, 0}},
        // Amounts that do not add up exactly in binary.
        {1, 0.3, 0.6, 0, {0.1, 0.2, 0, 0, 0, 0.3}, {0.2, 0.2, 0.2, 0, 0, 0.6}},
        // Negative pieces are nobody's business here.
        {1, 0, 0, 100, {-20, 0, 0, 0, 50, 30}, {0, 0, 0, 0, 50, 50}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "sp_opod " << c.sp_opod << " pod_o " << c.pod_o);
        HostData d = couple(c.sp_opod, c.pod_o, c.pod_o_m, c.pod_po_odl);
        store(d.rekdek.pito, c.taxpayer);
        store(d.rekdek.pito_m, c.spouse);
        const rekdek_t before = d.rekdek;
        ogr_odl_pod_pito(d, 1);
        ogr_odl_pod_pito(d, 2);
        EXPECT_EQ(d.rekdek, before);
    }
}

// Taxed alone, the taxpayer's share is pod_o + pod_po_odl; beyond it the
// deductions are taken in their order, the child relief last.
TEST(OgrOdlPodPito, DeductionsBeyondTheShareAreCut) {
    struct Case {
        const char* what;
        double pod_o, pod_po_odl;
        PartC stored, limited;
    };
    const Case cases[] = {
        {"the child relief yields first",
         900,
         100,
         {300, 400, 0, 200, 1112.04, 2012.04},
         {300, 400, 0, 200, 100, 1000}},
        {"cut in the middle", 1000, 0, {300, 800, 50, 60, 70, 1280}, {300, 700, 0, 0, 0, 1000}},
        {"art. 27g before other reliefs", 0, 120, {0, 0, 100, 100, 0, 200}, {0, 0, 100, 20, 0, 120}},
        {"no tax at all", 0, 0, {1, 2, 3, 4, 5, 15}, {0, 0, 0, 0, 0, 0}},
        {"a negative tax counts as none", 0, -50, {10, 0, 0, 0, 0, 10}, {0, 0, 0, 0, 0, 0}},
        {"only the total too high", 500, 0, {100, 100, 0, 0, 0, 750}, {100, 100, 0, 0, 0, 500}},
        {"a negative piece stays and gives no room", 100, 0, {-40, 60, 0, 0, 90, 110}, {-40, 60, 0, 0, 40, 100}},
        {"grosze, not binary noise", 0.3, 0, {0.1, 0.2, 0.1, 0, 0, 0.4}, {0.1, 0.2, 0, 0, 0, 0.3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        HostData d = couple(0, c.pod_o, 0, c.pod_po_odl);
        store(d.rekdek.pito, c.stored);
        ogr_odl_pod_pito(d, 1);
        expect_part_c(d.rekdek.pito, c.limited);
    }
}

// Only the person's six part C amounts may change: the rest of the record,
// the other person's block included, stays as it was.
TEST(OgrOdlPodPito, ChangesOnlyThePersonsPartC) {
    for (int person : {1, 2}) {
        SCOPED_TRACE(person);
        HostData d = couple(1, 10, 20, 0);
        store(d.rekdek.pito, {50, 50, 50, 50, 50, 250});
        store(d.rekdek.pito_m, {50, 50, 50, 50, 50, 250});
        rekdek_t expected = d.rekdek;
        ogr_odl_pod_pito(d, person);
        dane_pito& changed = person == 1 ? expected.pito : expected.pito_m;
        store(changed, person == 1 ? PartC{10, 0, 0, 0, 0, 10} : PartC{20, 0, 0, 0, 0, 20});
        EXPECT_EQ(d.rekdek, expected);
    }
}

// Taxed jointly, each spouse keeps what the return set against their
// deductions plus half of the tax left, the odd grosz to the taxpayer; the
// shares do not depend on each other's claims, so the order of the calls
// does not matter and the two add up to the joint tax.
TEST(OgrOdlPodPito, JointSharesSplitTheTaxLeftInHalves) {
    for (bool taxpayer_first : {true, false}) {
        SCOPED_TRACE(taxpayer_first);
        HostData d = couple(1, 500, 300, 0.01);
        store(d.rekdek.pito, {0, 0, 0, 0, 2000, 2000});
        store(d.rekdek.pito_m, {0, 0, 0, 0, 2000, 2000});
        const std::array<int, 2> order = taxpayer_first ? std::array{1, 2} : std::array{2, 1};
        for (int person : order) ogr_odl_pod_pito(d, person);
        expect_part_c(d.rekdek.pito, {0, 0, 0, 0, 500.01, 500.01});
        expect_part_c(d.rekdek.pito_m, {0, 0, 0, 0, 300, 300});
    }
    // A spouse whose claims are small leaves nothing of their share to the
    // other: the taxpayer's share stays 1.000,00 + 50,00.
    HostData d = couple(1, 1000, 0, 100);
    store(d.rekdek.pito, {0, 0, 0, 0, 1200, 1200});
    store(d.rekdek.pito_m, {0, 0, 0, 0, 10, 10});
    ogr_odl_pod_pito(d, 1);
    ogr_odl_pod_pito(d, 2);
    expect_part_c(d.rekdek.pito, {0, 0, 0, 0, 1050, 1050});
    expect_part_c(d.rekdek.pito_m, {0, 0, 0, 0, 10, 10});
}

// A second call finds nothing left to cut.
TEST(OgrOdlPodPito, IsIdempotent) {
    for (int sp_opod : {0, 1}) {
        SCOPED_TRACE(sp_opod);
        HostData d = couple(sp_opod, 333.33, 111.11, 0.03);
        store(d.rekdek.pito, {100.005, 200.004, 300, 400, 500, 1500});
        store(d.rekdek.pito_m, {100, 200, 300, 400, 500, 1500});
        ogr_odl_pod_pito(d, 1);
        ogr_odl_pod_pito(d, 2);
        const rekdek_t once = d.rekdek;
        ogr_odl_pod_pito(d, 1);
        ogr_odl_pod_pito(d, 2);
        EXPECT_EQ(d.rekdek, once);
    }
}

// The spouse outside joint taxation, and any other person number, have no
// share in this return: nothing changes.
TEST(OgrOdlPodPito, NoShareNoChange) {
    const std::pair<int, int> calls[] = {{0, 2}, {2, 2}, {3, 2}, {1, 0}, {1, 3}, {0, -1}};
    for (const auto& [sp_opod, person] : calls) {
        SCOPED_TRACE(::testing::Message() << "sp_opod " << sp_opod << " person " << person);
        HostData d = couple(sp_opod, 0, 0, 0);
        store(d.rekdek.pito, {1, 2, 3, 4, 5, 15});
        store(d.rekdek.pito_m, {1, 2, 3, 4, 5, 15});
        const rekdek_t before = d.rekdek;
        ogr_odl_pod_pito(d, person);
        EXPECT_EQ(d.rekdek, before);
    }
}

}  // namespace
}  // namespace dek::report
