#include "host/samples.h"

#include <cxxabi.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <typeinfo>

#include "host/return_file.h"
#include "records/pitb.h"

namespace dek::host {
namespace {

ReturnFile load_sample(const Sample& s) { return load_return_text(s.json, std::string(s.name)); }

TEST(Samples, OnePerFormInTheFormsOrder) {
    const char* names[] = {"pit37", "pit36", "pit36l", "pit28"};
    const Form forms[] = {Form::pit37, Form::pit36, Form::pit36l, Form::pit28};
    ASSERT_EQ(samples().size(), 4U);
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(names[i]);
        EXPECT_EQ(samples()[i].name, names[i]);
        ASSERT_EQ(find_sample(names[i]), &samples()[i]);
        EXPECT_EQ(load_sample(samples()[i]).form, forms[i]);
    }
    EXPECT_EQ(find_sample("pit38"), nullptr);
}

// ---- every text field of the records, across all samples --------------------

// A record type's name without its namespace: "dane_os".
template <class T>
std::string type_name() {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(typeid(T).name(), nullptr, nullptr, &status),
                                                std::free);
    std::string n = status == 0 ? name.get() : typeid(T).name();
    if (n.rfind("dek::", 0) == 0) n.erase(0, 5);
    return n;
}

// Notes, for each text field of the record types (a field of `dane_os` is one
// field whether it holds the taxpayer or the spouse), the longest text any
// sample holds there.
class TextWidths {
public:
    std::map<std::string, std::pair<std::size_t, std::size_t>> widths;  // field -> {longest, capacity}

    // `label` names the record's fields: "rekdek" for both the general return
    // and the PIT-28 attachment data, which the PIT-28 job prints through it.
    template <class R>
    void walk(R& record, const std::string& label) {
        Visitor v{*this, label};
        record.fields(v);
    }

private:
    template <class T>
    void value(T& v, const std::string& name) {
        if constexpr (is_text<T>::value) {
            auto& w = widths[name];
            w.first = std::max(w.first, v.size());
            w.second = T::capacity;
        } else if constexpr (is_arr<T>::value) {
            for (auto& item : v) value(item, name);
        } else if constexpr (std::is_class_v<T> && !std::is_same_v<T, dt1>) {
            // A donee's texts are the name-and-address fields it shares with dane_jn.
            walk(v, std::is_base_of_v<dane_jn, T> ? std::string("dane_jn") : type_name<T>());
        }
    }
    struct Visitor {
        TextWidths& w;
        const std::string& label;
        void gap(std::size_t) {}
        template <class T>
        void operator()(const char* field, T& v) {
            w.value(v, label + "." + field);
        }
    };
};

TEST(Samples, EveryTextFieldIsFilledToItsFullWidthSomewhere) {
    TextWidths t;
    for (const auto& s : samples()) {
        ReturnFile r = load_sample(s);
        t.walk(r.data.rekdek, "rekdek");
        t.walk(r.data.rek28, "rek28");
        t.walk(r.data.rek01, "rek01");
        t.walk(r.data.zal28, "rekdek");
    }
    // The walk reaches the texts nested in records and arrays of records.
    for (const char* nested : {"dane_os.nazw", "dane_jn.poczta", "dane_dziecka.im", "dane_sp28.nazsp", "dane_dss.rps"})
        ASSERT_EQ(t.widths.count(nested), 1U) << nested;
    for (const auto& [name, w] : t.widths)
        EXPECT_EQ(w.first, w.second) << name << " holds at most " << w.first << " of " << w.second << " characters";
}

// ---- attachment counts ---------------------------------------------------------

template <class T>
bool filled(const T& v) {
    return !(v == T{});
}

// PIT/O data, apart from the social and health contributions (odl[1], odl[14])
// that every return keeps in the PIT/O blocks for its computation pages.
bool pito_filled(const dane_zal& z) {
    auto deductions = [](dane_pito p) {
        p.odl[1] = p.odl[14] = 0;
        return filled(p);
    };
    return deductions(z.pito) || deductions(z.pito_m) || filled(z.odl2013) || filled(z.odl2013_m) ||
           filled(z.in_odld) || filled(z.in_odlp) || filled(z.darow) || filled(z.dzieci);
}
bool pitd_filled(const dane_zal& z) {
    return z.d_ods != 0 || z.d_odl_doch_og != 0 || z.d_odl_pod_og != 0 || filled(z.d_rodz);
}
bool pit2k_filled(const dane_zal& z) { return z.kw1_2k != 0 || z.kw3_2k != 0 || z.rok1_2k != 0 || z.rok3_2k != 0; }

TEST(Samples, AttachmentCountsMatchTheData) {
    for (const auto& s : samples()) {
        SCOPED_TRACE(std::string(s.name));
        const ReturnFile r = load_sample(s);
        const HostData& h = r.data;
        const rekdek_t& d = h.rekdek;
        if (r.form == Form::pit28) {
            const rek28_t& p = h.rek28;
            EXPECT_EQ(p.ilzal[1], pito_filled(h.zal28) ? 1 : 0) << "PIT/O";
            EXPECT_EQ(p.ilzal[2], pitd_filled(h.zal28) ? 1 : 0) << "PIT/D";
            EXPECT_EQ(p.ilzal[3], pit2k_filled(h.zal28) ? 1 : 0) << "PIT-2K";
            EXPECT_EQ(p.ilzal[6], filled(p.przdg) || filled(p.prznaj) || filled(p.osz) ? 1 : 0) << "PIT-28/A";
            int partnerships = 0;
            for (const auto& sp : p.spolki) partnerships += filled(sp);
            EXPECT_EQ(p.ilzal[7], (partnerships + 1) / 2) << "PIT-28/B";
            continue;
        }
        // The spouse's attachments count under joint taxation only; PIT-36L has no spouse.
        const int persons = r.form != Form::pit36l && sp_opod_wspolnie(h) ? 2 : 1;
        int pitb = 0, pitm = 0, pitz = 0, pitzg = 0, pitbr = 0, pitds = 0;
        for (int k = 1; k <= persons; ++k) {
            pitb += pitb_sets(d.pitb[k]);
            pitm += d.dochody[k].pm != 0 || d.dochody[k].zm != 0;
            pitz += r.form == Form::pit36l ? d.inf_dod[2] == 4 : d.inf_dod[k] == 3 || d.inf_dod[k] == 4;
            pitzg += filled(d.pitzg[k]);
            pitbr += filled(h.rek01.pitbr[k]);
            pitds += filled(h.rek01.pitds[k]);
        }
        EXPECT_EQ(d.ilzal[1], pitb) << "PIT/B";
        EXPECT_EQ(d.ilzal[2], pitd_filled(d) ? 1 : 0) << "PIT/D";
        EXPECT_EQ(d.ilzal[3], pit2k_filled(d) ? 1 : 0) << "PIT-2K";
        EXPECT_EQ(d.ilzal[4], pitm) << "PIT/M";
        EXPECT_EQ(d.ilzal[5], pito_filled(d) ? 1 : 0) << "PIT/O";
        EXPECT_EQ(d.ilzal[6], pitzg) << "PIT/ZG";
        EXPECT_EQ(d.ilzal[7], pitbr) << "PIT/BR";
        EXPECT_EQ(d.ilzal[8], pitds) << "PIT/DS";
        EXPECT_EQ(d.ilzal[9], pitz) << "PIT/Z";
        // Each return carries only its form's attachments.
        if (r.form == Form::pit37) {
            EXPECT_EQ(pitb + pitm + pitz + pitzg + pitbr + pitds, 0);
        }
        if (r.form == Form::pit36l) {
            EXPECT_EQ(d.ilzal[2] + d.ilzal[3] + d.ilzal[4] + d.ilzal[5], 0);
        }
    }
}

// ---- identifiers -------------------------------------------------------------

bool valid_nip(std::string nip) {
    std::string digits;
    for (char c : nip)
        if (c != '-') digits += c;
    if (digits.size() != 10) return false;
    const int w[] = {6, 5, 7, 2, 3, 4, 5, 6, 7};
    int sum = 0;
    for (int i = 0; i < 9; ++i) sum += (digits[static_cast<std::size_t>(i)] - '0') * w[i];
    return sum % 11 == digits[9] - '0';
}

// The PESEL's check digit, and the date of birth it encodes (months + 20 for 2000-2099).
bool valid_pesel(const std::string& p, dt1* born) {
    if (p.size() != 11) return false;
    for (char c : p)
        if (c < '0' || c > '9') return false;
    const int w[] = {1, 3, 7, 9, 1, 3, 7, 9, 1, 3};
    int sum = 0;
    for (std::size_t i = 0; i < 10; ++i) sum += (p[i] - '0') * w[i];
    if ((10 - sum % 10) % 10 != p[10] - '0') return false;
    const int yy = std::stoi(p.substr(0, 2)), mm = std::stoi(p.substr(2, 2)), dd = std::stoi(p.substr(4, 2));
    *born = mm > 20 ? dt1{static_cast<std::uint16_t>(2000 + yy), static_cast<std::uint8_t>(mm - 20),
                          static_cast<std::uint8_t>(dd)}
                    : dt1{static_cast<std::uint16_t>(1900 + yy), static_cast<std::uint8_t>(mm),
                          static_cast<std::uint8_t>(dd)};
    return true;
}

void expect_pesel(const std::string& what, const std::string& pesel, const dt1& dur) {
    if (pesel.empty()) return;
    dt1 born;
    EXPECT_TRUE(valid_pesel(pesel, &born)) << what << ": " << pesel;
    if (!dur.empty()) {
        EXPECT_EQ(born, dur) << what << ": PESEL " << pesel << " and date of birth disagree";
    }
}

void expect_nip(const std::string& what, const std::string& nip) {
    if (!nip.empty()) {
        EXPECT_TRUE(valid_nip(nip)) << what << ": " << nip;
    }
}

TEST(Samples, IdentifiersCarryValidCheckDigits) {
    for (const auto& s : samples()) {
        SCOPED_TRACE(std::string(s.name));
        const ReturnFile r = load_sample(s);
        const rekdek_t& d = r.data.rekdek;
        expect_nip("rekdek.nip", d.nip.str());
        expect_nip("rekdek.nip_m", d.nip_m.str());
        expect_pesel("rekdek.podatnik.pesel", d.podatnik.pesel.str(), d.podatnik.dur);
        expect_pesel("rekdek.malzonek.pesel", d.malzonek.pesel.str(), d.malzonek.dur);
        for (const dane_zal* z : {static_cast<const dane_zal*>(&d), &r.data.zal28})
            for (const auto& child : z->dzieci) expect_pesel("dzieci.pes", child.pes.str(), child.dur);
        for (const auto& person : d.pitb)
            for (const auto& sp : person.spolki) expect_nip("pitb.spolki.nipsp", sp.nipsp.str());
        const rek28_t& p28 = r.data.rek28;
        expect_nip("rek28.nip", p28.nip.str());
        expect_pesel("rek28.pesel", p28.pesel.str(), p28.dur);
        for (const auto& sp : p28.spolki) expect_nip("rek28.spolki.nipsp", sp.nipsp.str());
    }
}

}  // namespace
}  // namespace dek::host
