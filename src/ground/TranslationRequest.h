#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kunimor {

// Translation requests that other programs send to the running desktop
// program over its local socket, and the program's replies.
//
// Framing (all lengths little-endian, texts UTF-8 without a byte-order mark):
//   request: "KNMQ", one byte kind, one byte direction, four bytes length n,
//            n bytes of text;
//   reply:   "KNMA", one byte status, four bytes length n, n bytes of text.
// Kind 'T' asks for the translation of the text; kind 'O' asks the program to
// open the file whose path is the text (a second copy started with a file
// hands it over this way). Direction 1 is Russian to Belarusian, 2 Belarusian
// to Russian, anything else lets the program choose from the text. A reply
// with status Ok carries the translation (or nothing, for 'O'); any other
// status carries a message for the user.
// A text longer than kMaxRequestText is refused by the reader: the frame is
// then malformed and the connection is dropped.

// The desktop program's server is named this prefix followed by the user's
// numeric id; its socket lies in $TMPDIR (or /tmp) under that name.
inline constexpr std::string_view kRequestServerPrefix = "kunimor-";

inline constexpr std::uint32_t kMaxRequestText = 64u * 1024u * 1024u;

enum class TRequestKind : char { Translate = 'T', OpenFile = 'O' };
enum class TRequestDirection : std::uint8_t { Detect = 0, RusToBel = 1, BelToRus = 2 };
enum class TReplyStatus : std::uint8_t { Ok = 0, Busy = 1, Failed = 2 };

struct TTranslationRequest {
    TRequestKind kind = TRequestKind::Translate;
    TRequestDirection direction = TRequestDirection::Detect;
    std::string text;
};

struct TTranslationReply {
    TReplyStatus status = TReplyStatus::Ok;
    std::string text;
};

std::string EncodeRequest(const TTranslationRequest& request);
std::string EncodeReply(const TTranslationReply& reply);

// The outcome of reading a frame from the bytes received so far.
enum class TFrameState { Incomplete, Complete, Malformed };

// Reads one frame from the start of bytes; when Complete, consumed says how
// many bytes it took. Unknown kinds and statuses are malformed.
TFrameState DecodeRequest(std::string_view bytes, TTranslationRequest& request, std::size_t& consumed);
TFrameState DecodeReply(std::string_view bytes, TTranslationReply& reply, std::size_t& consumed);

// The reply text for a request: the translation with the request's line
// break style (CR LF when the request has one, else LF), ending in one line
// break exactly when the request ends with one. Only a trailing line break is
// ever taken away, never a letter.
std::string ReplyText(std::string_view requestText, std::string_view translation);

}  // namespace kunimor
