// The page classes a print job (or the render command) can create by name.
// Each page unit keeps its live page in its module variable (`F_w37181`) only
// while its sheet prints; the job creates and frees it through this table.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "report/page.h"

namespace dek::report {

struct PageClass {
    std::string_view name;  // "TF_w37181"
    // Creates the page into the unit's module variable and returns it.
    PageReport& (*create)(HostData& data);
    // Frees the page and sets the module variable back to empty.
    void (*free)();
    // The unit's module variable, for checks that it is empty between sheets.
    const PageReport* (*live)();
};

// Builds the table entry of a page unit from its class and module variable.
template <class Page, std::unique_ptr<Page>* Var>
PageClass page_class(std::string_view name) {
    return PageClass{
        name,
        [](HostData& data) -> PageReport& {
            *Var = std::make_unique<Page>(data);
            return **Var;
        },
        [] { Var->reset(); },
        []() -> const PageReport* { return Var->get(); },
    };
}

// Frees a page created through its class on every way out of a scope.
class LivePage {
public:
    LivePage(const PageClass& cls, HostData& data) : cls_(cls), page_(cls.create(data)) {}
    ~LivePage() { cls_.free(); }
    LivePage(const LivePage&) = delete;
    LivePage& operator=(const LivePage&) = delete;
    PageReport& page() { return page_; }

private:
    const PageClass& cls_;
    PageReport& page_;
};

}  // namespace dek::report
