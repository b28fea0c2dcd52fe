// Returns shared by the PIT-36 page tests: a joint return whose income rows
// tell each other apart, and the ways a return is not taxed jointly.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/pages/page_fixture.h"

namespace dek::testing {

// Row i of person k: revenue 1000·i + k, costs 100·i, income their
// difference, advance 10·i + 0.4 (whole złoty: 10·i).
inline wiersz_zr distinct_row(int i, int k) {
    const double prz = 1000.0 * i + k;
    const double kosz = 100.0 * i;
    return wiersz_zr{prz, kosz, prz - kosz, 10.0 * i + 0.4};
}

// The joint couple with every income row of both persons distinct, the 50 %
// sub-rows (revenue 500 + k under row 1, 300 + k under row 7, costs 250 and
// 150), the sale of things and the unregistered activity (revenue 3500 + k
// and 1800 + k) and their PIT/Z data (exempt income 12 000 + k, losses
// 345,67 of B.4 and 890,12 after the additions, years 2014 + k).
inline HostData pit36_income_return() {
    HostData d = joint_couple();
    auto& r = d.rekdek;
    for (int k = 1; k <= 2; ++k) {
        for (int i = 1; i <= 9; ++i) r.dochody[k].zr[i] = distinct_row(i, k);
        r.k50[k] = dane_k50{500.0 + k, 250.0, 300.0 + k, 150.0};
        r.poz[k] = {3500.0f + k, 2100.0f, 1400.0f};
        r.nrej[k] = {1800.0f + k, 2220.0f, -420.5f};
        r.pitz[k].rokzw = 2014 + k;
        r.pitz[k].zwol = 12000.0 + k;
        r.pitz[k].st_b4 = 345.67;
        r.pitz[k].st_7f = 890.12;
    }
    return d;
}

// The return as it would be without joint taxation, each way: taxed
// individually, as a widow or widower, and with the joint code missing from
// the host's set of joint codes.
inline std::vector<std::pair<std::string, HostData>> not_joint_returns(const HostData& joint) {
    std::vector<std::pair<std::string, HostData>> out(3, {std::string(), joint});
    out[0].first = "individual";
    out[0].second.rekdek.sp_opod = 0;
    out[1].first = "widow or widower";
    out[1].second.rekdek.sp_opod = 2;
    out[2].first = "joint code not in the set";
    out[2].second.wsp_z_malz = CodeSet::of({2});
    return out;
}

// The business row (row 3) of person k on the page that prints it: its loss
// column follows the person's own section-C answer (the other person's answer
// is set to 3 and must not reach it), the exempt income its own label.
inline void expect_business_row(const char* page_class, int k) {
    struct Case {
        int answer;
        double doch;
        const char* income;
        const char* loss;
        bool exempt;  // the exempt income under the row printed
    };
    const Case cases[] = {
        {1, -2000.0, "0,00", "2.000,00", false},   // the row's own loss
        {1, 2000.0, "2.000,00", "0,00", false},    // the row's own income
        {3, -2000.0, "0,00", "345,67", true},      // the PIT/Z loss whatever the row's sign
        {3, 2000.0, "2.000,00", "345,67", true},   // and the exempt income under the row
        {4, -2000.0, "0,00", "890,12", false},     // the loss after the additions
        {4, 2000.0, "2.000,00", "890,12", false},  // beside a positive income too
        {5, 0.0, "0,00", "0,00", false},           // other answers: the row's own
    };
    const std::string stem = k == 1 ? "QRL_pp" : "QRL_pm";
    for (const auto& c : cases) {
        SCOPED_TRACE("answer " + std::to_string(c.answer) + " income " + std::to_string(c.doch));
        HostData d = pit36_income_return();
        d.rekdek.inf_dod[k] = static_cast<byte>(c.answer);
        d.rekdek.inf_dod[3 - k] = 3;
        d.rekdek.dochody[k].zr[3] = wiersz_zr{7000.0, 9000.0, c.doch, 321.0};
        FilledPage p(page_class, d);
        EXPECT_EQ(p.printed(stem + "31"), "7.000,00");
        EXPECT_EQ(p.printed(stem + "32"), "9.000,00");
        EXPECT_EQ(p.printed(stem + "33"), c.income);
        EXPECT_EQ(p.printed(stem + "34"), c.loss);
        EXPECT_EQ(p.printed(stem + "35"), "321");
        EXPECT_EQ(p.printed(stem + "_zwol"), c.exempt ? "12.00" + std::to_string(k) + ",00" : "");
    }
}

}  // namespace dek::testing
