#include "editing/TailRules.h"

#include "ground/Error.h"
#include "ground/PathText.h"
#include "store/FileSetCommit.h"

#include <algorithm>
#include <fstream>

namespace kunimor {

namespace {

constexpr size_t kLongestEnding = 7;

std::string Pattern(std::string_view ending) { return "_" + std::string(ending) + "_"; }

}  // namespace

TTailRules TTailRules::Load(const std::filesystem::path& file) {
    TTailRules rules;
    std::ifstream in(file, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) rules.Lines.push_back(line);
    }
    return rules;
}

void TTailRules::Save(const std::filesystem::path& file) const {
    FileSetCommit commit(file.parent_path());
    const std::filesystem::path staged = commit.Stage(file.filename().string());
    {
        std::ofstream out(staged, std::ios::binary | std::ios::trunc);
        for (const std::string& line : Lines) out << line << "\r\n";
        out.flush();
        if (!out) throw Error(PathText(file) + ": cannot be written");
    }
    commit.Commit();
}

TTailGuess TTailRules::Guess(std::string& text, int& kind,
                             const std::function<bool(const std::string&)>& hasPrefix) const {
    TTailGuess guess;
    if (text.size() >= 3) {
        for (size_t length = std::min(kLongestEnding, text.size() - 1); length >= 2 && !guess.applied; --length) {
            const std::string pattern = Pattern(std::string_view(text).substr(text.size() - length));
            for (size_t i = 0; i < Lines.size(); ++i) {
                const std::string& line = Lines[i];
                const size_t eq = line.find('=');
                const size_t at = line.find(pattern);
                if (eq == std::string::npos || eq < 2 || at == std::string::npos || at < eq) continue;
                text = text.substr(0, text.size() - length) + line.substr(2, eq - 2);
                kind = line[0] - '0';
                if (kind == 3 || kind == 4) {
                    bool prefixed = false;
                    for (size_t n = text.size() - 1; n >= 1 && !prefixed; --n) prefixed = hasPrefix(text.substr(0, n));
                    kind = prefixed ? 3 : 4;
                }
                guess = {true, static_cast<int>(i), static_cast<int>(length), at, kind, {}};
                break;
            }
        }
    }
    guess.received = text;
    return guess;
}

void TTailRules::RemoveTypedEnding(size_t i, size_t position, size_t length) {
    std::string& line = Lines[i];
    line.erase(position, length);
    const size_t eq = line.find('=');
    if (eq == std::string::npos || line.size() - eq - 1 <= 2) Lines.erase(Lines.begin() + static_cast<long>(i));
    Changed = true;
}

void TTailRules::Learn(const TTailGuess& guess, const std::string& confirmed, int kind) {
    const std::string& received = guess.received;
    if (guess.applied && (confirmed != received || kind != guess.kind)) {
        if (guess.line >= 0 && static_cast<size_t>(guess.line) < Lines.size())
            RemoveTypedEnding(static_cast<size_t>(guess.line), guess.position, static_cast<size_t>(guess.length) + 1);
        return;
    }
    const size_t n = std::min(received.size(), confirmed.size());
    if (n <= 2 || kind < 1 || kind > 5) return;
    size_t p = 0;  // from 0
    while (p < n - 3 && received[p] == confirmed[p]) ++p;
    if (received.size() - p > kLongestEnding) return;
    const std::string canonical = confirmed.substr(p);
    const std::string typed = received.substr(p);
    Changed = true;
    const std::string key = std::to_string(kind) + "-" + canonical + "=";
    const std::string pattern = Pattern(typed);
    for (size_t i = 0; i < Lines.size(); ++i) {
        const size_t at = Lines[i].find(pattern, Lines[i].find('='));
        if (at == std::string::npos) continue;
        if (Lines[i].starts_with(key)) return;
        RemoveTypedEnding(i, at, typed.size() + 1);
        break;
    }
    const auto rule = std::find_if(Lines.begin(), Lines.end(), [&](const std::string& l) { return l.starts_with(key); });
    if (rule != Lines.end()) *rule += typed + "_";
    else Lines.push_back(key + pattern);
}

}  // namespace kunimor
