#pragma once

#include "morphology/WordKind.h"
#include "morphology/FormCodes.h"
#include "support/Text.h"
#include "translator/ElementList.h"
#include "translator/SourceText.h"

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// An element list laid by hand over a text (UTF-8): every word of it, as
// cut at blanks, commas, hyphens, dashes and full stops, becomes one element
// without readings, so that SepAfter sees the gaps as written. Readings are
// given by the test. Frees the list when it goes.
class ElementBuilder {
public:
    explicit ElementBuilder(std::string_view utf8) {
        kunimor::FreeElements(kunimor::ElementList, -1);
        kunimor::SourceText = W(utf8);
        const std::string& text = kunimor::SourceText;
        kunimor::TWordEl* last = nullptr;
        for (std::size_t i = 0; i < text.size();) {
            if (IsGap(text[i])) {
                ++i;
                continue;
            }
            std::size_t end = i;
            while (end < text.size() && !IsGap(text[end])) ++end;
            last = kunimor::AppendElement(last);
            last->StartPos = static_cast<int>(i) + 1;
            last->EndPos = static_cast<int>(end) + 1;
            els_.push_back(last);
            i = end;
        }
    }
    ~ElementBuilder() { kunimor::FreeElements(kunimor::ElementList, -1); }
    ElementBuilder(const ElementBuilder&) = delete;
    ElementBuilder& operator=(const ElementBuilder&) = delete;

    kunimor::TWordEl* operator[](std::size_t i) const { return els_.at(i); }
    std::size_t size() const { return els_.size(); }

    // Appends readings to element i.
    ElementBuilder& With(std::size_t i, std::initializer_list<kunimor::TWordForm> readings) {
        for (const kunimor::TWordForm& f : readings) kunimor::AppendWordForm(els_.at(i)->Readings, f);
        return *this;
    }

private:
    static bool IsGap(char c) { return std::string_view(" ,-.:\x96\x97").find(c) != std::string_view::npos; }
    std::vector<kunimor::TWordEl*> els_;
};

// Readings with the features stem seeking gives them.
inline kunimor::TWordForm Noun(int32_t no, int form, int rodChislo) {
    kunimor::TWordForm f;
    f.WordNo = no;
    f.Kind = kunimor::kNoun;
    f.Form = static_cast<uint8_t>(form);
    f.RodChislo = static_cast<uint8_t>(rodChislo);
    f.Gender = static_cast<uint8_t>(kunimor::NounNumber(form, rodChislo));
    f.Case = static_cast<uint8_t>(kunimor::NounCase(form));
    return f;
}

inline kunimor::TWordForm Adj(int32_t no, int form, int formVar = 0) {
    kunimor::TWordForm f;
    f.WordNo = no;
    f.Kind = kunimor::kAdjective;
    f.Form = static_cast<uint8_t>(form);
    f.FormVar = static_cast<uint8_t>(formVar);
    f.Gender = static_cast<uint8_t>(kunimor::AdjGN(form));
    f.Case = static_cast<uint8_t>(kunimor::AdjCase(form));
    return f;
}

inline kunimor::TWordForm Verb(int32_t no, int form, int kind = kunimor::kImperfectiveVerb, int objCase = 4) {
    kunimor::TWordForm f;
    f.WordNo = no;
    f.Kind = static_cast<uint8_t>(kind);
    f.Form = static_cast<uint8_t>(form);
    f.Gender = static_cast<uint8_t>(kunimor::VerbGN(form));
    f.ObjCase = static_cast<uint8_t>(objCase);
    f.ObjCaseRefl = 5;
    return f;
}

// A function word; prepCases: bit c for every case it governs.
inline kunimor::TWordForm Func(int32_t no, unsigned prepCases = 0) {
    kunimor::TWordForm f;
    f.WordNo = no;
    f.Kind = kunimor::kUnchangeable;
    f.Form = 1;
    f.PrepCases = static_cast<uint8_t>(prepCases);
    return f;
}

inline kunimor::TWordForm WithGender(kunimor::TWordForm f, int gender) {
    f.Gender = static_cast<uint8_t>(gender);
    return f;
}

// An element's readings for golden tables: kind letter (n noun, a
// adjective, v verb, f function word, u other) and form, then ' for a
// derived reading and ? for an inexact one; space-separated.
inline std::string Readings(const kunimor::TWordEl* el) {
    std::string out;
    for (const kunimor::TWordForm* f = el->Readings; f; f = f->Next) {
        if (!out.empty()) out += ' ';
        switch (f->Kind) {
            case kunimor::kNoun: out += 'n'; break;
            case kunimor::kAdjective: out += 'a'; break;
            case kunimor::kPerfectiveVerb:
            case kunimor::kImperfectiveVerb: out += 'v'; break;
            case kunimor::kUnchangeable: out += 'f'; break;
            default: out += 'u'; break;
        }
        out += std::to_string(f->Form);
        if (f->IsDerived) out += '\'';
        if (f->Inexact) out += '?';
    }
    return out;
}

// Bit c for each case given.
inline unsigned CaseSet(std::initializer_list<int> cases) {
    unsigned set = 0;
    for (int c : cases) set |= 1u << c;
    return set;
}
