#include "host/json_tree.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string>
#include <unordered_set>

namespace dek::host {

std::string_view JsonNode::kind_name() const {
    switch (kind) {
        case Kind::null:
            return "null";
        case Kind::boolean:
            return "true or false";
        case Kind::integer:
        case Kind::unsigned_integer:
        case Kind::floating:
            return "a number";
        case Kind::string:
            return "a string";
        case Kind::array:
            return "an array";
        case Kind::object:
            return "an object";
    }
    return "a value";
}

std::string clipped_input(std::string_view text) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A character starts at every byte that is not a continuation byte.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (chars++ == kQuotedInputChars) return std::string(text.substr(0, i)) + "…";
    }
    return std::string(text);
}

namespace {

// The parser's message with the input it quotes ("last read: '...'") cut
// as every message cuts input.
std::string with_clipped_token(std::string_view what) {
    static constexpr std::string_view kLastRead = "last read: '";
    const std::size_t start = what.find(kLastRead);
    if (start == std::string_view::npos) return std::string(what);
    const std::size_t from = start + kLastRead.size();
    std::size_t to = what.rfind("'; expected");
    if (to == std::string_view::npos || to < from) to = what.rfind('\'');
    if (to == std::string_view::npos || to < from) to = what.size();
    return std::string(what.substr(0, from)) + clipped_input(what.substr(from, to - from)) +
           std::string(what.substr(to));
}

// Keeps the valid UTF-8 of a parser message and replaces control characters
// and stray bytes with '?', so that a message quoting bad input is safe to print.
std::string printable(std::string_view s) {
    std::string out;
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b0 = static_cast<unsigned char>(s[i]);
        std::size_t len = b0 < 0x80             ? 1
                          : (b0 & 0xE0) == 0xC0 ? 2
                          : (b0 & 0xF0) == 0xE0 ? 3
                          : (b0 & 0xF8) == 0xF0 ? 4
                                                : 0;
        bool ok = len != 0 && i + len <= s.size();
        for (std::size_t k = 1; ok && k < len; ++k) ok = (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80;
        // No overlong two-byte forms, no C1 control characters (U+0080..U+009F).
        if (ok && len == 2) ok = b0 > 0xC2 || (b0 == 0xC2 && static_cast<unsigned char>(s[i + 1]) >= 0xA0);
        if (!ok || (len == 1 && (b0 < 0x20 || b0 == 0x7F))) {
            out += '?';
            ++i;
            continue;
        }
        out.append(s.substr(i, len));
        i += len;
    }
    return out;
}

// Builds a JsonNode tree from the parser's events, noting duplicate keys and
// refusing nesting deeper than kMaxJsonDepth.
class TreeBuilder {
public:
    using json = nlohmann::json;

    explicit TreeBuilder(std::string_view text) : text_(text) {}

    JsonNode root;
    std::string error;    // set when the builder or the parser stopped
    bool syntax = false;  // the error is a fault of the JSON grammar

    bool null() { return add(JsonNode{}); }
    bool boolean(bool v) {
        JsonNode n;
        n.kind = JsonNode::Kind::boolean;
        n.boolean = v;
        return add(std::move(n));
    }
    bool number_integer(json::number_integer_t v) {
        JsonNode n;
        n.kind = JsonNode::Kind::integer;
        n.integer = v;
        return add(std::move(n));
    }
    bool number_unsigned(json::number_unsigned_t v) {
        JsonNode n;
        n.kind = JsonNode::Kind::unsigned_integer;
        n.unsigned_integer = v;
        return add(std::move(n));
    }
    bool number_float(json::number_float_t v, const json::string_t& literal) {
        JsonNode n;
        n.kind = JsonNode::Kind::floating;
        n.floating = v;
        n.integer_literal = literal.find_first_of(".eE") == std::string::npos;
        return add(std::move(n));
    }
    bool string(json::string_t& v) {
        JsonNode n;
        n.kind = JsonNode::Kind::string;
        n.string = std::move(v);
        return add(std::move(n));
    }
    bool binary(json::binary_t& /*v*/) {
        error = "binary data";  // never produced by the JSON text parser
        return false;
    }
    bool start_object(std::size_t /*elements*/) { return open(JsonNode::Kind::object); }
    bool key(json::string_t& k) {
        JsonNode& object = *open_nodes_.back();
        if (!keys_.back().insert(k).second && !object.has_duplicate) {
            object.has_duplicate = true;
            object.duplicate_key = k;
        }
        pending_key_ = std::move(k);
        return true;
    }
    bool end_object() { return close(); }
    bool start_array(std::size_t /*elements*/) { return open(JsonNode::Kind::array); }
    bool end_array() { return close(); }
    bool parse_error(std::size_t position, const std::string& last_token, const json::exception& ex) {
        if (ex.id == kNumberOverflow) {
            // Valid JSON, but beyond a double: the same fault as any number too large for its field.
            error = "number out of range " + where(position - std::min(position, last_token.size())) + ": " +
                    printable(clipped_input(last_token));
            return false;
        }
        // "[json.exception.parse_error.101] parse error at line 1, column 5: syntax error ..."
        std::string_view what = ex.what();
        if (auto at = what.find("] "); at != std::string_view::npos) what.remove_prefix(at + 2);
        if (what.substr(0, 12) == "parse error ") what.remove_prefix(12);
        error = printable(with_clipped_token(what));
        syntax = true;
        return false;
    }

private:
    static constexpr int kNumberOverflow = 406;  // nlohmann::json's out_of_range.406

    std::string_view text_;
    std::vector<JsonNode*> open_nodes_;                  // arrays and objects being filled, innermost last
    std::vector<std::unordered_set<std::string>> keys_;  // keys seen so far in each open object
    std::string pending_key_;

    // Places a finished value, or a new container, where the document puts it.
    JsonNode* place(JsonNode&& n) {
        if (open_nodes_.empty()) {
            root = std::move(n);
            return &root;
        }
        JsonNode& parent = *open_nodes_.back();
        if (parent.kind == JsonNode::Kind::array) {
            parent.items.push_back(std::move(n));
            return &parent.items.back();
        }
        parent.members.push_back(JsonMember{std::move(pending_key_), std::move(n)});
        pending_key_.clear();
        return &parent.members.back().value;
    }
    bool add(JsonNode&& n) {
        place(std::move(n));
        return true;
    }
    // "at line L, column C" of a byte offset into the text.
    std::string where(std::size_t offset) const {
        std::size_t line = 1, column = 1;
        for (std::size_t i = 0; i < offset && i < text_.size(); ++i) {
            if (text_[i] == '\n') {
                ++line;
                column = 1;
            } else {
                ++column;
            }
        }
        return "at line " + std::to_string(line) + ", column " + std::to_string(column);
    }
    bool open(JsonNode::Kind kind) {
        if (open_nodes_.size() >= kMaxJsonDepth) {
            error = "arrays and objects nested deeper than " + std::to_string(kMaxJsonDepth) + " levels";
            return false;
        }
        JsonNode n;
        n.kind = kind;
        // A container is only appended to while it is the innermost open one,
        // so the pointer to it stays valid until it is closed.
        open_nodes_.push_back(place(std::move(n)));
        if (kind == JsonNode::Kind::object) keys_.emplace_back();
        return true;
    }
    bool close() {
        if (open_nodes_.back()->kind == JsonNode::Kind::object) keys_.pop_back();
        open_nodes_.pop_back();
        return true;
    }
};

}  // namespace

JsonNode parse_json(std::string_view text) {
    TreeBuilder builder(text);
    bool ok = false;
    try {
        ok = nlohmann::json::sax_parse(text.begin(), text.end(), &builder);
    } catch (const nlohmann::json::exception& e) {
        builder.error = printable(e.what());
        builder.syntax = true;
    }
    if (!ok) throw JsonParseError(builder.error.empty() ? std::string("malformed") : builder.error, builder.syntax);
    return std::move(builder.root);
}

}  // namespace dek::host
