// Printers for the tests: a fixed list, and runs recorded instead of printed.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/printers.h"
#include "report/page.h"

namespace dek::testing {

struct Run {
    std::string page_class;
    int printer_index = -1;
    int nrp = 0, nr = 0, ilb = 0, nrsp = 0;
};

class FakePrinters final : public platform::Printers {
public:
    std::vector<std::string> list{"Biuro", "Sekretariat", "Zapis do pliku PDF"};
    int current = 0;
    int fail_on_run = 0;  // 1-based run that cannot be started; 0: none
    std::vector<Run> runs;

    const std::vector<std::string>& names() const override { return list; }
    int index() const override { return current; }
    void set_index(int index) override { current = index; }
    void print(const report::PageReport& page) override {
        if (static_cast<int>(runs.size()) + 1 == fail_on_run)
            throw platform::PrintError("printer \"" + list.at(static_cast<std::size_t>(page.printer_index)) +
                                       "\": cannot start the print run");
        runs.push_back({page.class_name(), page.printer_index, page.nrp, page.nr, page.ilb, page.nrsp});
    }
};

}  // namespace dek::testing
