#include "host/return_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <string>

namespace dek::host {
namespace {

// ---- bad input --------------------------------------------------------------

struct BadCase {
    const char* what;     // the kind of fault, for the test log
    std::string json;     // the return file
    std::string path;     // the JSON path the message must name ("" when none)
    std::string problem;  // a part of the message that says what is wrong
};

std::string pit37(const std::string& members) { return R"({"form": "PIT-37", )" + members + "}"; }

const BadCase kBadCases[] = {
    // unknown field
    {"unknown field", pit37(R"("rekdek": {"podatnik": {"nazwisko": "Nowak"}})"), "rekdek.podatnik.nazwisko",
     "unknown field"},
    {"unknown field inside an array element", pit37(R"("rekdek": {"dochody": {"2": {"zr": {"9": {"przychod": 1}}}}})"),
     "rekdek.dochody[2].zr[9].przychod", "unknown field"},
    {"unknown top-level key", pit37(R"("rekord": {})"), "rekord", "unknown field"},
    {"unknown key that is no identifier", pit37(R"("rek01": {"pit br\n": 1})"), R"(rek01["pit br\n"])",
     "unknown field"},
    {"field of another record", pit37(R"("rek_uz": {"nip": "5260250274"})"), "rek_uz.nip", "unknown field"},
    {"zal28 holds only the attachment data", R"({"form": "PIT-28", "zal28": {"nip": "5260250274"}})", "zal28.nip",
     "unknown field"},
    // duplicate key
    {"duplicate key", pit37(R"("rekdek": {"podatnik": {"nazw": "A", "im": "B", "nazw": "C"}})"), "rekdek.podatnik.nazw",
     "duplicate key"},
    {"duplicate top-level key", R"({"form": "PIT-37", "form": "PIT-36"})", "form", "duplicate key"},
    {"duplicate index key", pit37(R"("rekdek": {"pito": {"odl": {"1": 5.0, "14": 1.0, "1": 6.0}}})"),
     "rekdek.pito.odl[1]", "duplicate key"},
    // wrong type
    {"null for a text", pit37(R"("rekdek": {"nip": null})"), "rekdek.nip", "wrong type"},
    {"null for a record", pit37(R"("rekdek": {"podatnik": null})"), "rekdek.podatnik", "wrong type"},
    {"3.0 for a byte", pit37(R"("rekdek": {"ilzal": {"5": 3.0}})"), "rekdek.ilzal[5]", "wrong type"},
    {"1e2 for an integer", pit37(R"("rekdek": {"rok": 2e3})"), "rekdek.rok", "wrong type"},
    {"string for a real", pit37(R"("rekdek": {"dochody": [{}, {"zr": {"9": {"prz": "100,00"}}}]})"),
     "rekdek.dochody[2].zr[9].prz", "wrong type"},
    {"number for a flag", pit37(R"("rekdek": {"korekta": 1})"), "rekdek.korekta", "wrong type"},
    {"string for a flag", pit37(R"("dr_dek_ref": "true")"), "dr_dek_ref", "wrong type"},
    {"array for a record", pit37(R"("rek_uz": [1, 2])"), "rek_uz", "wrong type"},
    {"string for an array", pit37(R"("rekdek": {"ilzal": "1"})"), "rekdek.ilzal", "wrong type"},
    {"number for a date", pit37(R"("rekdek": {"podatnik": {"dur": 20180101}})"), "rekdek.podatnik.dur", "wrong type"},
    {"object for the code set", pit37(R"("wsp_z_malz": {"0": 1})"), "wsp_z_malz", "wrong type"},
    {"fraction in the code set", pit37(R"("wsp_z_malz": [1, 2.5])"), "wsp_z_malz[1]", "wrong type"},
    {"number for the reference number", pit37(R"("nr_dek_refer": 12345)"), "nr_dek_refer", "wrong type"},
    {"top level not an object", R"(["PIT-37"])", "", "wrong type"},
    // text longer than N characters (counted in characters, not UTF-8 bytes)
    {"text longer than 30", pit37(R"("rekdek": {"podatnik": {"nazw": "Żółkiewska-Brzęczyszczykiewicza"}})"),
     "rekdek.podatnik.nazw", "text longer than 30 characters (has 31)"},
    {"text longer than 200",
     R"({"form": "PIT-28", "rek28": {"spolki": {"4": {"nazsp": ")" + std::string(201, 'x') + R"("}}}})",
     "rek28.spolki[4].nazsp", "text longer than 200 characters"},
    // character not in Windows-1250
    {"Cyrillic letter", pit37(R"("rekdek": {"urz": "Urząd Skarbowy ж"})"), "rekdek.urz",
     "character U+0436 not in Windows-1250"},
    {"emoji", pit37(R"("rekdek": {"kontakt": ["tel. 600 100 200", "\ud83d\ude00"]})"), "rekdek.kontakt[2]",
     "character U+1F600 not in Windows-1250"},
    {"reference number outside the code page", pit37(R"("nr_dek_refer": "ű€ō")"), "nr_dek_refer",
     "character U+014D not in Windows-1250"},
    // control characters
    {"line feed", pit37(R"("rekdek": {"kontakt": ["a", "tel.\n600"]})"), "rekdek.kontakt[2]",
     "control character U+000A"},
    {"NUL", pit37(R"("rek01": {"pitds": [{"dsw": [{"mp": "a\u0000b"}]}]})"), "rek01.pitds[1].dsw[1].mp",
     "control character U+0000"},
    {"DEL", pit37(R"("rekdek": {"peln": "Jan\u007f"})"), "rekdek.peln", "control character U+007F"},
    {"C1 control", pit37(R"("rekdek": {"peln": "Jan\u0085"})"), "rekdek.peln", "control character U+0085"},
    // not a date
    {"29 February of a common year", pit37(R"("rekdek": {"podatnik": {"dur": "2018-02-29"}})"), "rekdek.podatnik.dur",
     "not a date"},
    {"month 13", pit37(R"("rekdek": {"dzieci": {"5": {"dur": "2018-13-01"}}})"), "rekdek.dzieci[5].dur", "not a date"},
    {"day 0", pit37(R"("rekdek": {"malzonek": {"dur": "1980-01-00"}})"), "rekdek.malzonek.dur", "not a date"},
    {"Polish order", pit37(R"("rekdek": {"podatnik": {"dur": "14.09.1978"}})"), "rekdek.podatnik.dur", "not a date"},
    {"no leading zeros", pit37(R"("rekdek": {"podatnik": {"dur": "1978-9-14"}})"), "rekdek.podatnik.dur", "not a date"},
    {"time appended", pit37(R"("rekdek": {"podatnik": {"dur": "1978-09-14T00:00"}})"), "rekdek.podatnik.dur",
     "not a date"},
    {"year 0", pit37(R"("rekdek": {"podatnik": {"dur": "0000-01-01"}})"), "rekdek.podatnik.dur", "not a date"},
    // number out of range
    {"real above the largest 6-byte real", pit37(R"("rekdek": {"pod": 1.8e38})"), "rekdek.pod", "number out of range"},
    {"real below minus the largest", pit37(R"("rek01": {"pitbr": [{"p": {"18": -1e39}}]})"), "rek01.pitbr[1].p[18]",
     "number out of range"},
    {"single above float's range", pit37(R"("rekdek": {"dzieci": [{"ud": 3.5e38}]})"), "rekdek.dzieci[1].ud",
     "number out of range"},
    {"single in a 2-D array", pit37(R"("rekdek": {"poz": [[], [0, 0, -1e300]]})"), "rekdek.poz[2][3]",
     "number out of range"},
    {"amount at 2^33", pit37(R"("rekdek": {"pod": 8589934592})"), "rekdek.pod", "not below 8 589 934 592 (2^33)"},
    {"amount at minus 2^33", pit37(R"("rek28": {"przdg": {"7": -8589934592}})"), "rek28.przdg[7]",
     "number out of range"},
    {"amount that a 6-byte real stores as 2^33", pit37(R"("rekdek": {"do_zapl": 8589934591.999})"), "rekdek.do_zapl",
     "(2^33)"},
    {"packed advances are whole złoty only", pit37(R"("rekdek": {"mies": [{"zal44_7": [8589934592]}]})"),
     "rekdek.mies[1].zal44_7[1]", "(2^33)"},
    {"packed advances at 2^40", pit37(R"("rekdek": {"mies": [{}, {"zal44": {"12": 1099511627776}}]})"),
     "rekdek.mies[2].zal44[12]", "not below 1 099 511 627 776 (2^40)"},
    {"single at 2^33", pit37(R"("rekdek": {"dzieci": [{"ud_m": -8589934592}]})"), "rekdek.dzieci[1].ud_m", "(2^33)"},
    {"single that cannot hold the grosze", pit37(R"("rekdek": {"poz": [[150000.54]]})"), "rekdek.poz[1][1]",
     "holds 150000.54 only as 150000.546875"},
    {"single that holds half a grosz below the half", pit37(R"("rekdek": {"inp": 1234.565})"), "rekdek.inp",
     "holds 1234.565 only as 1234.56494140625"},
    {"reference number longer than 64", pit37(R"("nr_dek_refer": ")" + std::string(65, '7') + R"(")"), "nr_dek_refer",
     "text longer than 64 characters (has 65)"},
    {"byte 256", pit37(R"("rekdek": {"ilzal": [256]})"), "rekdek.ilzal[1]", "number out of range"},
    {"byte -1", pit37(R"("rekdek": {"sp_opod": -1})"), "rekdek.sp_opod", "number out of range"},
    {"integer above int32", pit37(R"("rekdek": {"rok": 2147483648})"), "rekdek.rok", "number out of range"},
    {"integer below int32", pit37(R"("rekdek": {"dzieci": [{"mc_m": -2147483649}]})"), "rekdek.dzieci[1].mc_m",
     "number out of range"},
    {"integer literal beyond 64 bits", pit37(R"("rekdek": {"rok": 123456789012345678901234567890})"), "rekdek.rok",
     "number out of range"},
    {"code 128", pit37(R"("wsp_z_malz": [1, 128])"), "wsp_z_malz[1]", "number out of range"},
    {"number beyond a double", pit37(R"("rekdek": {"pod": 1e400})"), "", "number out of range at line 1"},
    // index out of range
    {"array longer than its range", pit37(R"("rekdek": {"ilzal": [1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13]})"),
     "rekdek.ilzal[13]", "index out of range 1..12"},
    {"object key above the range", pit37(R"("rekdek": {"pito": {"odl": {"15": 1.0}}})"), "rekdek.pito.odl[15]",
     "index out of range 0..14"},
    {"object key below the range", pit37(R"("rek01": {"pitbr": {"1": {"p": {"7": 1.0}}}})"), "rek01.pitbr[1].p[7]",
     "index out of range 8..18"},
    {"index 0 of a range from 1", pit37(R"("rekdek": {"dochody": {"0": {}}})"), "rekdek.dochody[0]",
     "index out of range 1..2"},
    {"inner index of a 2-D array", pit37(R"("rekdek": {"pitz": [{"kw": {"1": [1, 2, 3, 4, 5]}}]})"),
     "rekdek.pitz[1].kw[1][5]", "index out of range 1..4"},
    {"huge decimal key", pit37(R"("rekdek": {"ilzal": {"99999999999999999999": 1}})"),
     "rekdek.ilzal[99999999999999999999]", "index out of range"},
    {"leading zero", pit37(R"("rek01": {"pitbr": [{"p": {"08": 1.0}}]})"), "rek01.pitbr[1].p",
     R"(index "08" is not a plain decimal index in 8..18)"},
    {"letter key", pit37(R"("rekdek": {"ilzal": {"x": 1}})"), "rekdek.ilzal", R"(index "x")"},
    {"negative key", pit37(R"("rekdek": {"pito": {"odl": {"-1": 1.0}}})"), "rekdek.pito.odl", R"(index "-1")"},
    {"empty key", pit37(R"("rekdek": {"ilzal": {"": 1}})"), "rekdek.ilzal", R"(index "")"},
    {"blank in key", pit37(R"("rekdek": {"ilzal": {" 1": 1}})"), "rekdek.ilzal", R"(index " 1")"},
    // not JSON
    {"empty file", "", "", "not JSON"},
    {"cut short", R"({"form": "PIT-37", "rekdek": {)", "", "not JSON: at line 1"},
    {"trailing text", R"({"form": "PIT-37"} x)", "", "not JSON"},
    {"single quotes", R"({'form': 'PIT-37'})", "", "not JSON"},
    {"NaN", pit37(R"("rekdek": {"pod": NaN})"), "", "not JSON"},
    {"comment", "{\"form\": \"PIT-37\" // PIT\n}", "", "not JSON"},
    {"bytes that are not UTF-8", "{\"form\": \"PIT-37\", \"rekdek\": {\"urz\": \"\xB3\xF3\x64\xBC\"}}", "", "not JSON"},
    {"raw control character in a string", "{\"form\": \"PIT-37\", \"rekdek\": {\"urz\": \"a\tb\"}}", "", "not JSON"},
    {"line counted", "{\"form\": \"PIT-37\",\n\"rekdek\": {\n  \"urz\": tak\n}}", "", "not JSON: at line 3"},
    {"nested too deeply", std::string(200, '[') + std::string(200, ']'), "", "nested deeper than 64 levels"},
    // the form
    {"missing form", R"({"rekdek": {}})", "form", "missing"},
    {"form not a string", R"({"form": 37})", "form", "wrong type"},
    {"unknown form", R"({"form": "PIT-38"})", "form", R"(unknown form "PIT-38")"},
    {"form in lower case", R"({"form": "pit-37"})", "form", "unknown form"},
    {"inheritance variant as a form", R"({"form": "PIT-36LS"})", "form", "PIT-36LS is \"PIT-36L\" with rekdek.spadek"},
    {"zal28 on PIT-37", pit37(R"("zal28": {})"), "zal28", "only a PIT-28 return carries zal28"},
    {"zal28 on PIT-36", R"({"zal28": {"pito": {}}, "form": "PIT-36"})", "zal28", "only a PIT-28 return"},
};

TEST(ReturnFileBadInput, EachFaultIsNamedWithItsPath) {
    for (const auto& c : kBadCases) {
        SCOPED_TRACE(c.what);
        try {
            load_return_text(c.json, "zeznanie.json");
            ADD_FAILURE() << "accepted: " << c.json;
        } catch (const ReturnFileError& e) {
            EXPECT_EQ(e.path(), c.path);
            EXPECT_NE(e.problem().find(c.problem), std::string::npos) << e.what();
            const std::string head = "zeznanie.json: " + (c.path.empty() ? "" : c.path + ": ");
            EXPECT_EQ(std::string(e.what()).substr(0, head.size()), head) << e.what();
        }
    }
}

TEST(ReturnFileBadInput, QuotedInputIsCutAndEscaped) {
    const std::string long_date = std::string(500, '9');
    try {
        load_return_text(pit37(R"("rekdek": {"podatnik": {"dur": ")" + long_date + R"("}})"), "f");
        FAIL();
    } catch (const ReturnFileError& e) {
        EXPECT_LT(std::string(e.what()).size(), 200U);
        EXPECT_NE(std::string(e.what()).find("…\""), std::string::npos) << e.what();
    }
    try {
        load_return_text(pit37(R"("rekdek": {"ilzal": {"1\u001b[2J": 1}})"), "f");
        FAIL();
    } catch (const ReturnFileError& e) {
        EXPECT_EQ(std::string(e.what()).find('\x1b'), std::string::npos) << "escape character printed raw";
        EXPECT_NE(std::string(e.what()).find("\\u001b"), std::string::npos) << e.what();
    }
}

TEST(ReturnFileBadInput, MessagesQuoteAtMostEightyCharactersOfInput) {
    // Whatever the fault, a long piece of input is quoted by its first 80
    // characters and "…"; letters beyond ASCII count as one and are never split.
    const std::string key(900000, 'k');
    const std::string polish = std::string(79, 'a') + "żółw" + std::string(1000, 'b');
    const struct {
        std::string json;
        std::string quoted;  // what the message holds of the input
    } cases[] = {
        {pit37(R"("rekdek": {")" + key + R"(": 1})"), std::string(80, 'k') + "…"},
        {pit37(R"("rekdek": {"a-)" + key + R"(": 1})"), "\"a-" + std::string(78, 'k') + "…\""},
        {R"({"form": ")" + polish + R"("})", "\"" + std::string(79, 'a') + "ż…\""},
        {R"({"form": "PIT-37", "rekdek": {")" + key + R"(": 3, ")" + key + R"(": 4}})", std::string(80, 'k') + "…"},
        {R"({"form": "PIT-37", "rekdek": {"nip": ")" + key + R"(}})", std::string(79, 'k') + "…"},
        {R"({"form": "PIT-37", "rekdek": {"zal": 1)" + std::string(5000, '0') + R"(}})",
         "1" + std::string(79, '0') + "…"},
    };
    for (const auto& c : cases) {
        try {
            load_return_text(c.json, "f");
            ADD_FAILURE() << "accepted";
        } catch (const ReturnFileError& e) {
            const std::string what = e.what();
            EXPECT_LT(what.size(), 300U) << what.substr(0, 300);
            EXPECT_NE(what.find(c.quoted), std::string::npos) << what.substr(0, 300);
        }
    }
}

// ---- good input -------------------------------------------------------------

HostData load(const std::string& json) { return load_return_text(json, "test.json").data; }

TEST(ReturnFile, OmittedKeysLeaveZeroFalseEmpty) {
    const ReturnFile r = load_return_text(R"({"form": "PIT-36L", "rekdek": {}, "rek01": {"pitbr": [{}, {}]}})", "f");
    EXPECT_EQ(r.form, Form::pit36l);
    const HostData empty;
    EXPECT_EQ(r.data.rekdek, empty.rekdek);
    EXPECT_EQ(r.data.rek01, empty.rek01);
    EXPECT_EQ(r.data.rek28, empty.rek28);
    EXPECT_EQ(r.data.wsp_z_malz, CodeSet::of({1}));
    EXPECT_FALSE(r.data.dr_dek_ref);
    EXPECT_EQ(r.data.nr_dek_refer, "");
}

TEST(ReturnFile, ArrayAndObjectFormsFillTheSameIndices) {
    const HostData as_arrays = load(pit37(R"(
        "rekdek": {"ilzal": [0, 1, 1, 0, 1],
                   "pito": {"odl": [0, 8733.21, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4987.65]},
                   "dochody": [{}, {"zr": [{}, {}, {}, {}, {}, {}, {}, {}, {"prz": 1.5}]}],
                   "pitz": [{"kw": [[1, 2], [], [0, 0, 0, 7]]}]},
        "rek01": {"pitbr": [{"p": [10.0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 18.0]}]})"));
    const HostData as_objects = load(pit37(R"(
        "rekdek": {"ilzal": {"2": 1, "3": 1, "5": 1},
                   "pito": {"odl": {"1": 8733.21, "14": 4987.65}},
                   "dochody": {"2": {"zr": {"9": {"prz": 1.5}}}},
                   "pitz": {"1": {"kw": {"3": {"4": 7}, "1": [1, 2]}}}},
        "rek01": {"pitbr": {"1": {"p": {"8": 10.0, "18": 18.0}}}})"));
    EXPECT_EQ(as_arrays.rekdek, as_objects.rekdek);
    EXPECT_EQ(as_arrays.rek01, as_objects.rek01);

    const rekdek_t& d = as_objects.rekdek;
    EXPECT_EQ(d.ilzal[2], 1);
    EXPECT_EQ(d.ilzal[4], 0);
    EXPECT_EQ(d.ilzal[5], 1);
    EXPECT_EQ(d.pito.odl[1], real48_round(8733.21));
    EXPECT_EQ(d.pito.odl[14], real48_round(4987.65));
    EXPECT_EQ(d.dochody[2].zr[9].prz, 1.5);
    EXPECT_EQ(d.dochody[1].zr[9].prz, 0.0);
    EXPECT_EQ(d.pitz[1].kw[1][2], 2.0);
    EXPECT_EQ(d.pitz[1].kw[3][4], 7.0);
    EXPECT_EQ(d.pitz[1].kw[3][3], 0.0);
    EXPECT_EQ(as_objects.rek01.pitbr[1].p[8], 10.0);
    EXPECT_EQ(as_objects.rek01.pitbr[1].p[18], 18.0);
}

TEST(ReturnFile, TwoDimensionalArraysNestFirstIndexOutside) {
    const HostData d = load(R"({"form": "PIT-28", "rek28": {"sp": [[1, 2, 3, 4, 5, 6], {"6": 26.5}],
        "spolki": {"3": {"prz_wsp": {"2": [0, 0, 0, 0, 0, 12.5]}}}}})");
    EXPECT_EQ(d.rek28.sp[1][1], 1.0);
    EXPECT_EQ(d.rek28.sp[1][6], 6.0);
    EXPECT_EQ(d.rek28.sp[2][6], 26.5);
    EXPECT_EQ(d.rek28.sp[2][1], 0.0);
    EXPECT_EQ(d.rek28.spolki[3].prz_wsp[2][6], 12.5);
    EXPECT_EQ(d.rek28.spolki[3].prz_wsp[1][6], 0.0);
}

TEST(ReturnFile, JointTaxationCodes) {
    EXPECT_EQ(load(pit37("\"rekdek\": {}")).wsp_z_malz, CodeSet::of({1}));
    EXPECT_EQ(load(pit37("\"wsp_z_malz\": []")).wsp_z_malz, CodeSet{});
    EXPECT_EQ(load(pit37("\"wsp_z_malz\": [127, 0, 3, 3]")).wsp_z_malz, CodeSet::of({0, 3, 127}));

    // No code means joint: the spouse's data is then never printed.
    const HostData none = load(pit37(R"("wsp_z_malz": [], "rekdek": {"sp_opod": 1})"));
    EXPECT_FALSE(sp_opod_wspolnie(none));
    EXPECT_TRUE(sp_opod_wspolnie(load(pit37(R"("wsp_z_malz": [1, 2], "rekdek": {"sp_opod": 2})"))));
}

TEST(ReturnFile, TextsKeepBlanksAndPolishLetters) {
    const HostData d = load(pit37(R"("rekdek": {
        "podatnik": {"nazw": "  Kowalska  ", "im": " "},
        "urz": "Naczelnik Urzędu Skarbowego w Łodzi – Śródmieście",
        "malzonek": {"nazw": "ŻÓŁĆ ĘŚĄŹŃ żółć ęśąźń Ą ą € „”"},
        "kontakt": ["", "tel.\u00a0600 100 200"]},
        "nr_dek_refer": "  ABC-12/345/2019  ", "dr_dek_ref": true)"));
    EXPECT_EQ(d.rekdek.podatnik.nazw.str(), "  Kowalska  ");
    EXPECT_EQ(d.rekdek.podatnik.im.str(), " ");
    EXPECT_EQ(d.rekdek.urz.str(), "Naczelnik Urzędu Skarbowego w Łodzi – Śródmieście");
    // 30 characters, 46 bytes of UTF-8: fits text(30).
    EXPECT_EQ(d.rekdek.malzonek.nazw.str(), "ŻÓŁĆ ĘŚĄŹŃ żółć ęśąźń Ą ą € „”");
    EXPECT_EQ(d.rekdek.malzonek.nazw.size(), 30U);
    EXPECT_EQ(d.rekdek.kontakt[2].str(), "tel.\u00a0600 100 200");
    EXPECT_EQ(d.nr_dek_refer, "  ABC-12/345/2019  ");
    EXPECT_TRUE(d.dr_dek_ref);
}

TEST(ReturnFile, RealsAreStoredAsTheSixByteFieldHoldsThem) {
    const HostData d = load(pit37(R"("rekdek": {"pod": 0.1, "nadpl": 1234567.89, "do_zapl": -2164.56,
        "rozn": 3, "ikze": 8589934591.99, "ods": 1e-300, "dpo": -0.0}, "rek_uz": {"zwrot": 4294967295})"));
    EXPECT_EQ(d.rekdek.pod, real48_round(0.1));
    EXPECT_NE(d.rekdek.pod, 0.1);  // 0.1 has no exact 6-byte form; the record holds the rounded one
    EXPECT_EQ(d.rekdek.nadpl, real48_round(1234567.89));
    EXPECT_EQ(d.rekdek.do_zapl, real48_round(-2164.56));
    EXPECT_EQ(d.rekdek.rozn, 3.0);
    EXPECT_EQ(d.rekdek.ikze, real48_round(8589934591.99));
    EXPECT_EQ(d.rekdek.ods, 0.0);  // below the smallest real
    EXPECT_EQ(d.rekdek.dpo, 0.0);
    EXPECT_EQ(d.rek_uz.zwrot, 4294967295.0);
}

TEST(ReturnFile, ExtremeValuesOfEachTypeLoad) {
    const HostData d = load(pit37(R"("rekdek": {"rok": -2147483648, "rok1_2k": 2147483647, "ilzal": [0, 255],
        "dzieci": [{"ud": 131071.99, "ud_m": -1.5, "dur": "2016-02-29"}, {"dur": ""}, {"dur": "9999-12-31"}],
        "malzonek": {"dur": "2048-01-01"}})"));
    EXPECT_EQ(d.rekdek.rok, INT_MIN);
    EXPECT_EQ(d.rekdek.rok1_2k, INT_MAX);
    EXPECT_EQ(d.rekdek.ilzal[2], 255);
    EXPECT_EQ(d.rekdek.dzieci[1].ud, 131071.99f);  // below 2^17 a single keeps every grosz
    EXPECT_EQ(d.rekdek.dzieci[1].ud_m, -1.5f);
    EXPECT_EQ(d.rekdek.dzieci[1].dur, (dt1{2016, 2, 29}));
    EXPECT_TRUE(d.rekdek.dzieci[2].dur.empty());
    EXPECT_EQ(d.rekdek.dzieci[3].dur, (dt1{9999, 12, 31}));
    // A date of 2048 is filled: its third byte is the month.
    EXPECT_EQ(d.rekdek.malzonek.dur.third_byte(), 1);
}

// The largest amounts taken, each printing as given.
TEST(ReturnFile, AmountsJustBelowTheirBoundsLoadAndPrintAsGiven) {
    const HostData d = load(pit37(R"("rekdek": {"pod": 8589934591.99, "dolpod": -8589934591.99,
        "mies": [{"zal44": [1099511627775, -1099511627775]}], "poz": [[150000.5, 65535.99]]},
        "nr_dek_refer": ")" + std::string(64, 'A') +
                                  R"(")"));
    EXPECT_EQ(round_real(d.rekdek.pod, 2), (RoundedDigits{"858993459199", false}));
    EXPECT_EQ(round_real(d.rekdek.dolpod, 2), (RoundedDigits{"858993459199", true}));
    EXPECT_EQ(round_real(d.rekdek.mies[1].zal44[1], 0), (RoundedDigits{"1099511627775", false}));
    EXPECT_EQ(round_real(d.rekdek.mies[1].zal44[2], 0), (RoundedDigits{"1099511627775", true}));
    EXPECT_EQ(round_single(d.rekdek.poz[1][1], 2), (RoundedDigits{"15000050", false}));
    EXPECT_EQ(round_single(d.rekdek.poz[1][2], 2), (RoundedDigits{"6553599", false}));
    EXPECT_EQ(d.nr_dek_refer.size(), 64U);
}

TEST(ReturnFile, ValuesBeyondTheFormsMeaningStillLoad) {
    // The loader checks types only; what such values print is the pages' business.
    const HostData d = load(R"({"form": "PIT-28", "rekdek": {"sp_opod": 200, "d_kto": 7, "kdr": 2, "inw_2k": 9},
        "rek28": {"ilzal": {"7": 5}, "zw": 250}, "wsp_z_malz": [0, 1, 2, 3, 4, 5, 6, 7, 127]})");
    EXPECT_EQ(d.rekdek.sp_opod, 200);
    EXPECT_EQ(d.rekdek.d_kto, 7);
    EXPECT_EQ(d.rekdek.kdr, 2);
    EXPECT_EQ(d.rek28.ilzal[7], 5);
    EXPECT_FALSE(sp_opod_wspolnie(d));
}

TEST(ReturnFile, Zal28FillsThePit28AttachmentData) {
    const HostData d = load(R"({"form": "PIT-28",
        "zal28": {"pito": {"odl": {"2": 120.5}}, "dzieci": [{"pes": "09262104547"}], "d_ods": 10, "kw1_2k": 7,
                  "in_odlp": ["a"], "d_wn_pod": {"jest28": true}},
        "rekdek": {"pito": {"odl": {"2": 1.0}}}})");
    EXPECT_EQ(d.zal28.pito.odl[2], 120.5);
    EXPECT_EQ(d.zal28.dzieci[1].pes.str(), "09262104547");
    EXPECT_EQ(d.zal28.d_ods, 10.0);
    EXPECT_EQ(d.zal28.kw1_2k, 7.0);
    EXPECT_EQ(d.zal28.in_odlp[1].str(), "a");
    EXPECT_TRUE(d.zal28.d_wn_pod.jest28);
    EXPECT_EQ(d.rekdek.pito.odl[2], 1.0);  // rekdek keeps its own data
}

TEST(ReturnFile, SameKeyInDifferentObjectsIsNoDuplicate) {
    const HostData d = load(pit37(R"("rekdek": {"podatnik": {"nazw": "A"}, "malzonek": {"nazw": "B"},
        "dochody": [{"zr": {"1": {"prz": 1}}}, {"zr": {"1": {"prz": 2}}}]})"));
    EXPECT_EQ(d.rekdek.podatnik.nazw.str(), "A");
    EXPECT_EQ(d.rekdek.malzonek.nazw.str(), "B");
    EXPECT_EQ(d.rekdek.dochody[2].zr[1].prz, 2.0);
}

// ---- forms ------------------------------------------------------------------

TEST(ReturnFileForms, DialogClassesAndInheritanceVariants) {
    struct Case {
        std::string json;
        Form form;
        const char* dialog;
        const char* title;
    };
    const Case cases[] = {
        {R"({"form": "PIT-37"})", Form::pit37, "Tf_wydpit37", "PIT-37"},
        // PIT-37 has no variant for an enterprise in inheritance.
        {R"({"form": "PIT-37", "rekdek": {"spadek": true}})", Form::pit37, "Tf_wydpit37", "PIT-37"},
        {R"({"form": "PIT-36"})", Form::pit36, "Tf_wydpit36", "PIT-36"},
        {R"({"form": "PIT-36", "rekdek": {"spadek": true}})", Form::pit36, "Tf_wydpit36", "PIT-36S"},
        {R"({"form": "PIT-36L", "rekdek": {"spadek": true}})", Form::pit36l, "Tf_wydpit36L", "PIT-36LS"},
        {R"({"form": "PIT-28", "rek28": {"spadek": true}})", Form::pit28, "Tf_wydpit28", "PIT-28S"},
        // PIT-28 reads its own record's flag.
        {R"({"form": "PIT-28", "rekdek": {"spadek": true}})", Form::pit28, "Tf_wydpit28", "PIT-28"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json);
        const ReturnFile r = load_return_text(c.json, "f");
        EXPECT_EQ(r.form, c.form);
        EXPECT_EQ(dialog_class_name(r.form), c.dialog);
        EXPECT_EQ(form_title(r.form, r.data), c.title);
        EXPECT_EQ(form_by_name(form_name(r.form)), r.form);
    }
    EXPECT_EQ(form_by_name("PIT-36S"), std::nullopt);
}

// ---- files ------------------------------------------------------------------

class ReturnFileOnDisk : public ::testing::Test {
protected:
    std::string dir;
    void SetUp() override {
        char tmpl[] = "/tmp/dek-return-file-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir = tmpl;
    }
    void TearDown() override {
        for (const char* f : {"/ok.json", "/big.json"}) std::remove((dir + f).c_str());
        rmdir(dir.c_str());
    }
    void write(const std::string& name, const std::string& text) {
        FILE* f = std::fopen((dir + name).c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    std::string error_of(const std::string& path) {
        try {
            load_return_file(path);
        } catch (const ReturnFileError& e) {
            return e.what();
        }
        return "(loaded)";
    }
};

TEST_F(ReturnFileOnDisk, ReadsTheFileAndNamesItInErrors) {
    write("/ok.json", "\xEF\xBB\xBF{\"form\": \"PIT-36\", \"rekdek\": {\"podatnik\": {\"nazw\": \"Łęcka\"}}}\n");
    const ReturnFile r = load_return_file(dir + "/ok.json");
    EXPECT_EQ(r.form, Form::pit36);
    EXPECT_EQ(r.data.rekdek.podatnik.nazw.str(), "Łęcka");

    EXPECT_EQ(error_of(dir + "/missing.json"), dir + "/missing.json: cannot read: No such file or directory");
    EXPECT_EQ(error_of(dir), dir + ": cannot read: Is a directory");
}

TEST_F(ReturnFileOnDisk, RefusesAnOversizedFile) {
    const std::string path = dir + "/big.json";
    const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(kMaxReturnFileSize) + 1), 0);
    ::close(fd);
    EXPECT_EQ(error_of(path), path + ": larger than 1 MiB: not a return file");
}

}  // namespace
}  // namespace dek::host
