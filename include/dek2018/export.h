// What the module's shared library exports: the public API only, every other
// symbol of the library stays hidden.
#pragma once

#define DEK2018_EXPORT __attribute__((visibility("default")))
