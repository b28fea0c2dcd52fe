#include "report/description.h"

#include <cstdlib>

namespace dek::report {

std::vector<Statement> read_statements(std::string_view text, const std::string& file) {
    std::vector<Statement> out;
    int line_no = 0;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        auto eol = text.find('\n', pos);
        if (eol == std::string_view::npos) eol = text.size();
        std::string_view line = text.substr(pos, eol - pos);
        pos = eol + 1;
        ++line_no;
        Statement st;
        st.line = line_no;
        std::size_t i = 0;
        while (i < line.size()) {
            char c = line[i];
            if (c == ' ' || c == '\t' || c == '\r') {
                ++i;
            } else if (c == '#') {
                break;
            } else if (c == '"') {
                Token t;
                t.quoted = true;
                ++i;
                bool closed = false;
                while (i < line.size()) {
                    char q = line[i++];
                    if (q == '"') {
                        closed = true;
                        break;
                    }
                    if (q == '\\' && i < line.size()) q = line[i++];
                    t.text += q;
                }
                if (!closed) throw DescriptionError(file + ":" + std::to_string(line_no) + ": unclosed quote");
                st.words.push_back(std::move(t));
            } else {
                Token t;
                while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' && line[i] != '"')
                    t.text += line[i++];
                st.words.push_back(std::move(t));
            }
        }
        if (!st.words.empty()) out.push_back(std::move(st));
        if (eol == text.size()) break;
    }
    return out;
}

void StatementReader::fail(const std::string& what) const {
    throw DescriptionError(file_ + ":" + std::to_string(s_.line) + ": " + what);
}

const Token& StatementReader::next(const char* what) {
    if (done()) fail(std::string("missing ") + what);
    return s_.words[at_++];
}

std::string StatementReader::word(const char* what) {
    const Token& t = next(what);
    if (t.quoted) fail(std::string("expected ") + what + ", got a quoted text");
    return t.text;
}

std::string StatementReader::quoted(const char* what) {
    const Token& t = next(what);
    if (!t.quoted) fail(std::string("expected ") + what + " in double quotes, got " + t.text);
    return t.text;
}

int StatementReader::integer(const char* what) {
    std::string w = word(what);
    char* end = nullptr;
    long v = std::strtol(w.c_str(), &end, 10);
    if (w.empty() || *end != '\0' || v < -100000 || v > 100000) fail(std::string("bad ") + what + ": " + w);
    return static_cast<int>(v);
}

double StatementReader::number(const char* what) {
    std::string w = word(what);
    char* end = nullptr;
    double v = std::strtod(w.c_str(), &end);
    if (w.empty() || *end != '\0') fail(std::string("bad ") + what + ": " + w);
    return v;
}

std::vector<Token> StatementReader::rest() {
    std::vector<Token> r(s_.words.begin() + static_cast<long>(at_), s_.words.end());
    at_ = s_.words.size();
    return r;
}

}  // namespace dek::report
