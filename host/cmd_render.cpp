#include <cstdio>

#include "host/commands.h"

namespace dek::host {

int cmd_render(const Args& /*args*/) {
    std::fputs("dek2018 render: not available in this build\n", stderr);
    return 2;
}

}  // namespace dek::host
