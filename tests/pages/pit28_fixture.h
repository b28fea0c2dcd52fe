// A PIT-28 return for the tests of its pages: every field the pages read
// holds a value of its own, so a label filled from the wrong field shows.
#pragma once

#include "records/host_data.h"

namespace dek::testing {

inline HostData pit28_return() {
    HostData d;
    rek28_t& r = d.rek28;
    r.rok = 2018;
    r.urz = "Urząd Skarbowy w Cieszynie";
    r.nip = "548-211-03-78";
    r.pesel = "79021186240";
    r.nazw = "Wąsowicz ";
    r.im = "Grzegorz";
    r.dur = dt1{1978, 9, 14};
    r.kr = "Polska";
    r.woj = "śląskie";
    r.pow = "cieszyński";
    r.gmina = "Cieszyn";
    r.ul = "Stawowa";
    r.nrd = "12";
    r.nrlok = "3A";
    r.miejsc = "Cieszyn";
    r.kodp = "43-400";
    r.poczta = "Cieszyn 1";
    // Row r, rate k: r * 1000 + k, with grosze telling the row apart.
    for (int k = 1; k <= 7; ++k) {
        r.przdg[k] = 1000 + k + 0.01;
        r.przsp[k] = 2000 + k + 0.02;
        r.prznaj[k] = 3000 + k + 0.03;
        r.gbl[k] = 5000 + k + 0.05;
        r.osz[k] = 6000 + k + 0.06;
    }
    for (int k = 1; k <= 6; ++k) {
        r.pr[k] = 0.1 * k + 0.0046;
        r.prosz[k] = 0.01 * k;
    }
    // Partnership n: its share n * 10 %, its revenue by row and rate
    // n * 100000 + row * 10 + rate, the taxpayer's part n * 1000 + row * 10 + rate.
    for (int n = 1; n <= 4; ++n) {
        dane_sp28& s = r.spolki[n];
        s.nazsp = "Spółka nr " + std::to_string(n) + " s.c.";
        s.nipsp = "548-214-42-3" + std::to_string(n);
        s.prsp = 10.0 * n + 0.25;
        s.przsp = 100000.0 * n;
        s.przwsp = 1000.0 * n;
        for (int i = 1; i <= 2; ++i) {
            for (int j = 1; j <= 6; ++j) {
                s.prz_sp[i][j] = 100000.0 * n + 10 * i + j;
                s.prz_wsp[i][j] = 1000.0 * n + 10 * i + j;
            }
        }
    }
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 6; ++j) r.sp[i][j] = 70000.0 + 10 * i + j;
    return d;
}

}  // namespace dek::testing
