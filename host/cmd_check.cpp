#include <cstdio>

#include "host/commands.h"
#include "host/return_file.h"

namespace dek::host {

// dek2018 check FILE: loads the return file; prints "FILE: PIT-37" (the form,
// PIT-36S etc. for an enterprise in inheritance) or the error.
int cmd_check(const Invocation& args) {
    const std::string& file = args.arguments().at(0);
    try {
        const ReturnFile r = load_return_file(file);
        std::printf("%s: %s\n", file.c_str(), form_title(r.form, r.data).c_str());
        return 0;
    } catch (const ReturnFileError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    }
}

}  // namespace dek::host
