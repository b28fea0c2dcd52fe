#include <cstdio>

#include "host/commands.h"
#include "host/return_file.h"

namespace dek::host {

// dek2018 check FILE: loads the return file; prints "FILE: PIT-37" (the form,
// PIT-36S etc. for an enterprise in inheritance) or the error.
int cmd_check(const Args& args) {
    if (args.size() != 1) {
        std::fputs("usage: dek2018 check FILE\n", stderr);
        return 2;
    }
    try {
        const ReturnFile r = load_return_file(args[0]);
        std::printf("%s: %s\n", args[0].c_str(), form_title(r.form, r.data).c_str());
        return 0;
    } catch (const ReturnFileError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    }
}

}  // namespace dek::host
