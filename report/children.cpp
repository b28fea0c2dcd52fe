#include "report/children.h"

#include <string>

#include "report/fill.h"
#include "report/format.h"

namespace dek::report {

bool child_present(const dane_dziecka& child) {
    if (!child.pes.empty()) return true;
    return !child.im.empty() && !child.nazw.empty() && child.dur.third_byte() != 0;
}

namespace {

void fill_child(Band& band, const dane_dziecka& child, int k, bool joint) {
    const std::string n = std::to_string(k);
    ust_w_str(band, "QRL_pes_d" + n, wydznaki(child.pes.str()));
    ust_w_str(band, "QRL_im_d" + n, child.im.str());
    ust_w_str(band, "QRL_nazw_d" + n, child.nazw.str());
    ust_w_str(band, "QRL_dur_d" + n, DataToStr(child.dur, 0));
    ust_w_str(band, "QRL_mc" + n + "1", std::to_string(child.mc));
    if (joint) ust_w_str(band, "QRL_mc" + n + "2", std::to_string(child.mc_m));
    ust_wart(band, "QRL_ud" + n + "1", child.ud, 2);
    ust_wart(band, "QRL_ud" + n + "2", child.ud_m, 2);
}

}  // namespace

void fill_children(Band& band, const HostData& data, int first, int last) {
    const bool joint = sp_opod_wspolnie(data);
    for (int k = first; k <= last; ++k) {
        const dane_dziecka& child = data.rekdek.dzieci[k];
        if (child_present(child)) fill_child(band, child, k, joint);
    }
}

}  // namespace dek::report
