#pragma once

namespace kunimor {

// Word kinds as stored with a paradigm.
inline constexpr int kUndefinedKind = 0;
inline constexpr int kNoun = 1;
inline constexpr int kAdjective = 2;  // also participles and adverbs
inline constexpr int kPerfectiveVerb = 3;
inline constexpr int kImperfectiveVerb = 4;
inline constexpr int kUnchangeable = 5;

// The highest form number any kind has.
inline constexpr int kMaxFormNo = 30;

// Number of forms of a word kind: 13 for nouns, 26 for adjectives, 30 for
// verbs, 1 for unchangeable words, 0 for anything else. Half of it splits
// singular from plural nouns and plain from reflexive verb forms.
constexpr int FormCount(int kind) {
    switch (kind) {
        case kNoun: return 13;
        case kAdjective: return 26;
        case kPerfectiveVerb:
        case kImperfectiveVerb: return 30;
        case kUnchangeable: return 1;
        default: return 0;
    }
}

constexpr bool IsVerb(int kind) { return kind == kPerfectiveVerb || kind == kImperfectiveVerb; }

}  // namespace kunimor
