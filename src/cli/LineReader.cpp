#include "cli/LineReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <utility>

#include "cli/LineUnits.h"
#include "ground/Error.h"

namespace kunimor::cli {
namespace {

constexpr std::size_t kReadSize = 64 * 1024;

bool IsLineFeed(std::string_view s, std::size_t pos, std::size_t unit) { return UnitChar(s, pos, unit) == '\n'; }

}  // namespace

TLineReader::TLineReader(int fd, std::size_t unitSize, std::size_t maxLine, std::function<void()> beforeWait)
    : fd_(fd), unit_(unitSize), maxLine_(std::max(maxLine / unitSize * unitSize, unitSize)), beforeWait_(std::move(beforeWait)) {}

TLineReader::TLineReader(std::string text, std::size_t unitSize, std::size_t maxLine)
    : TLineReader(-1, unitSize, maxLine, {}) {
    buffer_ = std::move(text);
    atEnd_ = true;
}

bool TLineReader::Fill() {
    if (atEnd_) return false;
    buffer_.erase(0, pos_);
    pos_ = 0;
    if (beforeWait_) beforeWait_();
    const std::size_t had = buffer_.size();
    buffer_.resize(had + kReadSize);
    ssize_t got;
    do got = ::read(fd_, buffer_.data() + had, kReadSize);
    while (got < 0 && errno == EINTR);
    if (got < 0) throw Error(std::string("cannot read the input: ") + std::strerror(errno));
    buffer_.resize(had + static_cast<std::size_t>(got));
    atEnd_ = got == 0;
    return got > 0;
}

void TLineReader::SkipPrefix(std::string_view prefix) {
    while (buffer_.size() - pos_ < prefix.size() && Fill()) {}
    if (std::string_view(buffer_).substr(pos_).starts_with(prefix)) pos_ += prefix.size();
}

std::size_t TLineReader::CutPoint(std::size_t length) const {
    const std::string_view part = std::string_view(buffer_).substr(pos_);
    // after a space in the second half of the part, so that no word is cut
    for (std::size_t cut = length; cut > length / 2; cut -= unit_) {
        if (UnitChar(part, cut - unit_, unit_) == ' ') return cut;
    }
    std::size_t cut = length;
    if (unit_ == 1) {
        // not inside a UTF-8 sequence: the next part must not start with a continuation byte
        for (int back = 0; back < 3 && cut > 1 && (static_cast<unsigned char>(part[cut]) & 0xC0) == 0x80; ++back) --cut;
    } else if (const auto high = static_cast<unsigned char>(part[cut - 1]); cut > 2 && high >= 0xD8 && high <= 0xDB) {
        cut -= 2;  // not between the halves of a surrogate pair, unless the part holds nothing else
    }
    return cut;
}

bool TLineReader::Next(std::string& line) {
    std::size_t scanned = pos_;
    for (;;) {
        while (scanned + unit_ <= buffer_.size()) {
            if (IsLineFeed(buffer_, scanned, unit_)) {
                line.assign(buffer_, pos_, scanned + unit_ - pos_);
                pos_ = scanned + unit_;
                return true;
            }
            // A full part is cut only once the unit after it is there and is
            // no line feed, wherever the reads happened to end.
            if (scanned - pos_ >= maxLine_) {
                const std::size_t cut = CutPoint(scanned - pos_);
                line.assign(buffer_, pos_, cut);
                pos_ += cut;
                return true;
            }
            scanned += unit_;
        }
        const std::size_t offset = scanned - pos_;
        if (!Fill()) break;
        scanned = pos_ + offset;
    }
    if (pos_ >= buffer_.size()) return false;
    line.assign(buffer_, pos_);
    pos_ = buffer_.size();
    return true;
}

}  // namespace kunimor::cli
