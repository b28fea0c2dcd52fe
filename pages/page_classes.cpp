#include "pages/page_classes.h"

#include <map>
#include <string>

#include "pages/attachments/W2k18_1.h"
#include "pages/attachments/Wb18_1.h"
#include "pages/attachments/Wb18_2.h"
#include "pages/attachments/Wbr18_1.h"
#include "pages/attachments/Wbr18_2.h"
#include "pages/attachments/Wd18_1.h"
#include "pages/attachments/Wd18_2.h"
#include "pages/attachments/Wds18_1.h"
#include "pages/attachments/Wds18_2.h"
#include "pages/attachments/Wm18_1.h"
#include "pages/attachments/Wo18_1.h"
#include "pages/attachments/Wo18_2.h"
#include "pages/attachments/Wo18_3.h"
#include "pages/attachments/Wo18_4.h"
#include "pages/attachments/Wz18_1.h"
#include "pages/attachments/Wz18_2.h"
#include "pages/attachments/Wzg18_1.h"
#include "pages/pit28/W2818_1.h"
#include "pages/pit28/W2818_2.h"
#include "pages/pit28/W2818_3.h"
#include "pages/pit28/W2818_4.h"
#include "pages/pit28/W28a18_1.h"
#include "pages/pit28/W28b18_1.h"
#include "pages/pit28/W28b18_2.h"
#include "pages/pit36/W36181.h"
#include "pages/pit36/W36182.h"
#include "pages/pit36/W36183.h"
#include "pages/pit36/W36184.h"
#include "pages/pit36/W36185.h"
#include "pages/pit36/W36186.h"
#include "pages/pit36/W36187.h"
#include "pages/pit36l/W36l18_1.h"
#include "pages/pit36l/W36l18_2.h"
#include "pages/pit36l/W36l18_3.h"
#include "pages/pit36l/W36l18_4.h"
#include "pages/pit37/W37181.h"
#include "pages/pit37/W37182.h"
#include "pages/pit37/W37183.h"
#include "pages/pit37/W37184.h"
#include "report/layout.h"

namespace dek::pages {

namespace data {
const std::vector<std::pair<std::string_view, std::string_view>>& embedded_files();
}

namespace {

// Parsed descriptions, filled at first use and never changed afterwards.
template <class T, T (*Parse)(std::string_view, const std::string&)>
const T& parsed(std::string_view id, const char* suffix) {
    static const std::map<std::string, T, std::less<>> all = [suffix] {
        std::map<std::string, T, std::less<>> m;
        const std::string ext = suffix;
        for (const auto& [file, text] : data::embedded_files()) {
            std::string name(file);
            if (name.size() > ext.size() && name.ends_with(ext))
                m.emplace(name.substr(0, name.size() - ext.size()), Parse(text, name));
        }
        return m;
    }();
    auto it = all.find(id);
    if (it == all.end()) throw report::DescriptionError(std::string(id) + suffix + ": no such description compiled in");
    return it->second;
}

}  // namespace

const report::Layout& layout_of(std::string_view unit) {
    return parsed<report::Layout, report::parse_layout>(unit, ".layout");
}

const report::FormDescription& form_of(std::string_view id) {
    return parsed<report::FormDescription, report::parse_form>(id, ".form");
}

const std::vector<report::PageClass>& page_classes() {
    using report::page_class;
    // One page class a line: adding a page is adding its line.
    // clang-format off
    static const std::vector<report::PageClass> classes = {
        page_class<TF_w37181, &F_w37181>("TF_w37181"),
        page_class<TF_w37182, &F_w37182>("TF_w37182"),
        page_class<TF_w37183, &F_w37183>("TF_w37183"),
        page_class<TF_w37184, &F_w37184>("TF_w37184"),
        page_class<TF_w36181, &F_w36181>("TF_w36181"),
        page_class<TF_w36182, &F_w36182>("TF_w36182"),
        page_class<TF_w36183, &F_w36183>("TF_w36183"),
        page_class<TF_w36184, &F_w36184>("TF_w36184"),
        page_class<TF_w36185, &F_w36185>("TF_w36185"),
        page_class<TF_w36186, &F_w36186>("TF_w36186"),
        page_class<TF_w36187, &F_w36187>("TF_w36187"),
        page_class<TF_w36l18_1, &F_w36l18_1>("TF_w36l18_1"),
        page_class<TF_w36l18_2, &F_w36l18_2>("TF_w36l18_2"),
        page_class<TF_w36l18_3, &F_w36l18_3>("TF_w36l18_3"),
        page_class<TF_w36l18_4, &F_w36l18_4>("TF_w36l18_4"),
        page_class<TF_w2818_1, &F_w2818_1>("TF_w2818_1"),
        page_class<TF_w2818_2, &F_w2818_2>("TF_w2818_2"),
        page_class<TF_w2818_3, &F_w2818_3>("TF_w2818_3"),
        page_class<TF_w2818_4, &F_w2818_4>("TF_w2818_4"),
        page_class<TF_w28a18_1, &F_w28a18_1>("TF_w28a18_1"),
        page_class<TF_w28b18_1, &F_w28b18_1>("TF_w28b18_1"),
        page_class<TF_w28b18_2, &F_w28b18_2>("TF_w28b18_2"),
        page_class<TF_wb18_1, &F_wb18_1>("TF_wb18_1"),
        page_class<TF_wb18_2, &F_wb18_2>("TF_wb18_2"),
        page_class<TF_wo18_1, &F_wo18_1>("TF_wo18_1"),
        page_class<TF_wo18_1, &F_wo18_1>("TF_wo18_1"),
        page_class<TF_wo18_2, &F_wo18_2>("TF_wo18_2"),
        page_class<TF_wo18_2, &F_wo18_2>("TF_wo18_2"),
        page_class<TF_wo18_3, &F_wo18_3>("TF_wo18_3"),
        page_class<TF_wo18_3, &F_wo18_3>("TF_wo18_3"),
        page_class<TF_wo18_4, &F_wo18_4>("TF_wo18_4"),
        page_class<TF_wo18_4, &F_wo18_4>("TF_wo18_4"),
        page_class<TF_wd18_1, &F_wd18_1>("TF_wd18_1"),
        page_class<TF_wd18_1, &F_wd18_1>("TF_wd18_1"),
        page_class<TF_wd18_2, &F_wd18_2>("TF_wd18_2"),
        page_class<TF_wd18_2, &F_wd18_2>("TF_wd18_2"),
        page_class<TF_wm18_1, &F_wm18_1>("TF_wm18_1"),
        page_class<TF_w2k18_1, &F_w2k18_1>("TF_w2k18_1"),
        page_class<TF_w2k18_1, &F_w2k18_1>("TF_w2k18_1"),
        page_class<TF_wz18_1, &F_wz18_1>("TF_wz18_1"),
        page_class<TF_wz18_2, &F_wz18_2>("TF_wz18_2"),
        page_class<TF_wzg18_1, &F_wzg18_1>("TF_wzg18_1"),
        page_class<TF_wbr18_1, &F_wbr18_1>("TF_wbr18_1"),
        page_class<TF_wbr18_2, &F_wbr18_2>("TF_wbr18_2"),
        page_class<TF_wds18_1, &F_wds18_1>("TF_wds18_1"),
        page_class<TF_wds18_2, &F_wds18_2>("TF_wds18_2"),
    };
    // clang-format on
    return classes;
}

const report::PageClass* find_page_class(std::string_view name) {
    for (const auto& c : page_classes())
        if (c.name == name) return &c;
    return nullptr;
}

}  // namespace dek::pages
