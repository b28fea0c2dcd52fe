#include "report/page.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <string>

namespace dek::report {

namespace {

bool same_name(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

Element* Band::find(std::string_view name) {
    auto it = std::find_if(elements.begin(), elements.end(), [&](const Element& e) { return same_name(e.name, name); });
    return it == elements.end() ? nullptr : &*it;
}

const Element* Band::find(std::string_view name) const { return const_cast<Band*>(this)->find(name); }

PageReport::PageReport(HostData& host, const Layout& layout) : data(host), settings(layout.settings), layout_(&layout) {
    DB_dane.rect = layout.band;
    DB_dane.elements = layout.elements;
    QRI_obr_str.rect = layout.image;
    FormCreate();
}

void PageReport::FormCreate() {
    DB_dane.rect.height = settings.height_px;
    QRI_obr_str.rect.width = DB_dane.rect.width - 2;
}

bool PageReport::before_print() {
    bool PrintReport = true;
    BeforePrint(PrintReport);
    return PrintReport;
}

bool PageReport::has_variant(std::string_view field) const {
    const auto& v = layout_->variant_fields;
    return std::find(v.begin(), v.end(), field) != v.end();
}

int checked_variant(std::string_view field, int value, std::initializer_list<int> allowed) {
    if (std::find(allowed.begin(), allowed.end(), value) != allowed.end()) return value;
    throw std::out_of_range(std::string(field) + " " + std::to_string(value) +
                            ": no print job gives the page this value");
}

}  // namespace dek::report
