#include "cli/InputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "ground/Error.h"
#include "ground/PathText.h"

namespace kunimor::cli {

TInputFile::TInputFile(const std::string& name) : name_(name), fd_(STDIN_FILENO) {
    if (IsStandardInput()) return;
    fd_ = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) throw Error(PathText(name) + ": " + std::strerror(errno));
    struct stat st {};
    if (::fstat(fd_, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd_);
        throw Error(PathText(name) + ": is a folder");
    }
}

TInputFile::~TInputFile() {
    if (!IsStandardInput()) ::close(fd_);
}

bool TInputFile::IsSameFile(const struct stat& other) const {
    struct stat mine {};
    return ::fstat(fd_, &mine) == 0 && S_ISREG(mine.st_mode) && mine.st_dev == other.st_dev &&
           mine.st_ino == other.st_ino;
}

bool TInputFile::IsSameFile(int fd) const {
    struct stat other {};
    return ::fstat(fd, &other) == 0 && IsSameFile(other);
}

bool TInputFile::IsSameFile(const std::string& path) const {
    struct stat other {};
    return ::stat(path.c_str(), &other) == 0 && IsSameFile(other);
}

}  // namespace kunimor::cli
