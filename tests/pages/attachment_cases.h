// Cases shared by the attachment page tests: the identifier boxes of the
// heading and the kind texts stored in three lines.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>

#include "pages/page_classes.h"
#include "tests/pages/label_looks.h"
#include "tests/pages/page_fixture.h"

namespace dek::testing {

// The identifier boxes of both persons of a joint return, by NIP or PESEL
// each: the value printed, and the cover over the word that does not apply,
// carrying that word with the trailing blanks of its design (`pesel_cover`
// for poz. 1, `pesel_cover1` for poz. 2).
inline void expect_identifier_boxes(const char* page_class, const HostData& base, const char* pesel_cover,
                                    const char* pesel_cover1) {
    struct Case {
        bool pesel, pesel_m;
        const char *nip, *nip1;
    };
    const Case cases[] = {
        {false, false, "6 8 3 - 2 1 3 - 4 5 - 7 6", "9 5 4 - 2 7 5 - 1 3 - 6 8"},
        {true, false, "7 8 0 9 1 4 1 2 3 5 2", "9 5 4 - 2 7 5 - 1 3 - 6 8"},
        {false, true, "6 8 3 - 2 1 3 - 4 5 - 7 6", "8 1 0 3 2 7 0 8 7 4 8"},
        {true, true, "7 8 0 9 1 4 1 2 3 5 2", "8 1 0 3 2 7 0 8 7 4 8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "pesel " << c.pesel << " pesel_m " << c.pesel_m);
        HostData d = base;
        d.rekdek.ident_pesel = c.pesel;
        d.rekdek.ident_pesel_m = c.pesel_m;
        FilledPage p(page_class, d);
        EXPECT_EQ(p.printed("QRL_nip"), c.nip);
        EXPECT_EQ(p.printed("QRL_kas_nip"), c.pesel ? "NIP" : "<disabled>");
        EXPECT_EQ(p.printed("QRL_kas_pes"), c.pesel ? "<disabled>" : pesel_cover);
        EXPECT_EQ(p.printed("QRL_nip1"), c.nip1);
        EXPECT_EQ(p.printed("QRL_kas_nip1"), c.pesel_m ? "NIP" : "<disabled>");
        EXPECT_EQ(p.printed("QRL_kas_pes1"), c.pesel_m ? "<disabled>" : pesel_cover1);
    }
}

// Three stored lines of a kind text and what their label prints.
struct KindCase {
    const char *a, *b, *c, *printed;
};

// Stores each case's lines with `store`, fills the page and reads `label`.
inline void expect_kind_lines(const char* page_class, const HostData& base, const char* label,
                              const std::function<void(HostData&, const KindCase&)>& store,
                              std::initializer_list<KindCase> cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.printed);
        HostData d = base;
        store(d, c);
        FilledPage p(page_class, d);
        EXPECT_EQ(p.printed(label), c.printed);
    }
}

}  // namespace dek::testing
