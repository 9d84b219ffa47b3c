// scratch_folder.h: a folder of a test's own under $TMPDIR (default /tmp),
// made with mkdtemp, so tests running side by side never meet, and removed
// with all it holds when the test is done.
#pragma once

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

class ScratchFolder {
public:
    ScratchFolder()
    {
        const char* temporary = getenv("TMPDIR");
        path = std::string(temporary && *temporary ? temporary : "/tmp") + "/bowling-test.XXXXXX";
        if (!mkdtemp(path.data()))
            throw std::system_error(errno, std::generic_category(), "mkdtemp " + path);
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string operator/(const std::string& name) const { return path + "/" + name; }

    std::string path;
};
