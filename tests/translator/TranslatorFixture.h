#pragma once

#include "ground/Language.h"
#include "ground/Alphabet.h"
#include "support/FixtureDictionary.h"
#include "support/Text.h"
#include "translator/ElementList.h"
#include "translator/SegmentationSettings.h"
#include "translator/SourceText.h"

#include <string>
#include <vector>

// The translation engine on the test dictionary, Russian to Belarusian
// unless a test switches. Leaves the engine's process-wide state as it
// found it.
class TranslatorFixture : public FixtureDictionary {
protected:
    void SetUp() override {
        FixtureDictionary::SetUp();
        Direction(kunimor::kRussian);
    }
    void TearDown() override {
        kunimor::FreeElements(kunimor::ElementList, -1);
        kunimor::ReturnCounts = false;
        Direction(kunimor::kRussian);
    }

    void Direction(int sourceLang) {
        m.SetDirection(sourceLang);
        kunimor::SetAlphabet(sourceLang);
    }

    // Adds an abbreviation of the source language (UTF-8 texts).
    void AddAbbreviation(int32_t no, const std::string& rus, const std::string& bel) {
        AddRow(m.tblAbbr(), {{kunimor::AbbrField::No, no},
                             {kunimor::AbbrField::Rus, W(rus)},
                             {kunimor::AbbrField::Bel, W(bel)}});
    }

    // The elements of the current list, as written (UTF-8).
    std::vector<std::string> Written() const {
        std::vector<std::string> words;
        for (const kunimor::TWordEl* el = kunimor::ElementList; el; el = el->Next)
            words.push_back(U(kunimor::WrittenText(*el)));
        return words;
    }
};
