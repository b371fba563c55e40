#pragma once
// Shared between the importer and the verb-pair induction: monolingual lemmas
// and bilingual pairs, all text in Windows-1251, lemmas in lower case, "ё" as "е".

#include <string>
#include <vector>

namespace kunimor::import {

struct TLemma {            // one monolingual lemma of a language with a few forms that identify it
    std::string Lemma;     // dictionary form
    int Kind = 0;          // WordKind.h codes: 1 noun, 2 adjective, 3 perfective verb, 4 imperfective verb, 5 function word
    std::vector<std::string> ProbeForms;  // verbs: present/future 3rd person singular, past masculine (empty string if missing)
};

struct TLemmaPair {         // a translation pair between a Russian and a Belarusian lemma
    std::string Ru, Be;
    int Kind = 0;
    double Score = 0;       // induced pairs: match quality (lower is better); curated: 0
};

}  // namespace kunimor::import
