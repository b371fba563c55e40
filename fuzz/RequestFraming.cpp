// The framing of translation requests and replies on the desktop program's
// local socket, read from whatever a client sends. A frame read whole is no
// longer than what arrived and encodes back to one that reads the same.
#include "FuzzCheck.h"

#include "ground/TranslationRequest.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kunimor;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::size_t consumed = 0;
    TTranslationRequest request;
    if (DecodeRequest(bytes, request, consumed) == TFrameState::Complete) {
        FUZZ_CHECK(consumed <= bytes.size());
        TTranslationRequest again;
        std::size_t againConsumed = 0;
        const std::string encoded = EncodeRequest(request);
        FUZZ_CHECK(DecodeRequest(encoded, again, againConsumed) == TFrameState::Complete);
        FUZZ_CHECK(againConsumed == encoded.size() && again.kind == request.kind &&
                   again.direction == request.direction && again.text == request.text);
        ReplyText(request.text, request.text);
    }
    TTranslationReply reply;
    if (DecodeReply(bytes, reply, consumed) == TFrameState::Complete) {
        FUZZ_CHECK(consumed <= bytes.size());
        TTranslationReply again;
        std::size_t againConsumed = 0;
        const std::string encoded = EncodeReply(reply);
        FUZZ_CHECK(DecodeReply(encoded, again, againConsumed) == TFrameState::Complete);
        FUZZ_CHECK(againConsumed == encoded.size() && again.status == reply.status && again.text == reply.text);
    }
    return 0;
}
