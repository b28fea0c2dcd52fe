// The commands of the `dek2018` executable, one function each, run with
// their parsed command line; those that print, render or show a dialog also
// with the print module, loaded before they run.
#pragma once

#include "dek2018/module.h"
#include "host/cli.h"

namespace dek::host {

// Exit statuses: 0 success, 1 an error shown during printing, 2 bad input or usage.
int cmd_check(const Invocation& args);
int cmd_sample(const Invocation& args);
int cmd_render(const Invocation& args, api::Module& module);
int cmd_dialog(const Invocation& args, api::Module& module);
int cmd_print(const Invocation& args, api::Module& module);
int cmd_preview(const Invocation& args, api::Module& module);
int cmd_demo(const Invocation& args, api::Module& module);

}  // namespace dek::host
