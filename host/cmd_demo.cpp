#include <cstdio>

#include "host/commands.h"

namespace dek::host {

int cmd_demo(const Args& /*args*/) {
    std::fputs("dek2018 demo: not available in this build\n", stderr);
    return 2;
}

}  // namespace dek::host
