// Page classes for the job and dialog tests: every page the four jobs name,
// with the variant fields each takes. A fake page records what its fill saw
// and can be told to fail; which pages "exist" is chosen per test.
#pragma once

#include <functional>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "report/page.h"
#include "report/page_class.h"

namespace dek::testing {

struct FakePages {
    // Names of the pages that exist; find() knows no other.
    std::set<std::string, std::less<>> available;
    // A page whose fill throws, named by class.
    std::string fail_in_fill;
    // Class names in the order the pages were filled.
    std::vector<std::string> filled;
    // Called by every fill with the page, to look at the records it reads.
    std::function<void(const report::PageReport&)> on_fill;
};

// The one set the lookup below reads (a page lookup is a plain function).
FakePages& fake_pages();

template <int N>
class FakePage final : public report::PageReport {
public:
    static const report::Layout& layout_of(std::string_view name, std::vector<std::string> variants) {
        static report::Layout layout = [&] {
            report::Layout l;
            l.class_name = std::string(name);
            l.band = {8, 11, 779, 1100};
            l.image = {1, 1, 777, 1090};
            l.variant_fields = std::move(variants);
            return l;
        }();
        return layout;
    }
    FakePage(HostData& data, const report::Layout& layout) : PageReport(data, layout) {}

protected:
    void BeforePrint(bool& /*PrintReport*/) override {
        fake_pages().filled.push_back(class_name());
        if (fake_pages().on_fill) fake_pages().on_fill(*this);
        if (fake_pages().fail_in_fill == class_name()) throw std::runtime_error("fill of " + class_name() + " failed");
    }
};

// The page classes, all of them (whether available or not).
const std::vector<report::PageClass>& all_fake_classes();
// The lookup the dialogs and jobs are given: the available pages only.
const report::PageClass* find_fake_page(std::string_view name);
// A page class's live page (its module variable), nullptr between sheets.
const report::PageReport* live_fake_page(std::string_view name);

// Every page of the PIT-37 job.
std::set<std::string, std::less<>> pit37_pages();
// Every fake page class.
std::set<std::string, std::less<>> all_fake_pages();

}  // namespace dek::testing
