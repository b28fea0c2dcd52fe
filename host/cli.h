// The command line of `dek2018`: its commands with their arguments, options
// and help texts, and the parsing of a command's arguments. The same texts
// make `--help` and the manual page, so the two never drift apart.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace dek::host {

struct OptionSpec {
    std::string_view name;   // "out": given as --out
    std::string_view value;  // "DIR"; empty for an option that takes none
    std::string_view help;   // what it does, one sentence or two
};

struct CommandSpec {
    std::string_view name;       // "print"
    std::string_view usage;      // the arguments after the name: "FILE --out DIR [--settings SFILE]"
    std::string_view summary;    // one line
    std::string_view details;    // paragraphs, separated by blank lines
    std::string_view arguments;  // the positional arguments' name in help: "FILE"
    int min_arguments = 0;
    int max_arguments = 0;  // -1: no limit
    std::vector<OptionSpec> options;
};

// Every command, in the order the help lists them.
const std::vector<CommandSpec>& commands();
const CommandSpec* find_command(std::string_view name);

// "dek2018 0.1".
std::string version_line();
// `dek2018 --help`: what the program is and its commands, one line each.
std::string program_help();
// `dek2018 COMMAND --help`: usage, what the command does, its options.
std::string command_help(const CommandSpec& command);
// "usage: dek2018 COMMAND ARGS": the line a usage error repeats.
std::string usage_line(const CommandSpec& command);
// The manual page dek2018(1) in roff, from the texts above.
std::string manual_page();

// A command's arguments as parsed: its positional arguments, and each
// option given with its values in order (an option without value: one empty
// value per use).
class Invocation {
public:
    Invocation(const CommandSpec& command, std::vector<std::string> arguments,
               std::map<std::string, std::vector<std::string>, std::less<>> options)
        : command_(&command), arguments_(std::move(arguments)), options_(std::move(options)) {}

    const CommandSpec& command() const { return *command_; }
    const std::vector<std::string>& arguments() const { return arguments_; }
    bool has(std::string_view option) const { return options_.find(option) != options_.end(); }
    // The value of the option's last use; empty when it is not given.
    std::optional<std::string> value(std::string_view option) const;
    // The values of every use, in order.
    std::vector<std::string> values(std::string_view option) const;

private:
    const CommandSpec* command_;
    std::vector<std::string> arguments_;
    std::map<std::string, std::vector<std::string>, std::less<>> options_;
};

// The outcome of parsing a command line that is not to run a command:
// help printed (exit 0), the version asked for (left to the caller, which
// loads the module to name it), or a usage error (exit 2) with the
// command's usage on standard error and nothing else done.
struct ParseExit {
    int status;
    bool version = false;  // --version: the caller says it, with the module it loads
};

// A usage error found by a command itself (a value out of range, options
// that do not go together): "dek2018 COMMAND: WHY" and the command's usage
// on standard error. Returns 2, the exit status.
int usage_error(const CommandSpec& command, std::string_view why);

// Parses `dek2018 ARGS...` (argv[0] is the program). Help and usage errors
// are written here and come back as a ParseExit, as does --version (marked
// so, for the caller to say); otherwise the command to run with its
// arguments.
std::variant<Invocation, ParseExit> parse_command_line(int argc, const char* const* argv);

}  // namespace dek::host
