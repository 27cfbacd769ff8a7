#pragma once

#include <cstdio>
#include <memory>

namespace tessellon {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// A C stream closed when the handle goes.
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

} // namespace tessellon
