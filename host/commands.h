// The commands of the `dek2018` executable, one function each.
#pragma once

#include <string>
#include <vector>

namespace dek::host {

using Args = std::vector<std::string>;  // the arguments after the command's name

// Exit statuses: 0 success, 1 an error shown during printing, 2 bad input or usage.
int cmd_check(const Args& args);
int cmd_sample(const Args& args);
int cmd_render(const Args& args);
int cmd_dialog(const Args& args);
int cmd_print(const Args& args);
int cmd_preview(const Args& args);
int cmd_demo(const Args& args);

}  // namespace dek::host
