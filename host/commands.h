// The commands of the `dek2018` executable, one function each, run with
// their parsed command line.
#pragma once

#include "host/cli.h"

namespace dek::host {

// Exit statuses: 0 success, 1 an error shown during printing, 2 bad input or usage.
int cmd_check(const Invocation& args);
int cmd_sample(const Invocation& args);
int cmd_render(const Invocation& args);
int cmd_dialog(const Invocation& args);
int cmd_print(const Invocation& args);
int cmd_preview(const Invocation& args);
int cmd_demo(const Invocation& args);

}  // namespace dek::host
