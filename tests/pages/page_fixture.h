// Helpers for the page tests: fill a page of a class from hand-made records
// and read back its elements.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "pages/page_classes.h"
#include "report/page.h"

namespace dek::testing {

// A filled page of that class, held in its unit's module variable for as long
// as the returned object lives.
class FilledPage {
public:
    FilledPage(std::string_view class_name, HostData& data, int nrp = 0, int nr = 0, int ilb = 0, int nrsp = 0)
        : cls_(pages::find_page_class(class_name)) {
        if (cls_ == nullptr) throw std::runtime_error("no page class " + std::string(class_name));
        page_ = &cls_->create(data);
        page_->nrp = nrp;
        page_->nr = nr;
        page_->ilb = ilb;
        page_->nrsp = nrsp;
        page_->before_print();
    }
    ~FilledPage() { cls_->free(); }
    FilledPage(const FilledPage&) = delete;
    FilledPage& operator=(const FilledPage&) = delete;

    report::PageReport& page() { return *page_; }
    const report::Element& element(std::string_view name) const {
        const report::Element* e = page_->DB_dane.find(name);
        if (e == nullptr) throw std::runtime_error("no element " + std::string(name));
        return *e;
    }
    // The caption, or "<disabled>" when the element prints nothing.
    std::string printed(std::string_view name) const {
        const auto& e = element(name);
        return e.enabled ? e.caption : "<disabled>";
    }
    std::string caption(std::string_view name) const { return element(name).caption; }
    bool enabled(std::string_view name) const { return element(name).enabled; }

private:
    const report::PageClass* cls_;
    report::PageReport* page_ = nullptr;
};

// What labels print, by name: the caption, or "<disabled>".
using Captions = std::map<std::string, std::string>;

inline void expect_captions(const FilledPage& p, const Captions& want) {
    for (const auto& [name, caption] : want) EXPECT_EQ(p.printed(name), caption) << name;
}

// The couple of the attachment tests, taxed jointly: the taxpayer known by
// NIP, the spouse by PESEL, both with names and dates of birth.
inline HostData joint_couple() {
    HostData d;
    auto& r = d.rekdek;
    r.nip = "6832134576";
    r.nip_m = "9542751368";
    r.sp_opod = 1;
    r.podatnik.nazw = "Wąsowicz";
    r.podatnik.im = "Grzegorz";
    r.podatnik.dur = dt1{1978, 9, 14};
    r.podatnik.pesel = "78091412352";
    r.malzonek.nazw = "Wąsowicz-Przybyszewska";
    r.malzonek.im = "Małgorzata";
    r.malzonek.dur = dt1{1981, 3, 27};
    r.malzonek.pesel = "81032708748";
    r.ident_pesel_m = true;
    return d;
}

}  // namespace dek::testing
