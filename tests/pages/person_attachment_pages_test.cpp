// PIT/B, PIT/M and PIT/Z, the attachments printed once for each person.
#include <gtest/gtest.h>

#include "pages/page_classes.h"
#include "tests/pages/page_fixture.h"

namespace dek {
namespace {

// Every sample caption is replaced or cleared: a return without any of these
// attachments' data prints no design caption, only its own identifiers and
// zero amounts where a box always takes one.
TEST(PersonAttachmentPages, NoDesignCaptionReachesPaper) {
    struct Case {
        const char* cls;
        int nrp, nr, ilb;
    };
    const Case cases[] = {
        {"TF_wb18_1", 1, 1, 1}, {"TF_wb18_1", 2, 3, 2}, {"TF_wb18_2", 1, 1, 0}, {"TF_wb18_2", 2, 4, 0},
        {"TF_wm18_1", 1, 0, 0}, {"TF_wm18_1", 2, 0, 0}, {"TF_wz18_1", 1, 0, 0}, {"TF_wz18_2", 2, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.cls << " nrp " << c.nrp << " nr " << c.nr);
        HostData d;
        testing::FilledPage p(c.cls, d, c.nrp, c.nr, c.ilb);
        for (const report::Element& e : p.page().DB_dane.elements) {
            if (!e.enabled || e.caption.empty() || e.caption == "0,00" || e.caption == "0") continue;
            // What is left: the attachment count, the cover of "numer PESEL"
            // and the "nie" marks of section E.
            EXPECT_TRUE(e.name == "QRL_ilzalb" || e.name == "QRL_kas_pes" || e.name == "QRL_22" || e.name == "QRL_32")
                << e.name << " prints \"" << e.caption << "\"";
        }
    }
}

}  // namespace
}  // namespace dek
