#include "ground/TranslationRequest.h"

namespace kunimor {
namespace {

constexpr std::string_view kRequestMagic = "KNMQ";
constexpr std::string_view kReplyMagic = "KNMA";

void AppendLength(std::string& out, std::size_t length) {
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((length >> shift) & 0xFF);
}

// Magic, the given number of single bytes, length and text.
struct THeader {
    std::string_view fields;
    std::string_view text;
};

TFrameState ReadFrame(std::string_view bytes, std::string_view magic, std::size_t fieldCount, THeader& header,
                      std::size_t& consumed) {
    const std::size_t fixed = magic.size() + fieldCount + 4;
    const std::size_t known = std::min(bytes.size(), magic.size());
    if (bytes.substr(0, known) != magic.substr(0, known)) return TFrameState::Malformed;
    if (bytes.size() < fixed) return TFrameState::Incomplete;
    std::uint32_t length = 0;
    for (int i = 3; i >= 0; --i)
        length = length << 8 | static_cast<unsigned char>(bytes[magic.size() + fieldCount + static_cast<std::size_t>(i)]);
    if (length > kMaxRequestText) return TFrameState::Malformed;
    if (bytes.size() < fixed + length) return TFrameState::Incomplete;
    header.fields = bytes.substr(magic.size(), fieldCount);
    header.text = bytes.substr(fixed, length);
    consumed = fixed + length;
    return TFrameState::Complete;
}

}  // namespace

std::string EncodeRequest(const TTranslationRequest& request) {
    std::string out(kRequestMagic);
    out += static_cast<char>(request.kind);
    out += static_cast<char>(request.direction);
    AppendLength(out, request.text.size());
    return out + request.text;
}

std::string EncodeReply(const TTranslationReply& reply) {
    std::string out(kReplyMagic);
    out += static_cast<char>(reply.status);
    AppendLength(out, reply.text.size());
    return out + reply.text;
}

TFrameState DecodeRequest(std::string_view bytes, TTranslationRequest& request, std::size_t& consumed) {
    THeader header;
    const TFrameState state = ReadFrame(bytes, kRequestMagic, 2, header, consumed);
    if (state != TFrameState::Complete) return state;
    const char kind = header.fields[0];
    if (kind != static_cast<char>(TRequestKind::Translate) && kind != static_cast<char>(TRequestKind::OpenFile))
        return TFrameState::Malformed;
    request.kind = static_cast<TRequestKind>(kind);
    const auto direction = static_cast<std::uint8_t>(header.fields[1]);
    request.direction = direction == 1 || direction == 2 ? static_cast<TRequestDirection>(direction)
                                                         : TRequestDirection::Detect;
    request.text = header.text;
    return TFrameState::Complete;
}

TFrameState DecodeReply(std::string_view bytes, TTranslationReply& reply, std::size_t& consumed) {
    THeader header;
    const TFrameState state = ReadFrame(bytes, kReplyMagic, 1, header, consumed);
    if (state != TFrameState::Complete) return state;
    const auto status = static_cast<std::uint8_t>(header.fields[0]);
    if (status > static_cast<std::uint8_t>(TReplyStatus::Failed)) return TFrameState::Malformed;
    reply.status = static_cast<TReplyStatus>(status);
    reply.text = header.text;
    return TFrameState::Complete;
}

std::string ReplyText(std::string_view requestText, std::string_view translation) {
    const std::string_view lineBreak = requestText.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";
    std::string out;
    out.reserve(translation.size() + 2);
    for (std::size_t i = 0; i < translation.size(); ++i) {
        const char c = translation[i];
        if (c == '\r' && i + 1 < translation.size() && translation[i + 1] == '\n') continue;
        if (c == '\n') out += lineBreak;
        else out += c;
    }
    const bool wantsBreak = !requestText.empty() && requestText.back() == '\n';
    const bool hasBreak = !out.empty() && out.back() == '\n';
    if (wantsBreak && !hasBreak) out += lineBreak;
    if (!wantsBreak && hasBreak) out.resize(out.size() - lineBreak.size());
    return out;
}

}  // namespace kunimor
