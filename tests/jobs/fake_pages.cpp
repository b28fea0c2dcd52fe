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
        fake_class<14>("TF_wb18_2", {"nrp", "nr"}),
        fake_class<15>("TF_w28b18_2", {"nrsp"}),
        fake_class<16>("TF_w36181"),
        fake_class<17>("TF_w36182"),
        fake_class<18>("TF_w36183"),
        fake_class<19>("TF_w36184"),
        fake_class<20>("TF_w36185"),
        fake_class<21>("TF_w36186"),
        fake_class<22>("TF_w36187"),
        fake_class<23>("TF_wm18_1", {"nrp"}),
        fake_class<24>("TF_wz18_1", {"nrp"}),
        fake_class<25>("TF_wz18_2", {"nrp"}),
        fake_class<26>("TF_wzg18_1", {"nrp"}),
        fake_class<27>("TF_wbr18_1", {"nrp"}),
        fake_class<28>("TF_wbr18_2", {"nrp"}),
        fake_class<29>("TF_wds18_1", {"nrp"}),
        fake_class<30>("TF_wds18_2", {"nrp"}),
        fake_class<31>("TF_w36l18_1"),
        fake_class<32>("TF_w36l18_2"),
        fake_class<33>("TF_w36l18_3"),
        fake_class<34>("TF_w36l18_4"),
        fake_class<35>("TF_w2818_1"),
        fake_class<36>("TF_w2818_2"),
        fake_class<37>("TF_w2818_3"),
        fake_class<38>("TF_w2818_4"),
        fake_class<39>("TF_w28a18_1"),
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

std::set<std::string, std::less<>> all_fake_pages() {
    std::set<std::string, std::less<>> names;
    for (const auto& c : all_fake_classes()) names.emplace(c.name);
    return names;
}

}  // namespace dek::testing
