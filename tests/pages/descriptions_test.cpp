#include <gtest/gtest.h>

#include "pages/page_classes.h"
#include "report/form.h"
#include "report/layout.h"

namespace dek::report {
namespace {

TEST(LayoutFormat, ParsesElementsWithDefaultsAndExactCaptions) {
    const char* text = R"(# comment
class TF_wx
unit Wx
var F_wx
report QR_x
margins 3 3 1 1
band 4 11 786 1100
image 1 1 781 1090
variants nrp=1,2 nr
label A 1 2 3 4 @poz1 "numer PESEL  "
defaults right auto
label B 5 6 7 8 @poz2 opaque off font=strike6 "say \"x\""
memo M 9 10 11 12 wrap grow font=valuevar max=40
label C 1 2 3 4 amount=2
)";
    Layout l = parse_layout(text, "x.layout");
    EXPECT_EQ(l.class_name, "TF_wx");
    EXPECT_EQ(l.form, "Wx");
    EXPECT_DOUBLE_EQ(l.settings.margin_left_mm, 1.0);
    EXPECT_EQ(l.band, (Rect{4, 11, 786, 1100}));
    EXPECT_EQ(l.variant_fields, (std::vector<std::string>{"nrp", "nr"}));
    EXPECT_EQ(l.variant_values.at("nrp"), (std::vector<int>{1, 2}));
    EXPECT_FALSE(l.variant_values.contains("nr"));  // any value
    ASSERT_EQ(l.elements.size(), 4U);
    const Element& a = l.elements[0];
    EXPECT_EQ(a.caption, "numer PESEL  ");  // trailing blanks kept
    EXPECT_EQ(a.alignment, Align::Center);
    EXPECT_FALSE(a.auto_size);
    EXPECT_TRUE(a.enabled);
    EXPECT_EQ(a.field, "poz1");
    const Element& b = l.elements[1];
    EXPECT_EQ(b.caption, "say \"x\"");
    EXPECT_EQ(b.alignment, Align::Right);
    EXPECT_TRUE(b.auto_size && b.opaque && !b.enabled);
    EXPECT_EQ(b.font, FontClass::SmallStrike);
    const Element& m = l.elements[2];
    EXPECT_EQ(m.kind, ElementKind::Memo);
    EXPECT_EQ(m.alignment, Align::Left);
    EXPECT_TRUE(m.word_wrap && m.auto_stretch);
    EXPECT_EQ(m.max_chars, 40);
    EXPECT_EQ(m.amount_decimals, -1);
    EXPECT_EQ(l.elements[3].amount_decimals, 2);
    EXPECT_EQ(l.elements[3].max_chars, 0);
}

TEST(LayoutFormat, ErrorsNameFileAndLine) {
    struct Case {
        const char* text;
        const char* message;
    };
    const char* head = "class C\nunit U\nvar V\nreport R\nband 0 0 1 1\nimage 0 0 1 1\n";
    const Case cases[] = {
        {"label A 1 2 3 4 bogus", "t.layout:7: unknown flag bogus"},
        {"label A 1 2 3", "t.layout:7: missing height"},
        {"label A 1 2 x 4", "t.layout:7: bad width: x"},
        {"label A 1 2 3 4 \"open", "t.layout:7: unclosed quote"},
        {"label A 1 2 3 4\nlabel a 1 2 3 4", "t.layout:8: element a declared twice"},
        {"frobnicate", "t.layout:7: unknown statement frobnicate"},
        {"variants nrx", "t.layout:7: unknown variant field nrx"},
        {"variants nrp=1,x", "t.layout:7: bad value 'x' of variant field nrp"},
        {"variants nrp=", "t.layout:7: bad value '' of variant field nrp"},
        {"label A 1 2 3 4 font=comic", "t.layout:7: unknown flag font=comic"},
        {"label A 1 2 3 4 max=0", "t.layout:7: unknown flag max=0"},
        {"label A 1 2 3 4 amount=3", "t.layout:7: unknown flag amount=3"},
    };
    for (const auto& c : cases) {
        try {
            parse_layout(std::string(head) + c.text, "t.layout");
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const DescriptionError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
    EXPECT_THROW(parse_layout("unit U\nvar V\nreport R\nband 0 0 1 1\nimage 0 0 1 1\n", "t"), DescriptionError);
}

TEST(FormFormat, FieldsSquaresAndTexts) {
    const char* text = R"(sheet 1 1 777 1090
section "A." "MIEJSCE" 1 2 777 16
field poz9 "9." "Urząd" 6 20 700 30
field poz10 "10." "Cel" 6 50 700 30 shade
square poz10_1 "1." "złożenie zeznania" 240 60
text 6 100 0 26 bold "PIT-37"
)";
    FormDescription f = parse_form(text, "t.form");
    Rect r;
    ASSERT_TRUE(f.area("poz9", r));
    EXPECT_EQ(r, (Rect{6, 20, 700, 30}));
    ASSERT_TRUE(f.area("poz10_1", r));
    EXPECT_EQ(r, (Rect{240, 60, 12, 12}));
    EXPECT_TRUE(f.is_square("poz10_1"));
    EXPECT_FALSE(f.area("poz11", r));
    EXPECT_TRUE(f.fields[1].shaded);
    EXPECT_TRUE(f.texts[0].bold);
    EXPECT_THROW(parse_form("field a \"1.\" \"x\" 1 1 1 1\nsquare a \"2.\" \"y\" 1 1", "t.form"), DescriptionError);
}

// Every compiled-in description parses, each layout has its form, and every
// element names a field or square of that form.
TEST(PageDescriptions, AllParseAndEveryElementNamesAFieldOfItsForm) {
    for (const auto& cls : pages::page_classes()) {
        SCOPED_TRACE(std::string(cls.name));
        HostData data;
        PageReport& page = cls.create(data);
        const Layout& l = page.layout();
        EXPECT_EQ(l.class_name, cls.name);
        const FormDescription& form = pages::form_of(l.form);
        for (const auto& e : l.elements) {
            Rect r;
            EXPECT_TRUE(form.area(e.field, r)) << e.name << " names @" << e.field;
        }
        // Created pages are sized as the report: band as high as the report,
        // image two pixels narrower than the band.
        EXPECT_EQ(page.DB_dane.rect.height, page.settings.height_px);
        EXPECT_EQ(page.QRI_obr_str.rect.width, page.DB_dane.rect.width - 2);
        EXPECT_EQ(page.nrp + page.nr + page.ilb + page.nrsp, 0);
        cls.free();
        EXPECT_EQ(cls.live(), nullptr);
    }
}

}  // namespace
}  // namespace dek::report
