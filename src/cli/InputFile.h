#pragma once

#include <string>

struct stat;

namespace kunimor::cli {

// An input of a command, open for reading until the object goes: a file,
// or standard input for "-". Opening fails with an Error naming the file.
class TInputFile {
public:
    explicit TInputFile(const std::string& name);
    ~TInputFile();
    TInputFile(const TInputFile&) = delete;
    TInputFile& operator=(const TInputFile&) = delete;

    int Fd() const { return fd_; }
    const std::string& Name() const { return name_; }
    bool IsStandardInput() const { return name_ == "-"; }

    // Whether the input is the same regular file as the one open as fd, or
    // as the one at path.
    bool IsSameFile(int fd) const;
    bool IsSameFile(const std::string& path) const;

private:
    bool IsSameFile(const struct stat& other) const;

    std::string name_;
    int fd_;
};

}  // namespace kunimor::cli
