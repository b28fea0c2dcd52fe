// dek2018: the stand-in for the host application of the print module.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string_view>

#include "host/commands.h"

namespace {

struct Command {
    std::string_view name;
    int (*run)(const dek::host::Args&);
    std::string_view usage;
};

const Command kCommands[] = {
    {"check", dek::host::cmd_check, "check FILE                      validate a return file"},
    {"sample", dek::host::cmd_sample, "sample [NAME]                   print a built-in sample return (no NAME: list)"},
    {"render", dek::host::cmd_render,
     "render FILE --page CLASS [--nrp N] [--nr N] [--ilb N] [--nrsp N] --out OUT [--dpi N] [--outline]"},
    {"dialog", dek::host::cmd_dialog, "dialog FILE [--settings SFILE] [--out DIR]"},
    {"print", dek::host::cmd_print,
     "print FILE --out DIR [--settings SFILE] [--printer NAME] [--click NAME]... [--cancel N[,N...]]"},
    {"demo", dek::host::cmd_demo, "demo [--out DIR]                print every sheet of the built-in samples"},
};

int usage() {
    std::fputs("usage: dek2018 COMMAND ...\n", stderr);
    for (const auto& c : kCommands)
        std::fprintf(stderr, "  dek2018 %.*s\n", static_cast<int>(c.usage.size()), c.usage.data());
    return 2;
}

// Everything a command wrote to standard output must have reached it: a
// full disk or a closed stream is an error (status 1), said on standard
// error, whatever the command returned.
int finish_output(int status) {
    int error = 0;
    if (std::fflush(stdout) != 0) error = errno;
    std::cout.flush();  // the same stream: written through stdout
    const bool failed = error != 0 || std::ferror(stdout) != 0 || !std::cout.good();
    if (!failed) return status;
    // A write that failed before the end took its reason with it.
    if (error != 0)
        std::fprintf(stderr, "dek2018: cannot write to standard output: %s\n", std::strerror(error));
    else
        std::fputs("dek2018: cannot write to standard output\n", stderr);
    return status != 0 ? status : 1;
}

}  // namespace

int main(int argc, char** argv) {
    // Output is written in one piece at the end when it fits the buffer, so
    // that a failing write is seen there with its reason.
    static char buffer[1 << 20];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    if (argc < 2) return usage();
    const std::string_view name = argv[1];
    for (const auto& c : kCommands) {
        if (c.name == name) return finish_output(c.run(dek::host::Args(argv + 2, argv + argc)));
    }
    return usage();
}
