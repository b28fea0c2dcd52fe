#include "host/cli.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <cstdio>

namespace dek::host {

namespace {

constexpr std::string_view kProgram = "dek2018";

// Texts shared by the commands that show a print dialog.
constexpr OptionSpec kSettings{"settings", "SFILE",
                               "The settings file, a record of 1024 bytes, that keeps the blank-sheet choice. "
                               "Without it: $XDG_CONFIG_HOME/dek2018/rekster.dat (or ~/.config/dek2018/rekster.dat), "
                               "made with the defaults when missing. A named file that does not exist is not made: "
                               "writing a changed choice back to it fails."};
constexpr OptionSpec kNoFit{"no-fit", "",
                            "Prints at 100 % on every printer, also into the margin a printer says it cannot print; "
                            "without it a CUPS printer's sheets are scaled into its printable area."};
constexpr OptionSpec kPdfFolder{"out", "DIR",
                                "The folder of the printer \"Zapis do pliku PDF\", which writes each sheet to a PDF "
                                "file of its own: 01-TF_w37181.pdf, 02-TF_w37182.pdf, ... (default ./wydruki)."};

// The page classes of each form's print job, as `render` takes them.
#define DEK_PIT37_PAGES                                                                                   \
    "TF_w37181, TF_w37182, TF_w37183, TF_w37184, TF_wo18_1, TF_wo18_2, TF_wo18_3, TF_wo18_4, TF_wd18_1, " \
    "TF_wd18_2, TF_w2k18_1"
#define DEK_PIT36_PAGES                                                                                    \
    "TF_w36181, TF_w36182, TF_w36183, TF_w36184, TF_w36185, TF_w36186, TF_w36187, TF_wb18_1, TF_wb18_2, "  \
    "TF_wo18_1, TF_wo18_2, TF_wo18_3, TF_wo18_4, TF_wd18_1, TF_wd18_2, TF_wm18_1, TF_w2k18_1, TF_wz18_1, " \
    "TF_wz18_2, TF_wzg18_1, TF_wbr18_1, TF_wbr18_2, TF_wds18_1, TF_wds18_2"
#define DEK_PIT36L_PAGES                                                                               \
    "TF_w36l18_1, TF_w36l18_2, TF_w36l18_3, TF_w36l18_4, TF_wb18_1, TF_wb18_2, TF_wz18_1, TF_wz18_2, " \
    "TF_wzg18_1, TF_wbr18_1, TF_wbr18_2, TF_wds18_1, TF_wds18_2"
#define DEK_PIT28_PAGES                                                                                  \
    "TF_w2818_1, TF_w2818_2, TF_w2818_3, TF_w2818_4, TF_w28a18_1, TF_w28b18_1, TF_w28b18_2, TF_wo18_1, " \
    "TF_wo18_2, TF_wo18_3, TF_wd18_1, TF_wd18_2, TF_w2k18_1"

const std::vector<CommandSpec> kCommands{
    {"check",
     "FILE",
     "validate a return file",
     "Loads the return file and prints \"FILE: PIT-37\" (the form; PIT-36S and the like for an enterprise in "
     "inheritance). A bad file: the error, naming the file and the field, on standard error and exit status 2.",
     "FILE",
     1,
     1,
     {}},
    {"sample",
     "[NAME]",
     "print a built-in sample return",
     "Writes the built-in sample return NAME (pit37, pit36, pit36l, pit28) as JSON to standard output; without "
     "NAME lists the names, one a line.",
     "[NAME]",
     0,
     1,
     {}},
    {"render",
     "FILE --page CLASS [--nrp N] [--nr N] [--ilb N] [--nrsp N] --out OUT [--dpi N] [--outline]",
     "one page filled from a return file, as PDF or PNG",
     "Fills the page of class CLASS (TF_w37181, TF_wo18_1, ...) from FILE and writes it as OUT, a PDF or PNG file "
     "by its extension. A page with variant fields needs their values, as a print job gives them. A PIT-28 "
     "return's PIT/O, PIT/D and PIT-2K pages are filled from the PIT-28 return, as its print job fills them.\n\n"
     "CLASS is a page the return's print job prints; a page of another form is refused. The pages of each form, in "
     "the order its job prints them:\n\n"
     "PIT-37: " DEK_PIT37_PAGES "\n\n"
     "PIT-36: " DEK_PIT36_PAGES "\n\n"
     "PIT-36L: " DEK_PIT36L_PAGES "\n\n"
     "PIT-28: " DEK_PIT28_PAGES,
     "FILE",
     1,
     1,
     {{"page", "CLASS", "The page class to fill."},
      {"nrp", "N", "Variant field nrp: the person, 1 the taxpayer, 2 the spouse."},
      {"nr", "N", "Variant field nr: the first entry of a PIT/B sheet set."},
      {"ilb", "N", "Variant field ilb: the number of PIT/B sheet sets."},
      {"nrsp", "N", "Variant field nrsp: the partnership of a PIT-28/B page."},
      {"out", "OUT", "The file to write, ending in .pdf or .png."},
      {"dpi", "N", "Dots per inch of a PNG, 10 to 1200 (default 150)."},
      {"outline", "", "Draws every element's rectangle and name over the page."}}},
    {"dialog",
     "FILE [--settings SFILE] [--out DIR] [--no-fit]",
     "the return's print dialog on screen",
     "Shows the return's print dialog as the host application shows it: tick the sheets, pick a printer, press "
     "\"Drukuj\" and confirm each sheet's prompt. The printers are the system's CUPS printers and \"Zapis do pliku "
     "PDF\".",
     "FILE",
     1,
     1,
     {kSettings, kPdfFolder, kNoFit}},
    {"print",
     "FILE... (--out DIR | --pdf OUT.pdf | --pdf-dir DIR) [--pdfa] [--settings SFILE] [--printer NAME] "
     "[--click NAME]... [--cancel N[,N...]] [--no-fit]",
     "the print dialog and its job without a screen",
     "Runs the return's print dialog as a user would: clicks the components named by --click in order (a disabled "
     "or hidden one does nothing), presses \"Drukuj\" and confirms every sheet's prompt except those numbered by "
     "--cancel. Standard output is the transcript, one line per event: PROMPT <caption> | <text>, SHEET <n> "
     "<class> [nrp=.. nr=.. ilb=.. nrsp=..], INFO <message>, ERROR <message>.\n\n"
     "With --pdf every printed sheet is a page of one PDF document, OUT.pdf, in the job's order, bookmarked with "
     "the sheet's name (\"PIT-37 1/4\", \"PIT/ZG 1/1 (małżonek)\", \"PIT/B 1/2 (zestaw 2)\"); it is the only "
     "printer. When no sheet is printed, OUT.pdf is not written.\n\n"
     "Several FILEs are printed in turn with the same options, each into a folder of its own, DIR/<name of the "
     "file without extension>/, or with --pdf-dir as DIR/<name>.pdf; each file's transcript is preceded by FILE "
     "<path>. A file that does not load is reported on standard error and skipped. Two files of the same name are "
     "refused before anything prints. While standard error is a terminal it shows the progress (\"12/340 "
     "plik.json\").",
     "FILE",
     1,
     -1,
     {{"out", "DIR",
       "The folder of the printer \"Zapis do pliku PDF\": each sheet a PDF file of its own (01-TF_w37181.pdf, ...); "
       "with several FILEs in DIR/<name>/."},
      {"pdf", "OUT.pdf", "One PDF document of every printed sheet, bookmarked; one FILE only."},
      {"pdf-dir", "DIR", "One PDF document per FILE, DIR/<name>.pdf; DIR is made when missing."},
      {"pdfa", "", "With --pdf or --pdf-dir: archive copies, written as PDF/A-1b and declaring it in their metadata."},
      kSettings,
      {"printer", "NAME", "With --out: the printer the dialog starts on (a CUPS queue or \"Zapis do pliku PDF\")."},
      {"click", "NAME", "Clicks the dialog's component NAME (kl_zmust, chbox_st_1, ChB_niezadr, ...); repeatable."},
      {"cancel", "N[,N...]", "Answers Cancel to these prompts, counted from 1 in each file."},
      kNoFit}},
    {"preview",
     "FILE [--settings SFILE] [--out DIR] [--grab OUT.png]",
     "the sheets of a return in a preview window",
     "Shows every sheet the return's print dialog offers, as it will print, in a window with page, zoom and fit "
     "tools; \"Drukuj…\" opens the return's print dialog.",
     "FILE",
     1,
     1,
     {kSettings,
      kPdfFolder,
      {"grab", "OUT.png",
       "Makes the window without a screen, saves it as a PNG once the first sheet shows, and "
       "ends."}}},
    {"demo",
     "[--out DIR]",
     "every sheet of every built-in sample to PDF files",
     "Prints every sheet of each built-in sample through its print dialog to PDF files, one folder per sample "
     "(DIR/pit37/01-TF_w37181.pdf, ...).",
     "",
     0,
     0,
     {{"out", "DIR", "The folder (default ./wydruki)."}}},
};

constexpr OptionSpec kHelp{"help", "", "Shows this help."};

constexpr std::string_view kExitStatus =
    "0 success; 1 an error was shown while printing (the transcript's ERROR line) or an output could not be "
    "written; 2 a bad return file, bad arguments or a refused file.";

// The return file's format, for the manual page: paragraphs, and an example
// (indented by four blanks) printed as it stands.
constexpr std::string_view kReturnFileFormat[] = {
    "A return file is a UTF-8 JSON object. The example below is a PIT-37 return with its PIT/D and PIT/O "
    "attachments; dek2018 sample NAME prints a complete return of each form.",
    "    {\n"
    "      \"form\": \"PIT-37\",\n"
    "      \"rekdek\": { \"nip\": \"5260250274\", \"rok\": 2018,\n"
    "                  \"podatnik\": { \"nazw\": \"Kowalski\", \"im\": \"Jan\", \"dur\": \"1978-09-14\" },\n"
    "                  \"ilzal\": {\"2\": 1, \"5\": 1}, \"pito\": { \"odl\": {\"1\": 8733.21} } },\n"
    "      \"rek_uz\": { \"zwrot\": 1112.0 },\n"
    "      \"wsp_z_malz\": [1]\n"
    "    }",
    "\"form\" is required: \"PIT-37\", \"PIT-36\", \"PIT-36L\" or \"PIT-28\". PIT-36S, PIT-36LS and PIT-28S are "
    "the same forms with the record's spadek flag set (rekdek.spadek, rek28.spadek).",
    "\"rekdek\" (the return record), \"rek28\" (the PIT-28 return), \"rek_uz\" and \"rek01\" hold the records by "
    "their field names, nested records as objects (\"podatnik\", \"malzonek\"). Every key is optional: an omitted "
    "field is zero, false or empty. An unknown key, a key given twice and a value of the wrong type are errors. "
    "\"zal28\" (PIT-28 only) holds the PIT-28 return's own PIT/O, PIT/D and PIT-2K data.",
    "Arrays are JSON arrays, whose position i is the field's declared index low + i, or objects keyed by declared "
    "indices: {\"8\": 100.0} sets element 8 of p[8..18], and \"ilzal\": {\"2\": 1} the count of attachment 2. An "
    "index outside the declared bounds, and an array longer than the field, are errors.",
    "Amounts are JSON numbers. A 6-byte real field takes magnitudes below 2^33 = 8589934592 (8589934591.99 is the "
    "largest), where every amount with two decimals prints exactly as given; zal44 takes magnitudes below 2^40; a "
    "single (4-byte) field takes only amounts it holds to the grosz (every two-decimal one below 2^17 = 131072). "
    "Anything larger is refused. Amounts print rounded half away from zero on the decimal as written: 1.005 prints "
    "1,01.",
    "Texts are JSON strings of at most the field's width, in characters of Windows-1250 only; nr_dek_refer takes "
    "at most 64. Dates are \"YYYY-MM-DD\" or \"\" (none). Flags are true or false; bytes and integers whole "
    "numbers within the field's range.",
    "\"wsp_z_malz\" lists the taxation-method codes (rekdek.sp_opod) that mean joint taxation (default [1]). "
    "\"dr_dek_ref\" (true or false) and \"nr_dek_refer\" print the electronic filing's reference number.",
    "An error names the file, the path of the field (rekdek.dochody[2].zr[9].prz) and what is wrong, as \"FILE: "
    "PATH: PROBLEM\" on standard error, and the command exits with status 2."};

// `text` broken into lines of at most `width` columns, each after `indent`
// blanks but the first, which takes `first` (the indent unless given); a
// line feed in the text starts a new line.
std::string wrap(std::string_view text, std::size_t indent, std::size_t width = 79,
                 std::optional<std::size_t> first = std::nullopt) {
    bool first_line = true;
    std::string out;
    std::size_t column = 0;
    auto columns = [](std::string_view word) {
        std::size_t n = 0;
        for (unsigned char c : word) n += (c & 0xC0) != 0x80 ? 1 : 0;  // UTF-8 characters
        return n;
    };
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == '\n') {
            out += '\n';
            column = 0;
            first_line = false;
            ++at;
            continue;
        }
        if (text[at] == ' ') {
            ++at;
            continue;
        }
        std::size_t end = text.find_first_of(" \n", at);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view word = text.substr(at, end - at);
        if (column > 0 && column + 1 + columns(word) > width) {
            out += '\n';
            column = 0;
            first_line = false;
        }
        if (column == 0) {
            const std::size_t blanks = first_line && first ? *first : indent;
            out.append(blanks, ' ');
            column = blanks;
        } else {
            out += ' ';
            ++column;
        }
        out += word;
        column += columns(word);
        at = end;
    }
    return out + "\n";
}

std::string option_label(const OptionSpec& option) {
    std::string label = (option.name == "help" ? "-h, --" : "--") + std::string(option.name);
    if (!option.value.empty()) label += " " + std::string(option.value);
    return label;
}

// Roff text: backslashes escaped, minus signs as such, no line taken for a request.
std::string roff(std::string_view text) {
    std::string out;
    bool line_start = true;
    for (char c : text) {
        if (line_start && (c == '.' || c == '\'')) out += "\\&";
        if (c == '\\') {
            out += "\\e";
        } else if (c == '-') {
            out += "\\-";
        } else {
            out += c;
        }
        line_start = c == '\n';
    }
    return out;
}

}  // namespace

const std::vector<CommandSpec>& commands() { return kCommands; }

const CommandSpec* find_command(std::string_view name) {
    for (const CommandSpec& c : kCommands) {
        if (c.name == name) return &c;
    }
    return nullptr;
}

std::string version_line() { return std::string(kProgram) + " " + DEK2018_VERSION; }

std::string usage_line(const CommandSpec& command) {
    return "usage: " + std::string(kProgram) + " " + std::string(command.name) + " " + std::string(command.usage);
}

std::string program_help() {
    std::string out = "usage: dek2018 COMMAND [ARGS...]\n       dek2018 COMMAND --help\n       dek2018 --version\n\n";
    out += wrap(
        "Prints the 2018 Polish personal-income-tax returns (PIT-37, PIT-36, PIT-36L, PIT-28 and their "
        "attachments) on blank A4 sheets: each sheet the official form with the return's values over its boxes. "
        "A return is read from a JSON file.",
        0);
    out += "\nCommands:\n";
    for (const CommandSpec& c : kCommands) {
        std::string name(c.name);
        name.resize(10, ' ');
        out += "  " + name + std::string(c.summary) + "\n";
    }
    out += "\nExit status:\n" + wrap(kExitStatus, 2);
    return out;
}

std::string command_help(const CommandSpec& command) {
    // The usage's further lines under its arguments.
    const std::size_t hanging = std::string_view("usage: dek2018 ").size() + command.name.size() + 1;
    std::string out = wrap(usage_line(command), hanging, 79, 0) + "\n";
    std::string summary(command.summary);
    if (!summary.empty() && summary[0] >= 'a' && summary[0] <= 'z')
        summary[0] = static_cast<char>(summary[0] - 'a' + 'A');
    out += wrap(summary + ".", 0) + "\n";
    std::string_view details = command.details;
    while (!details.empty()) {
        const std::size_t end = std::min(details.find("\n\n"), details.size());
        out += wrap(details.substr(0, end), 0) + "\n";
        details = end == details.size() ? std::string_view() : details.substr(end + 2);
    }
    out += "Options:\n";
    std::vector<OptionSpec> options = command.options;
    options.push_back(kHelp);
    for (const OptionSpec& o : options) out += "  " + option_label(o) + "\n" + wrap(o.help, 6);
    return out;
}

std::string manual_page() {
    std::string out = ".TH DEK2018 1 \"\" \"" + roff(version_line()) + "\" \"User Commands\"\n";
    out += ".SH NAME\ndek2018 \\- print the 2018 Polish personal income tax returns on blank sheets\n";
    out += ".SH SYNOPSIS\n";
    for (const CommandSpec& c : kCommands) out += ".B dek2018 " + roff(c.name) + "\n" + roff(c.usage) + "\n.br\n";
    out += ".B dek2018\n\\-\\-help | \\-\\-version\n";
    out += ".SH DESCRIPTION\n" +
           roff(
               "dek2018 prints the 2018 Polish personal-income-tax returns (PIT-37, PIT-36, PIT-36L, PIT-28 and "
               "their attachments) on blank A4 sheets: each sheet the official form with the return's values laid "
               "over its boxes, through the return's print dialog, as the host application shows it. A return is "
               "read from a UTF-8 JSON file; dek2018 sample shows one of each form.") +
           "\n";
    out += ".SH COMMANDS\n";
    for (const CommandSpec& c : kCommands) {
        out += ".SS \"dek2018 " + roff(c.name) + "\"\n" + roff(c.summary) + ".\n.PP\n";
        std::string_view details = c.details;
        while (!details.empty()) {
            const std::size_t end = std::min(details.find("\n\n"), details.size());
            out += roff(details.substr(0, end)) + "\n.PP\n";
            details = end == details.size() ? std::string_view() : details.substr(end + 2);
        }
        std::vector<OptionSpec> options = c.options;
        options.push_back(kHelp);
        for (const OptionSpec& o : options) {
            out += ".TP\n.B " + roff(option_label(o)) + "\n" + roff(o.help) + "\n";
        }
    }
    out += ".SH RETURN FILES\n";
    for (std::string_view paragraph : kReturnFileFormat) {
        if (paragraph.starts_with("    ")) {
            out += ".PP\n.nf\n.RS 4\n" + roff(paragraph) + "\n.RE\n.fi\n";
        } else {
            out += ".PP\n" + roff(paragraph) + "\n";
        }
    }
    out += ".SH EXIT STATUS\n" + roff(kExitStatus) + "\n";
    out += ".SH ENVIRONMENT\n.TP\n.B DEK2018_SCANS\n" +
           roff(
               "A folder of scans of the official 2018 pages, named after the page class (TF_w37181.png, "
               "TF_w37182.jpg, ...), printed in place of the drawn backgrounds.") +
           "\n.TP\n.B XDG_CONFIG_HOME\n" + roff("Where the default settings file is kept.") +
           "\n.TP\n.B CUPS_SERVER\n" + roff("The CUPS server whose printers are offered.") + "\n";
    out += ".SH FILES\n.TP\n.I ~/.config/dek2018/rekster.dat\n" +
           roff("The settings file: the blank-sheet choice of each print dialog.") + "\n";
    return out;
}

std::optional<std::string> Invocation::value(std::string_view option) const {
    const auto it = options_.find(option);
    if (it == options_.end() || it->second.empty()) return std::nullopt;
    return it->second.back();
}

std::vector<std::string> Invocation::values(std::string_view option) const {
    const auto it = options_.find(option);
    return it == options_.end() ? std::vector<std::string>{} : it->second;
}

int usage_error(const CommandSpec& command, std::string_view why) {
    std::fprintf(stderr, "dek2018 %s: %.*s\n%s\n(dek2018 %s --help tells more)\n", std::string(command.name).c_str(),
                 static_cast<int>(why.size()), why.data(), usage_line(command).c_str(),
                 std::string(command.name).c_str());
    return 2;
}

namespace {

// A usage error before a command is known: no command, or none of that name.
int program_usage_error(const std::string& why) {
    std::fprintf(stderr, "dek2018: %s\n", why.c_str());
    std::fputs("usage: dek2018 COMMAND [ARGS...]  (dek2018 --help lists the commands)\n", stderr);
    return 2;
}

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The option as the user typed it ("--bogus", "-x"), up to any "=value".
std::string typed_option(const QStringList& list, const QString& name) {
    for (qsizetype i = 1; i < list.size(); ++i) {
        const QString arg = list[i];
        if (arg == QLatin1String("--")) break;
        const QString option = arg.section(QLatin1Char('='), 0, 0);
        qsizetype dashes = 0;
        while (dashes < option.size() && option[dashes] == QLatin1Char('-')) ++dashes;
        if (dashes > 0 && option.mid(dashes) == name) return option.toLatin1().toStdString();
    }
    return (name.size() == 1 ? "-" : "--") + name.toLatin1().toStdString();
}

// The parser's complaint in the program's own words, as every message of
// the program is written: lower case, the option as typed ("unknown option
// --bogus", "missing value after --out").
std::string parse_error(const QCommandLineParser& parser, const QStringList& list) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) return "unknown option " + typed_option(list, unknown.front());
    // "Missing value after '--out'.", "Unexpected value after '--outline'.".
    std::string text = parser.errorText().toLatin1().toStdString();
    if (text.ends_with('.')) text.pop_back();
    if (const auto quote = text.find(" '"); quote != std::string::npos && text.ends_with('\''))
        text = text.substr(0, quote) + " " + text.substr(quote + 2, text.size() - quote - 3);
    if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z') text[0] = static_cast<char>(text[0] - 'A' + 'a');
    return text;
}

}  // namespace

std::variant<Invocation, ParseExit> parse_command_line(int argc, const char* const* argv) {
    const std::string_view first = argc > 1 ? argv[1] : "";
    if (first == "--help" || first == "-h") {
        std::fputs(program_help().c_str(), stdout);
        return ParseExit{0};
    }
    if (first == "--version") return ParseExit{0, true};
    if (argc < 2) return ParseExit{program_usage_error("no command given")};
    const CommandSpec* command = find_command(first);
    if (command == nullptr) return ParseExit{program_usage_error("no command " + std::string(first))};

    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    // "-out" is the option out, as "--out" is, never the letters o, u and t.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    std::vector<OptionSpec> options = command->options;
    options.push_back(kHelp);
    for (const OptionSpec& o : options) {
        QStringList names{qs(o.name)};
        if (o.name == "help") names.prepend(QStringLiteral("h"));
        parser.addOption(QCommandLineOption(names, qs(o.help), qs(o.value)));
    }
    // Each byte of an argument is one character to the parser, and back:
    // file names that are not UTF-8 come through unchanged.
    QStringList list{qs(kProgram)};
    for (int i = 2; i < argc; ++i) list << QString::fromLatin1(argv[i]);
    if (!parser.parse(list)) return ParseExit{usage_error(*command, parse_error(parser, list))};
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(command_help(*command).c_str(), stdout);
        return ParseExit{0};
    }

    std::vector<std::string> arguments;
    for (const QString& a : parser.positionalArguments()) arguments.push_back(a.toLatin1().toStdString());
    const int n = static_cast<int>(arguments.size());
    if (n < command->min_arguments)
        return ParseExit{usage_error(*command, command->min_arguments == 1
                                                   ? "no " + std::string(command->arguments) + " given"
                                                   : "too few arguments")};
    if (command->max_arguments >= 0 && n > command->max_arguments)
        return ParseExit{usage_error(
            *command, "unexpected argument " + arguments[static_cast<std::size_t>(command->max_arguments)])};

    std::map<std::string, std::vector<std::string>, std::less<>> given;
    for (const OptionSpec& o : command->options) {
        const QString name = qs(o.name);
        if (!parser.isSet(name)) continue;
        std::vector<std::string>& values = given[std::string(o.name)];
        if (o.value.empty()) {
            values.emplace_back();
        } else {
            for (const QString& v : parser.values(name)) values.push_back(v.toLatin1().toStdString());
        }
    }
    return Invocation(*command, std::move(arguments), std::move(given));
}

}  // namespace dek::host
