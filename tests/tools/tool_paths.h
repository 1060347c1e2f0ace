// Where the media tools are: the build folder's tools/.
#pragma once

#include <string>

#include "tests/support/test_support.h"

inline std::string tool_path(const std::string& name) {
    return build_dir() + "/tools/" + name;
}
