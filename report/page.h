// The page report: one official form page as a report with one band
// (`DB_dane`), a stretched background (`QRI_obr_str`) and named text elements
// laid over the form's boxes. A page unit derives its class (`TF_w37181`) from
// `PageReport`, takes its elements from its layout description and fills them
// in its before-print handler (`QR_37_1BeforePrint`). No Qt here: rendering
// lives in platform/.
#pragma once

#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "records/host_data.h"

namespace dek::report {

// Rectangle in pixels at 96 dpi, relative to the band's top-left corner.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const Rect&) const = default;
};

// One pixel at 96 dpi in millimetres.
inline constexpr double kMmPerPixel = 25.4 / 96.0;

enum class Align { Left, Center, Right };

enum class ElementKind { Label, Memo };

// The nine font classes of the page layouts.
enum class FontClass {
    Value,              // MS Sans Serif 10 pt bold, fixed pitch: nearly all values
    ValueDefaultPitch,  // MS Sans Serif 10 pt bold: the reference-number memo
    Mark,               // MS Sans Serif 8 pt bold: "x" marks in squares
    Table,              // Arial 10 pt bold: PIT-28 page 1 and PIT-28/A amounts
    Plain,              // MS Sans Serif 10 pt regular: long texts
    SmallStrike,        // MS Sans Serif 6 pt strike-out, not bold: covers of "NIP", "numer PESEL"
    Sum,                // MS Sans Serif 12 pt bold: sums of PIT/B 2 and PIT/DS 2
    LargeStrike,        // MS Sans Serif 12 pt bold strike-out: covers of form names
    Serif,              // MS Serif 10 pt bold: `QRL_ods36` of PIT/D page 1
};

// A label (`TQRLabel`) or the memo (`TQRMemo`).
struct Element {
    std::string name;
    ElementKind kind = ElementKind::Label;
    Rect rect;
    Align alignment = Align::Center;
    bool auto_size = false;     // width follows the caption
    bool auto_stretch = false;  // height follows the lines
    bool word_wrap = false;
    bool opaque = false;  // paints its rectangle white first
    bool enabled = true;  // a disabled element prints nothing
    FontClass font = FontClass::Value;
    std::string caption;             // UTF-8; labels print it
    std::vector<std::string> lines;  // memos print these
    // Pixel size chosen by `zmn_font` for an amount wider than its box; 0 keeps
    // the class's size.
    int font_px = 0;
    // Id of the form field or square the element belongs to; the element must
    // lie inside it.
    std::string field;
    // The largest value the fill can give the element, for the checks that
    // every value fits its box: a text of at most `max_chars` characters
    // (joined parts and their blanks counted), or an amount with
    // `amount_decimals` decimals (-1: the element takes no amount).
    int max_chars = 0;
    int amount_decimals = -1;
};

// Report settings: A4 portrait, margins in millimetres.
struct ReportSettings {
    double paper_width_mm = 210.0;
    double paper_height_mm = 297.0;
    double margin_top_mm = 3.0;
    double margin_bottom_mm = 3.0;
    double margin_left_mm = 2.0;
    double margin_right_mm = 2.0;
    // Report height on the design surface (1123 px at 96 dpi = 297 mm).
    int height_px = 1123;
};

// The detail band `DB_dane`: the parent of the background and of every element.
struct Band {
    Rect rect;
    std::vector<Element> elements;  // in declaration order

    // The element of that name, letters compared without regard to case (as
    // the original platform looked names up); nullptr when no element bears it.
    Element* find(std::string_view name);
    const Element* find(std::string_view name) const;
};

// The background image element `QRI_obr_str`.
struct Image {
    Rect rect;
    bool stretch = true;
};

// A page's layout description, parsed from its data file; immutable.
struct Layout {
    std::string class_name;   // TF_w37181
    std::string unit;         // W37181
    std::string module_var;   // F_w37181
    std::string report_name;  // QR_37_1
    std::string form;         // id of the page's form description (background)
    ReportSettings settings;
    Rect band;
    Rect image;
    std::vector<std::string> variant_fields;  // which of nrp, nr, ilb, nrsp the class has
    // The values a print job gives each variant field ("variants nrp=1,2");
    // a field without a list takes any value.
    std::map<std::string, std::vector<int>, std::less<>> variant_values;
    std::vector<Element> elements;
};

// One page report object: lives for the printing of one sheet.
class PageReport {
public:
    PageReport(HostData& data, const Layout& layout);
    virtual ~PageReport() = default;
    PageReport(const PageReport&) = delete;
    PageReport& operator=(const PageReport&) = delete;

    // Sizing done at creation: band height := report height, image width :=
    // band width - 2. Called by the constructor.
    void FormCreate();

    // Raises the before-print event with the print flag initially true and
    // returns the flag as the fill procedure left it.
    bool before_print();

    const Layout& layout() const { return *layout_; }
    const std::string& class_name() const { return layout_->class_name; }
    bool has_variant(std::string_view field) const;

    HostData& data;           // the host's records this page reads
    ReportSettings settings;  // the report component's settings
    Band DB_dane;
    Image QRI_obr_str;
    int printer_index = -1;  // set by the job before printing

    // Variant fields: zero at creation, set by the job before printing.
    int nrp = 0;
    int nr = 0;
    int ilb = 0;
    int nrsp = 0;

protected:
    // The page's fill procedure (`QR_37_1BeforePrint` and the like).
    virtual void BeforePrint(bool& PrintReport) = 0;

private:
    const Layout* layout_;
};

// The value of a variant field when it is one a print job gives; any other
// value (a page created without its variant set) throws std::out_of_range
// naming the field, so that a page never reads its records at a place no job
// asks for.
int checked_variant(std::string_view field, int value, std::initializer_list<int> allowed);

}  // namespace dek::report
