#include "dictionary/TagCodes.h"

namespace kunimor {

namespace {

uint16_t Bits(int16_t tag) { return static_cast<uint16_t>(tag); }
int16_t FromBits(unsigned bits) { return static_cast<int16_t>(static_cast<uint16_t>(bits)); }

int SwapFlags4And8(int flags) {
    return (flags & 3) | (flags & 4 ? 8 : 0) | (flags & 8 ? 4 : 0);
}

}  // namespace

WordTagFields DecodeWordTag(int kind, int16_t tag) {
    const uint16_t t = Bits(tag);
    WordTagFields f;
    f.firstWord = t & 1;
    f.theme = static_cast<uint8_t>(t >> 8);
    switch (kind) {
    case kNoun:
        f.a = (t >> 1) & 3;
        f.b = (t >> 3) & 1;
        f.c = (t >> 4) & 1;
        break;
    case kPerfectiveVerb:
    case kImperfectiveVerb:
        f.a = (t >> 1) & 7;
        f.b = (t >> 4) & 7;
        break;
    case kUnchangeable:
        f.a = (t >> 1) & 0x7F;
        break;
    default:
        break;
    }
    return f;
}

int16_t EncodeWordTag(int kind, const WordTagFields& f) {
    unsigned t = (f.firstWord ? 1u : 0u) | unsigned{f.theme} << 8;
    switch (kind) {
    case kNoun:
        t |= (f.a & 3u) << 1 | (f.b ? 1u : 0u) << 3 | (f.c ? 1u : 0u) << 4;
        break;
    case kPerfectiveVerb:
    case kImperfectiveVerb:
        t |= (f.a & 7u) << 1 | (f.b & 7u) << 4;
        break;
    case kUnchangeable:
        t |= (f.a & 0x7Fu) << 1;
        break;
    default:
        break;
    }
    return FromBits(t);
}

int NounGender(int rodChislo, int16_t tag) {
    const int override = DecodeWordTag(kNoun, tag).a;
    return override != 0 ? override : rodChislo;
}

int LinkPriority(int16_t tag, int targetLang) {
    return targetLang == kBelarusian ? (Bits(tag) >> 2) & 3 : Bits(tag) & 3;
}

void SetLinkPriority(int16_t& tag, int targetLang, int priority) {
    const unsigned shift = targetLang == kBelarusian ? 2 : 0;
    tag = FromBits((Bits(tag) & ~(3u << shift)) | (static_cast<unsigned>(priority) & 3u) << shift);
}

int LinkFlags(int16_t tag, int targetLang) {
    const int flags = (Bits(tag) >> 4) & 15;
    return targetLang == kBelarusian ? SwapFlags4And8(flags) : flags;
}

void SetLinkFlags(int16_t& tag, int targetLang, int flags) {
    if (targetLang == kBelarusian) flags = SwapFlags4And8(flags);
    tag = FromBits((Bits(tag) & 0x0Fu) | (static_cast<unsigned>(flags) & 15u) << 4);
}

void SetLinkCrossCode(int16_t& tag, int code) {
    tag = FromBits((Bits(tag) & 0x8Fu) | (static_cast<unsigned>(code) & 7u) << 4);
}

void SetLinkCrossFlag(int16_t& tag, bool flag) {
    tag = FromBits((Bits(tag) & 0x7Fu) | (flag ? 0x80u : 0u));
}

}  // namespace kunimor
