// Reading the page description files: one statement per line, words separated
// by blanks, texts in double quotes ("numer PESEL  " keeps its blanks; \" and
// \\ escape), '#' starts a comment outside quotes. Errors name the file and
// the line.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace dek::report {

class DescriptionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Token {
    std::string text;
    bool quoted = false;
};

struct Statement {
    int line = 0;
    std::vector<Token> words;
};

// Splits a description into statements (blank and comment lines left out).
std::vector<Statement> read_statements(std::string_view text, const std::string& file);

// Helpers for the parsers: each throws DescriptionError naming file and line.
class StatementReader {
public:
    StatementReader(const Statement& s, const std::string& file) : s_(s), file_(file) {}
    [[noreturn]] void fail(const std::string& what) const;
    bool done() const { return at_ >= s_.words.size(); }
    const Token& next(const char* what);
    std::string word(const char* what);    // an unquoted word
    std::string quoted(const char* what);  // a quoted text
    int integer(const char* what);
    double number(const char* what);
    // The remaining words: flags and key=value options.
    std::vector<Token> rest();

private:
    const Statement& s_;
    const std::string& file_;
    std::size_t at_ = 0;
};

}  // namespace dek::report
