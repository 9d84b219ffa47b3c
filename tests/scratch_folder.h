// scratch_folder.h: a folder of a test's own under $TMPDIR (default /tmp),
// made with mkdtemp, so tests running side by side never meet, and removed
// with all it holds when the test is done.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

struct ScratchFolder {
    std::string path = std::string(getenv("TMPDIR") ? getenv("TMPDIR") : "/tmp") + "/bowling-test.XXXXXX";

    ScratchFolder()
    {
        if (!mkdtemp(path.data()))
            throw std::runtime_error("cannot make a folder like " + path);
    }
    ~ScratchFolder()
    {
        std::error_code ignored;  // a destructor must not throw
        std::filesystem::remove_all(path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;

    std::string operator/(const std::string& name) const { return path + "/" + name; }
};
