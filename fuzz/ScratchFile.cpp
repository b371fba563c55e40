#include "ScratchFile.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>

ScratchFile::ScratchFile(std::string_view bytes) {
    std::string pattern = (std::filesystem::temp_directory_path() / "kunimor-fuzz-XXXXXX").string();
    const int fd = mkstemp(pattern.data());
    if (fd < 0) throw std::runtime_error("cannot make a scratch file");
    path_ = pattern;
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    close(fd);
}

ScratchFile::~ScratchFile() { std::filesystem::remove(path_); }
