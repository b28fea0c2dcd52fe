// Writes the manual page dek2018(1), made from the command line's own help
// texts, to the file named: the build runs it, so the page never drifts
// from `dek2018 --help`.
#include <cstdio>

#include "host/cli.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: dek2018_manpage OUT\n", stderr);
        return 2;
    }
    std::FILE* out = std::fopen(argv[1], "wb");
    if (out == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    const std::string page = dek::host::manual_page();
    const bool written = std::fwrite(page.data(), 1, page.size(), out) == page.size();
    if (std::fclose(out) != 0 || !written) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
