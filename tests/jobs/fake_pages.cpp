#include "fake_pages.h"

#include <algorithm>

namespace dek::testing {

FakePages& fake_pages() {
    static FakePages pages;
    return pages;
}

namespace {

template <int N>
std::unique_ptr<FakePage<N>> module_var;

// A page class whose module variable is module_var<N>.
template <int N>
report::PageClass fake_class(std::string_view name, std::vector<std::string> variants = {}) {
    const report::Layout& layout = FakePage<N>::layout_of(name, std::move(variants));
    static const report::Layout* the_layout = &layout;
    return report::PageClass{
        name,
        [](HostData& data) -> report::PageReport& {
            module_var<N> = std::make_unique<FakePage<N>>(data, *the_layout);
            return *module_var<N>;
        },
        [] { module_var<N>.reset(); },
        []() -> const report::PageReport* { return module_var<N>.get(); },
    };
}

}  // namespace

const std::vector<report::PageClass>& all_fake_classes() {
    static const std::vector<report::PageClass> classes{
        fake_class<1>("TF_w37181"),
        fake_class<2>("TF_w37182"),
        fake_class<3>("TF_w37183"),
        fake_class<4>("TF_w37184"),
        fake_class<5>("TF_wo18_1"),
        fake_class<6>("TF_wo18_2"),
        fake_class<7>("TF_wo18_3"),
        fake_class<8>("TF_wo18_4"),
        fake_class<9>("TF_wd18_1"),
        fake_class<10>("TF_wd18_2"),
        fake_class<11>("TF_w2k18_1"),
        fake_class<12>("TF_w28b18_1", {"nrsp"}),
        fake_class<13>("TF_wb18_1", {"nrp", "nr", "ilb"}),
    };
    return classes;
}

const report::PageClass* find_fake_page(std::string_view name) {
    if (fake_pages().available.count(name) == 0) return nullptr;
    const auto& all = all_fake_classes();
    const auto it = std::find_if(all.begin(), all.end(), [&](const report::PageClass& c) { return c.name == name; });
    return it == all.end() ? nullptr : &*it;
}

const report::PageReport* live_fake_page(std::string_view name) {
    for (const auto& c : all_fake_classes()) {
        if (c.name == name) return c.live();
    }
    return nullptr;
}

std::set<std::string, std::less<>> pit37_pages() {
    return {"TF_w37181", "TF_w37182", "TF_w37183", "TF_w37184", "TF_wo18_1", "TF_wo18_2",
            "TF_wo18_3", "TF_wo18_4", "TF_wd18_1", "TF_wd18_2", "TF_w2k18_1"};
}

}  // namespace dek::testing
