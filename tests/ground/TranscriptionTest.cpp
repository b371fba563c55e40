#include "ground/Transcription.h"

#include <gtest/gtest.h>

namespace kunimor {
namespace {

struct TCase {
    TTranscription how;
    const char* cyrillic;
    const char* latin;
};

class TranscriptionTest : public ::testing::TestWithParam<TCase> {};

TEST_P(TranscriptionTest, WritesTheLettersAndKeepsTheRest) {
    EXPECT_EQ(Transcribe(GetParam().cyrillic, GetParam().how), GetParam().latin);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TranscriptionTest,
    ::testing::Values(
        // The Latin script with its context rules; ASCII keys pass untouched.
        TCase{TTranscription::BelarusianLatin, "actNew.Caption=Новы", "actNew.Caption=Novy"},
        TCase{TTranscription::BelarusianLatin, "сям'я, ЖЫЦЦЁ", "siamja, ŽYCCIO"},
        // What Windows-1251 lacks splits the runs and stays itself.
        TCase{TTranscription::BelarusianLatin, "Бел → Рус ✓", "Bieł → Rus ✓"},
        // Capitals: "Zh" before small letters, "ZH" among capitals.
        TCase{TTranscription::RussianTranslit, "Жук ЖУК щи", "Zhuk ZHUK shchi"},
        TCase{TTranscription::RussianTranslit, "Гора, подъезд", "Gora, pod\"ezd"},
        // The same letters by each language's rules.
        TCase{TTranscription::BelarusianTranslit, "Гара, ўсё", "Hara, wsyo"},
        TCase{TTranscription::UkrainianTranslit, "Гора, ґанок, Їжак, є, ми", "Hora, ganok, Yizhak, ye, my"},
        // A malformed byte is copied, not lost.
        TCase{TTranscription::UkrainianTranslit, "a\xC3(б", "a\xC3(b"}));

}  // namespace
}  // namespace kunimor
