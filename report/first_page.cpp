#include "report/first_page.h"

#include <string>

#include "report/fill.h"
#include "report/format.h"

namespace dek::report {

namespace {

// The block's labels in the form's order, each with the person's text.
struct PersonLabel {
    const char* stem;
    std::string (*text)(const dane_os&);
};

const PersonLabel kPersonLabels[] = {
    {"QRL_nazw", [](const dane_os& os) { return os.nazw.str(); }},
    {"QRL_im", [](const dane_os& os) { return os.im.str(); }},
    {"QRL_dur", [](const dane_os& os) { return DataToStr(os.dur, 0); }},
    {"QRL_kr", [](const dane_os& os) { return os.kr.str(); }},
    {"QRL_woj", [](const dane_os& os) { return os.woj.str(); }},
    {"QRL_pow", [](const dane_os& os) { return os.pow.str(); }},
    {"QRL_gmina", [](const dane_os& os) { return os.gmina.str(); }},
    {"QRL_ul", [](const dane_os& os) { return os.ul.str(); }},
    {"QRL_nrd", [](const dane_os& os) { return os.nrd.str(); }},
    {"QRL_nrlok", [](const dane_os& os) { return os.nrlok.str(); }},
    {"QRL_miejsc", [](const dane_os& os) { return os.miejsc.str(); }},
    {"QRL_kodp", [](const dane_os& os) { return os.kodp.str(); }},
    {"QRL_poczta", [](const dane_os& os) { return os.poczta.str(); }},
};

}  // namespace

void fill_return_heading(Band& band, const rekdek_t& r) {
    ust_w_str(band, "QRL_rok", wydznaki(std::to_string(r.rok)));
    for (int i = 1; i <= 4; ++i) ust_w_str(band, "QRL_sp_op" + std::to_string(i), mark(r.sp_opod + 1 == i));
    ust_w_str(band, "QRL_nier", mark(r.nier));
    ust_w_str(band, "QRL_nier1", mark(r.nier_m));
    ust_w_str(band, "QRL_urz", r.urz.str());
    ust_w_str(band, "QRL_zl_dek", mark(!r.korekta));
    ust_w_str(band, "QRL_kor_dek", mark(r.korekta));
}

void fill_person_block(Band& band, const dane_os& os, std::string_view suffix) {
    for (const PersonLabel& l : kPersonLabels) ust_w_str(band, std::string(l.stem) + std::string(suffix), l.text(os));
}

void clear_person_block(Band& band, std::string_view suffix) {
    for (const PersonLabel& l : kPersonLabels) ust_w_str(band, std::string(l.stem) + std::string(suffix), "");
}

}  // namespace dek::report
