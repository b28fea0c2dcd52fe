// dek2018: the stand-in for the host application of the print module.
#include <cstdio>
#include <cstring>
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
    {"preview", dek::host::cmd_preview, "preview FILE [--settings SFILE] [--out DIR] [--grab OUT.png]"},
    {"demo", dek::host::cmd_demo, "demo [--out DIR]                print every sheet of the built-in samples"},
};

int usage() {
    std::fputs("usage: dek2018 COMMAND ...\n", stderr);
    for (const auto& c : kCommands)
        std::fprintf(stderr, "  dek2018 %.*s\n", static_cast<int>(c.usage.size()), c.usage.data());
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string_view name = argv[1];
    for (const auto& c : kCommands) {
        if (c.name == name) return c.run(dek::host::Args(argv + 2, argv + argc));
    }
    return usage();
}
