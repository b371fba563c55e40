#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace kunimor {

// Dictionary files hide their multi-byte items behind a running 16-bit key:
// each 16-bit little-endian word of an item is XORed with the key, which then
// grows by one; the odd last byte of an item stays as it is. Reader and writer
// must make the same sequence of item calls.
constexpr uint16_t kScrambleKey0 = 0x3D9A;

class ScrambledWriter {
public:
    explicit ScrambledWriter(const std::string& path);
    ~ScrambledWriter();
    ScrambledWriter(const ScrambledWriter&) = delete;
    ScrambledWriter& operator=(const ScrambledWriter&) = delete;

    void WriteRaw(const void* data, size_t n);    // outside the scrambled sequence
    void WriteItem(const void* data, size_t n);   // one scrambled item
    void WriteNumber(uint32_t value, size_t n);   // low n bytes as one item
    void Finish();                                // flushes; throws when the disk refused

private:
    void Flush();
    std::string path_;
    std::FILE* file_ = nullptr;
    std::vector<unsigned char> buffer_;
    uint16_t key_ = kScrambleKey0;
    bool failed_ = false;
};

class ScrambledReader {
public:
    // Reads the whole file; throws Error when it cannot be read.
    explicit ScrambledReader(const std::string& path);

    size_t Size() const { return data_.size(); }
    size_t Position() const { return pos_; }
    size_t Left() const { return data_.size() - pos_; }

    void ReadRaw(void* out, size_t n);
    void ReadItem(void* out, size_t n);
    // n bytes as one item, little-endian; all bytes 0xFF read as -1.
    int64_t ReadNumber(size_t n);
    unsigned char PeekByte();  // the next single-byte item, not consumed

private:
    void Need(size_t n) const;
    std::vector<unsigned char> data_;
    size_t pos_ = 0;
    uint16_t key_ = kScrambleKey0;
};

}  // namespace kunimor
