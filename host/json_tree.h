// A small JSON document tree for return files. It keeps what the loader needs
// and nlohmann::json's own tree loses: the first key that appears twice in an
// object, and whether a number too large for 64 bits was written as an
// integer. Parsing never recurses: nesting beyond a fixed depth is refused.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace dek::host {

struct JsonMember;

struct JsonNode {
    enum class Kind { null, boolean, integer, unsigned_integer, floating, string, array, object };

    Kind kind = Kind::null;
    bool boolean = false;
    std::int64_t integer = 0;            // Kind::integer (negative, or small enough)
    std::uint64_t unsigned_integer = 0;  // Kind::unsigned_integer
    double floating = 0;                 // Kind::floating
    // Kind::floating only: written without fraction or exponent, but too large
    // for 64 bits, so the parser had to read it as a floating-point number.
    bool integer_literal = false;
    std::string string;               // Kind::string
    std::vector<JsonNode> items;      // Kind::array
    std::vector<JsonMember> members;  // Kind::object, in document order
    // Kind::object: the first key that appeared more than once.
    bool has_duplicate = false;
    std::string duplicate_key;

    bool is_number() const { return kind == Kind::integer || kind == Kind::unsigned_integer || kind == Kind::floating; }
    // The JSON kind in words: "null", "true or false", "a number", "a string", "an array", "an object".
    std::string_view kind_name() const;
};

struct JsonMember {
    std::string key;
    JsonNode value;
};

// Raised when the text is not JSON, nests too deeply, or holds a number beyond
// the range of a double; the message gives line and column of the fault.
class JsonParseError : public std::runtime_error {
public:
    JsonParseError(const std::string& message, bool syntax) : std::runtime_error(message), syntax_(syntax) {}
    // The text breaks the JSON grammar (the other faults are valid JSON that no record holds).
    bool syntax() const { return syntax_; }

private:
    bool syntax_;
};

// Deepest nesting of arrays and objects that parse_json accepts.
inline constexpr std::size_t kMaxJsonDepth = 64;

// Parses UTF-8 JSON text (RFC 8259; a leading byte-order mark is skipped).
JsonNode parse_json(std::string_view text);

// Most characters of input that a message quotes.
inline constexpr std::size_t kQuotedInputChars = 80;

// Input as a message quotes it: its first kQuotedInputChars characters
// (UTF-8 sequences counted as one and never split), with "…" where it was cut.
std::string clipped_input(std::string_view text);

}  // namespace dek::host
