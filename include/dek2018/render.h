// One page class of a return filled from the records and drawn on its own,
// outside any print job: as a PDF document or as a picture.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace dek::api {

// A variant field a page class reads its records by ("nrp", "nr", "ilb",
// "nrsp"): the print job sets it for each sheet of the page.
struct VariantField {
    std::string name;
    std::vector<int> values;  // the only values it is printed with; empty: any
};

struct RenderRequest {
    std::string page_class;  // "TF_w37181"
    // The print dialog of the return ("Tf_wydpit28"): a page its job brings
    // data into the records for before the sheet (the PIT-28 return's PIT/O,
    // PIT/D and PIT-2K) is filled as the job fills it. Empty: none.
    std::string dialog_class;
    // The variant fields given to the page, each one the page declares.
    std::optional<int> nrp, nr, ilb, nrsp;
    bool outline = false;  // every element's rectangle and name drawn over the page
};

}  // namespace dek::api
