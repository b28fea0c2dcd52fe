#include "host/return_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <system_error>
#include <type_traits>

#include "host/json_tree.h"

namespace dek::host {

// ---- forms ------------------------------------------------------------------

namespace {

struct FormInfo {
    Form form;
    std::string_view name;
    std::string_view dialog_class;
};

constexpr FormInfo kForms[] = {
    {Form::pit37, "PIT-37", "Tf_wydpit37"},
    {Form::pit36, "PIT-36", "Tf_wydpit36"},
    {Form::pit36l, "PIT-36L", "Tf_wydpit36L"},
    {Form::pit28, "PIT-28", "Tf_wydpit28"},
};

const FormInfo& info(Form form) {
    for (const auto& f : kForms)
        if (f.form == form) return f;
    return kForms[0];
}

}  // namespace

std::string_view form_name(Form form) { return info(form).name; }
std::string_view dialog_class_name(Form form) { return info(form).dialog_class; }

std::optional<Form> form_by_name(std::string_view name) {
    for (const auto& f : kForms)
        if (f.name == name) return f.form;
    return std::nullopt;
}

bool is_spadek(Form form, const HostData& data) {
    switch (form) {
        case Form::pit28:
            return data.rek28.spadek;
        case Form::pit36:
        case Form::pit36l:
            return data.rekdek.spadek;
        case Form::pit37:
            break;
    }
    return false;
}

std::string form_title(Form form, const HostData& data) {
    std::string title(form_name(form));
    if (is_spadek(form, data)) title += 'S';
    return title;
}

ReturnFileError::ReturnFileError(std::string file, std::string path, std::string problem)
    : std::runtime_error(file + ": " + (path.empty() ? std::string() : path + ": ") + problem),
      file_(std::move(file)),
      path_(std::move(path)),
      problem_(std::move(problem)) {}

// ---- loading ----------------------------------------------------------------

namespace {

using Kind = JsonNode::Kind;

// A string as a JSON literal, for quoting input in messages: control
// characters escaped, long input cut (clipped_input) with "…" inside the quotes.
std::string json_quoted(std::string_view s) {
    std::string cut = clipped_input(s);
    const bool was_cut = cut.size() != s.size();
    if (was_cut) cut.resize(cut.size() - std::string_view("…").size());
    std::string q = nlohmann::json(cut).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    if (was_cut) q.insert(q.size() - 1, "…");
    return q;
}

bool is_identifier(std::string_view key) {
    if (key.empty()) return false;
    for (char c : key)
        if (!(c == '_' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    return true;
}

// "rekdek" + "podatnik" -> "rekdek.podatnik"; a key that is no field name is
// quoted in brackets, so whatever the file holds prints safely.
std::string member_path(const std::string& path, std::string_view key) {
    if (!is_identifier(key)) return path + "[" + json_quoted(key) + "]";
    const std::string name = clipped_input(key);
    return path.empty() ? name : path + "." + name;
}

std::string index_path(const std::string& path, std::string_view index) {
    return path + "[" + std::string(index) + "]";
}
std::string index_path(const std::string& path, long index) { return index_path(path, std::to_string(index)); }

std::string hex_code(char32_t c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(c));
    return buf;
}

// Decodes one UTF-8 sequence at s[i] (the JSON parser has validated the text).
bool next_char(std::string_view s, std::size_t& i, char32_t& c, std::size_t& len) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    len = b0 < 0x80 ? 1 : (b0 & 0xE0) == 0xC0 ? 2 : (b0 & 0xF0) == 0xE0 ? 3 : (b0 & 0xF8) == 0xF0 ? 4 : 0;
    if (len == 0 || i + len > s.size()) return false;
    c = len == 1 ? b0 : len == 2 ? (b0 & 0x1F) : len == 3 ? (b0 & 0x0F) : (b0 & 0x07);
    for (std::size_t k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) return false;
        c = (c << 6) | (b & 0x3F);
    }
    i += len;
    return true;
}

class Loader {
public:
    explicit Loader(const std::string& file) : file_(file) {}

    [[noreturn]] void fail(const std::string& path, std::string problem) const {
        throw ReturnFileError(file_, path, std::move(problem));
    }
    [[noreturn]] void wrong_type(const JsonNode& n, const std::string& path, const std::string& expected) const {
        fail(path, "wrong type: expected " + expected + ", got " + std::string(n.kind_name()));
    }
    void check_duplicates(const JsonNode& object, const std::string& path) const {
        if (object.has_duplicate) fail(member_path(path, object.duplicate_key), "duplicate key");
    }

    // One value of any record field type.
    template <class T>
    void load(T& out, const JsonNode& n, const std::string& path) {
        if constexpr (std::is_same_v<T, bool>) {
            if (n.kind != Kind::boolean) wrong_type(n, path, "true or false");
            out = n.boolean;
        } else if constexpr (std::is_same_v<T, std::uint8_t>) {
            out = static_cast<std::uint8_t>(integer_in(n, path, 0, 255));
        } else if constexpr (std::is_same_v<T, std::int32_t>) {
            out = static_cast<std::int32_t>(integer_in(n, path, INT32_MIN, INT32_MAX));
        } else if constexpr (std::is_same_v<T, double>) {
            const double v = number(n, path);
            const double bound = packed_ ? kPackedAmountBound : kAmountBound;
            double stored = HUGE_VAL;
            try {
                stored = real48_round(v);  // as the 6-byte field holds it
            } catch (const std::range_error&) {
            }
            if (!(std::fabs(v) < bound) || !(std::fabs(stored) < bound)) {
                if (packed_)
                    fail(path, "number out of range: " + shortest(v) +
                                   " is not below 1 099 511 627 776 (2^40) in magnitude, the bound of the "
                                   "whole-złoty amounts this field packs");
                fail(path, "number out of range: " + shortest(v) +
                               " is not below 8 589 934 592 (2^33) in magnitude, the bound of the amounts a 6-byte "
                               "real keeps to the grosz");
            }
            out = stored;
        } else if constexpr (std::is_same_v<T, float>) {
            const double v = number(n, path);
            if (!(std::fabs(v) < kAmountBound))
                fail(path, "number out of range: " + shortest(v) +
                               " is not below 8 589 934 592 (2^33) in magnitude, the bound of the amounts");
            const auto f = static_cast<float>(v);
            // Printed as the single holds it, whether a page formats the
            // single or the double it widens to: refused when that is not the
            // amount given, to the grosz.
            const RoundedDigits given = round_real(v, 2);
            if (round_single(f, 2) != given || round_real(static_cast<double>(f), 2) != given)
                fail(path, "number out of range: a single (4-byte) field holds " + shortest(v) + " only as " +
                               shortest(static_cast<double>(f)) + ", which is not the same amount to the grosz");
            out = f;
        } else if constexpr (std::is_same_v<T, dt1>) {
            out = date(n, path);
        } else if constexpr (is_text<T>::value) {
            if (n.kind != Kind::string)
                wrong_type(n, path, "a text of at most " + std::to_string(T::capacity) + " characters");
            std::string cp = cp1250(n.string, path);
            if (cp.size() > T::capacity)
                fail(path, "text longer than " + std::to_string(T::capacity) + " characters (has " +
                               std::to_string(cp.size()) + ")");
            out.set_cp1250(cp);
        } else if constexpr (is_arr<T>::value) {
            load_array(out, n, path);
        } else {
            load_record(out, n, path);
        }
    }

    // A record: an object whose keys are the names its `fields` lists.
    template <class R>
    void load_record(R& record, const JsonNode& n, const std::string& path) {
        if (n.kind != Kind::object) wrong_type(n, path, "an object");
        check_duplicates(n, path);
        for (const auto& [key, child] : n.members) {
            FieldByName match{*this, key, child, path};
            record.fields(match);
            if (!match.found) fail(member_path(path, key), "unknown field");
        }
    }

    // Text of any length: every character in Windows-1250 and none a control
    // character. Returns the Windows-1250 bytes.
    std::string cp1250(std::string_view utf8, const std::string& path) const {
        std::string out, one;
        std::size_t i = 0;
        while (i < utf8.size()) {
            const std::size_t at = i;
            char32_t c = 0;
            std::size_t len = 0;
            if (!next_char(utf8, i, c, len)) fail(path, "text not valid UTF-8");
            if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) fail(path, "control character " + hex_code(c) + " in text");
            if (!utf8_to_cp1250(utf8.substr(at, len), one))
                fail(path, "character " + hex_code(c) + " not in Windows-1250");
            out += one;
        }
        return out;
    }

    // A JSON integer within lo..hi.
    std::int64_t integer_in(const JsonNode& n, const std::string& path, std::int64_t lo, std::int64_t hi) const {
        const std::string range = std::to_string(lo) + ".." + std::to_string(hi);
        if (n.kind == Kind::integer) {
            if (n.integer < lo || n.integer > hi)
                fail(path, "number out of range: " + std::to_string(n.integer) + " is not in " + range);
            return n.integer;
        }
        if (n.kind == Kind::unsigned_integer) {
            if (n.unsigned_integer > static_cast<std::uint64_t>(hi))
                fail(path, "number out of range: " + std::to_string(n.unsigned_integer) + " is not in " + range);
            return static_cast<std::int64_t>(n.unsigned_integer);
        }
        if (n.kind == Kind::floating) {
            if (n.integer_literal) fail(path, "number out of range: not in " + range);
            fail(path, "wrong type: expected an integer " + range + ", got a number with a fraction or exponent");
        }
        wrong_type(n, path, "an integer " + range);
    }

private:
    const std::string& file_;
    bool packed_ = false;  // loading a field that packs whole-złoty amounts (zal44)

    // The shortest text of a number that reads back as it.
    template <class F>
    static std::string shortest(F v) {
        char buf[64];
        const auto r = std::to_chars(buf, buf + sizeof buf, v);
        return std::string(buf, r.ptr);
    }

    // Matches one key against the record's field list and loads its value.
    struct FieldByName {
        Loader& loader;
        const std::string& key;
        const JsonNode& node;
        const std::string& path;
        bool found = false;

        void gap(std::size_t /*bytes*/) {}
        template <class T>
        void operator()(const char* name, T& member) {
            if (!found && key == name) {
                found = true;
                // Two whole-złoty amounts packed in one value: exact to 2^40.
                const bool was_packed = loader.packed_;
                loader.packed_ = std::string_view(name) == "zal44";
                loader.load(member, node, path.empty() ? key : path + "." + key);
                loader.packed_ = was_packed;
            }
        }
    };

    double number(const JsonNode& n, const std::string& path) const {
        switch (n.kind) {
            case Kind::integer:
                return static_cast<double>(n.integer);
            case Kind::unsigned_integer:
                return static_cast<double>(n.unsigned_integer);
            case Kind::floating:
                return n.floating;
            default:
                wrong_type(n, path, "a number");
        }
    }

    dt1 date(const JsonNode& n, const std::string& path) const {
        if (n.kind != Kind::string) wrong_type(n, path, "a date \"YYYY-MM-DD\" or \"\"");
        const std::string& s = n.string;
        if (s.empty()) return dt1{};
        auto digits = [&](std::size_t from, std::size_t count) {
            int v = 0;
            for (std::size_t k = from; k < from + count; ++k) {
                if (s[k] < '0' || s[k] > '9') return -1;
                v = v * 10 + (s[k] - '0');
            }
            return v;
        };
        if (s.size() == 10 && s[4] == '-' && s[7] == '-') {
            const int y = digits(0, 4), m = digits(5, 2), d = digits(8, 2);
            if (y >= 0 && m >= 0 && d >= 0 && is_valid_calendar_date(y, m, d))
                return dt1{static_cast<std::uint16_t>(y), static_cast<std::uint8_t>(m), static_cast<std::uint8_t>(d)};
        }
        fail(path, "not a date: " + json_quoted(s) + " (expected a calendar date \"YYYY-MM-DD\" or \"\")");
    }

    // Arrays: a JSON array whose position i holds the declared index Lo + i,
    // or an object keyed by declared indices in plain decimal.
    template <class T, int Lo, int Hi>
    void load_array(Arr<T, Lo, Hi>& arr, const JsonNode& n, const std::string& path) {
        const std::string range = std::to_string(Lo) + ".." + std::to_string(Hi);
        if (n.kind == Kind::array) {
            for (std::size_t i = 0; i < n.items.size(); ++i) {
                const long index = Lo + static_cast<long>(i);
                if (index > Hi) fail(index_path(path, index), "index out of range " + range);
                load(arr[static_cast<int>(index)], n.items[i], index_path(path, index));
            }
            return;
        }
        if (n.kind != Kind::object) wrong_type(n, path, "an array or an object keyed by index " + range);
        if (n.has_duplicate && plain_decimal(n.duplicate_key)) fail(index_path(path, n.duplicate_key), "duplicate key");
        for (const auto& [key, child] : n.members) {
            if (!plain_decimal(key))
                fail(path, "index " + json_quoted(key) + " is not a plain decimal index in " + range);
            const long index = key.size() <= 9 ? std::stol(key) : -1;
            if (index < Lo || index > Hi) fail(index_path(path, key), "index out of range " + range);
            load(arr[static_cast<int>(index)], child, index_path(path, index));
        }
    }

    static bool plain_decimal(std::string_view key) {
        if (key.empty() || (key.size() > 1 && key[0] == '0')) return false;
        for (char c : key)
            if (c < '0' || c > '9') return false;
        return true;
    }
};

const char* const kFormChoice = "\"PIT-37\", \"PIT-36\", \"PIT-36L\" or \"PIT-28\"";

Form load_form(const Loader& loader, const JsonNode& root) {
    for (const auto& [key, node] : root.members) {
        if (key != "form") continue;
        if (node.kind != Kind::string) loader.wrong_type(node, "form", std::string("one of ") + kFormChoice);
        if (auto form = form_by_name(node.string)) return *form;
        std::string hint;
        if (node.string == "PIT-36S" || node.string == "PIT-36LS")
            hint = "; " + node.string + " is \"" + node.string.substr(0, node.string.size() - 1) +
                   "\" with rekdek.spadek true";
        if (node.string == "PIT-28S") hint = "; PIT-28S is \"PIT-28\" with rek28.spadek true";
        loader.fail("form", "unknown form " + json_quoted(node.string) + " (expected " + kFormChoice + hint + ")");
    }
    loader.fail("form", std::string("missing: every return file names its form, one of ") + kFormChoice);
}

}  // namespace

ReturnFile load_return_text(std::string_view text, const std::string& display_name) {
    Loader loader(display_name);
    JsonNode root;
    try {
        root = parse_json(text);
    } catch (const JsonParseError& e) {
        loader.fail("", (e.syntax() ? "not JSON: " : "") + std::string(e.what()));
    }
    if (root.kind != Kind::object) loader.wrong_type(root, "", "an object with \"form\" and the records");
    loader.check_duplicates(root, "");

    ReturnFile r;
    r.form = load_form(loader, root);
    HostData& d = r.data;
    for (const auto& [key, node] : root.members) {
        if (key == "form") {
            continue;
        } else if (key == "rekdek") {
            loader.load_record(d.rekdek, node, key);
        } else if (key == "rek28") {
            loader.load_record(d.rek28, node, key);
        } else if (key == "rek_uz") {
            loader.load_record(d.rek_uz, node, key);
        } else if (key == "rek01") {
            loader.load_record(d.rek01, node, key);
        } else if (key == "zal28") {
            if (r.form != Form::pit28)
                loader.fail(key, "only a PIT-28 return carries zal28 (this one is " + std::string(form_name(r.form)) +
                                     "; its PIT/O, PIT/D and PIT-2K data belong in rekdek)");
            loader.load_record(d.zal28, node, key);
        } else if (key == "wsp_z_malz") {
            if (node.kind != Kind::array) loader.wrong_type(node, key, "an array of codes 0..127");
            d.wsp_z_malz = CodeSet{};
            for (std::size_t i = 0; i < node.items.size(); ++i) {
                d.wsp_z_malz.insert(
                    static_cast<int>(loader.integer_in(node.items[i], index_path(key, static_cast<long>(i)), 0, 127)));
            }
        } else if (key == "dr_dek_ref") {
            loader.load(d.dr_dek_ref, node, key);
        } else if (key == "nr_dek_refer") {
            if (node.kind != Kind::string)
                loader.wrong_type(node, key,
                                  "a text of at most " + std::to_string(kMaxReferenceNumber) + " characters");
            const std::string cp = loader.cp1250(node.string, key);
            if (cp.size() > kMaxReferenceNumber)
                loader.fail(key, "text longer than " + std::to_string(kMaxReferenceNumber) + " characters (has " +
                                     std::to_string(cp.size()) + ")");
            d.nr_dek_refer = node.string;
        } else {
            loader.fail(member_path("", key), "unknown field");
        }
    }
    return r;
}

ReturnFile load_return_file(const std::string& path) {
    auto cannot_read = [&](int code) -> ReturnFileError {
        return ReturnFileError(path, "", "cannot read: " + std::system_category().message(code));
    };
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw cannot_read(errno);
    std::string text;
    int error = 0;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = errno;
            break;
        }
        if (n == 0) break;
        if (text.size() + static_cast<std::size_t>(n) > kMaxReturnFileSize) {
            ::close(fd);
            throw ReturnFileError(
                path, "",
                "larger than " + std::to_string(kMaxReturnFileSize / (1024 * 1024)) + " MiB: not a return file");
        }
        text.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (error != 0) throw cannot_read(error);
    return load_return_text(text, path);
}

}  // namespace dek::host
