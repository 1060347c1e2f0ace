// Where the media tools are: beside the test program's build, whatever the environment says.
#pragma once

#include <string>
#include <unistd.h>

#include "tests/support/test_support.h"

// The build folder's tools/ holds tessoli-media and tessoli-pack; the test program lives in the
// same build's tests/, which serves when the environment does not name the build.
inline std::string tool_path(const std::string& name) {
    std::string from_env = build_dir() + "/tools/" + name;
    if (access(from_env.c_str(), X_OK) == 0)
        return from_env;
    char self[4096];
    ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0)
        return from_env;
    std::string exe(self, static_cast<std::size_t>(n));
    std::string build = exe.substr(0, exe.rfind('/'));
    build = build.substr(0, build.rfind('/'));
    return build + "/tools/" + name;
}
