#include "store/ScrambledStream.h"

#include "ground/Error.h"

#include <cstring>
#include <fstream>

namespace kunimor {

namespace {
constexpr size_t kBufferSize = 32768;
}

ScrambledWriter::ScrambledWriter(const std::string& path) : path_(path) {
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_) throw Error("Cannot create file " + path + ": " + std::strerror(errno));
    buffer_.reserve(kBufferSize);
}

ScrambledWriter::~ScrambledWriter() {
    if (file_) std::fclose(file_);
}

void ScrambledWriter::Flush() {
    if (!buffer_.empty() && std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size())
        failed_ = true;
    buffer_.clear();
}

void ScrambledWriter::WriteRaw(const void* data, size_t n) {
    const auto* p = static_cast<const unsigned char*>(data);
    if (buffer_.size() + n > kBufferSize) Flush();
    buffer_.insert(buffer_.end(), p, p + n);
}

void ScrambledWriter::WriteItem(const void* data, size_t n) {
    const auto* p = static_cast<const unsigned char*>(data);
    if (buffer_.size() + n > kBufferSize) Flush();
    size_t i = 0;
    for (; i + 1 < n; i += 2) {
        const uint16_t w = static_cast<uint16_t>((p[i] | p[i + 1] << 8) ^ key_);
        ++key_;
        buffer_.push_back(static_cast<unsigned char>(w & 0xFF));
        buffer_.push_back(static_cast<unsigned char>(w >> 8));
    }
    if (i < n) buffer_.push_back(p[i]);
}

void ScrambledWriter::WriteNumber(uint32_t value, size_t n) {
    unsigned char b[4];
    for (size_t i = 0; i < n; ++i) b[i] = static_cast<unsigned char>(value >> (8 * i));
    WriteItem(b, n);
}

void ScrambledWriter::Finish() {
    Flush();
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (failed_ || !closed) throw Error("Cannot write file " + path_);
}

ScrambledReader::ScrambledReader(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) throw Error("Cannot open file " + path);
    // One read of the whole file: the dictionary's largest tables are megabytes.
    const std::streamoff size = in.tellg();
    if (size < 0) throw Error("Cannot read file " + path);
    data_.resize(static_cast<size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(data_.data()), size) || in.gcount() != size)
        throw Error("Cannot read file " + path);
}

void ScrambledReader::Need(size_t n) const {
    if (n > Left()) throw Error("Stream read error: unexpected end of file at offset " + std::to_string(data_.size()));
}

void ScrambledReader::ReadRaw(void* out, size_t n) {
    Need(n);
    std::memcpy(out, data_.data() + pos_, n);
    pos_ += n;
}

void ScrambledReader::ReadItem(void* out, size_t n) {
    Need(n);
    auto* o = static_cast<unsigned char*>(out);
    const unsigned char* p = data_.data() + pos_;
    size_t i = 0;
    for (; i + 1 < n; i += 2) {
        const uint16_t w = static_cast<uint16_t>((p[i] | p[i + 1] << 8) ^ key_);
        ++key_;
        o[i] = static_cast<unsigned char>(w & 0xFF);
        o[i + 1] = static_cast<unsigned char>(w >> 8);
    }
    if (i < n) o[i] = p[i];
    pos_ += n;
}

int64_t ScrambledReader::ReadNumber(size_t n) {
    unsigned char b[4];
    ReadItem(b, n);
    uint32_t v = 0;
    bool allOnes = true;
    for (size_t i = 0; i < n; ++i) {
        v |= uint32_t{b[i]} << (8 * i);
        allOnes = allOnes && b[i] == 0xFF;
    }
    return allOnes ? -1 : static_cast<int64_t>(v);
}

unsigned char ScrambledReader::PeekByte() {
    Need(1);
    return data_[pos_];
}

}  // namespace kunimor
