#include "import/AttTransducer.h"

#include "ground/Error.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <unordered_map>
#include <vector>

namespace kunimor::import {

namespace {

struct Arc {
    int target;
    std::string input, output;
};

// States are renumbered densely in the order the text names them (the start
// state 0 first), so the tables grow with the lines read, never with the
// size of a state number.
struct Section {
    std::vector<std::vector<Arc>> arcs;
    std::vector<bool> final;
    std::unordered_map<int, int> denseOf;

    int Dense(int state) {
        if (arcs.empty() && state != 0) Dense(0);
        const auto [it, added] = denseOf.try_emplace(state, static_cast<int>(arcs.size()));
        if (added) {
            arcs.emplace_back();
            final.push_back(false);
        }
        return it->second;
    }
};

// HFST escapes of lt-print -H.
std::string Symbol(std::string_view s) {
    if (s == "@0@" || s == "@_EPSILON_SYMBOL_@") return {};
    if (s == "@_SPACE_@") return " ";
    if (s == "@_TAB_@") return "\t";
    return std::string(s);
}

int ParseState(std::string_view s, int line) {
    int v = 0;
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || p != s.data() + s.size() || v < 0)
        throw Error("ATT text line " + std::to_string(line) + ": bad state \"" + std::string(s) + "\"");
    return v;
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
    std::vector<std::string_view> f;
    size_t start = 0;
    while (true) {
        const size_t tab = line.find('\t', start);
        f.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) break;
        start = tab + 1;
    }
    return f;
}

// States in a strongly connected component with a cycle (Tarjan, iterative).
std::vector<bool> CyclicStates(const Section& s) {
    const int n = static_cast<int>(s.arcs.size());
    std::vector<int> index(n, -1), low(n, 0);
    std::vector<bool> onStack(n, false), cyclic(n, false);
    std::vector<int> stack;
    int counter = 0;
    struct Frame { int state; size_t arc; };
    for (int root = 0; root < n; ++root) {
        if (index[root] >= 0) continue;
        std::vector<Frame> calls{{root, 0}};
        index[root] = low[root] = counter++;
        stack.push_back(root);
        onStack[root] = true;
        while (!calls.empty()) {
            Frame& f = calls.back();
            const auto& arcs = s.arcs[f.state];
            if (f.arc < arcs.size()) {
                const int t = arcs[f.arc++].target;
                if (t == f.state) cyclic[t] = true;
                if (index[t] < 0) {
                    index[t] = low[t] = counter++;
                    stack.push_back(t);
                    onStack[t] = true;
                    calls.push_back({t, 0});
                } else if (onStack[t]) {
                    low[f.state] = std::min(low[f.state], index[t]);
                }
                continue;
            }
            const int v = f.state;
            calls.pop_back();
            if (!calls.empty()) low[calls.back().state] = std::min(low[calls.back().state], low[v]);
            if (low[v] != index[v]) continue;
            std::vector<int> component;
            int w;
            do {
                w = stack.back();
                stack.pop_back();
                onStack[w] = false;
                component.push_back(w);
            } while (w != v);
            if (component.size() > 1)
                for (int c : component) cyclic[c] = true;
        }
    }
    return cyclic;
}

// States from which a final state can be reached. Walking only these keeps
// the work proportional to the entries given, even where dead-end paths
// would multiply.
std::vector<bool> LiveStates(const Section& s) {
    const size_t n = s.arcs.size();
    std::vector<std::vector<int>> sources(n);
    for (size_t from = 0; from < n; ++from)
        for (const Arc& a : s.arcs[from]) sources[a.target].push_back(static_cast<int>(from));
    std::vector<bool> live = s.final;
    std::vector<int> todo;
    for (size_t st = 0; st < n; ++st)
        if (live[st]) todo.push_back(static_cast<int>(st));
    while (!todo.empty()) {
        const int st = todo.back();
        todo.pop_back();
        for (int from : sources[st])
            if (!live[from]) {
                live[from] = true;
                todo.push_back(from);
            }
    }
    return live;
}

int EnumerateSection(const Section& s, const AttEntryProc& proc) {
    if (s.arcs.empty()) return 0;
    const std::vector<bool> cyclic = CyclicStates(s);
    const int skipped = static_cast<int>(std::count(cyclic.begin(), cyclic.end(), true));
    if (cyclic[0]) return skipped;
    const std::vector<bool> live = LiveStates(s);
    struct Frame { int state; size_t arc; size_t inLen, outLen; };
    std::string in, out;
    std::vector<Frame> stack{{0, 0, 0, 0}};
    if (s.final[0]) proc(in, out);
    while (!stack.empty()) {
        Frame& f = stack.back();
        const auto& arcs = s.arcs[f.state];
        if (f.arc >= arcs.size()) {
            stack.pop_back();
            continue;
        }
        const Arc& a = arcs[f.arc++];
        if (cyclic[a.target] || !live[a.target]) continue;
        in.resize(f.inLen);
        out.resize(f.outLen);
        in += a.input;
        out += a.output;
        if (s.final[a.target]) proc(in, out);
        stack.push_back({a.target, 0, in.size(), out.size()});
    }
    return skipped;
}

}  // namespace

int ForEachAttEntry(std::string_view text, const AttEntryProc& proc) {
    Section section;
    int skipped = 0;
    int lineNo = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNo;
        if (line.empty()) continue;
        if (line == "--") {
            skipped += EnumerateSection(section, proc);
            section = Section();
            continue;
        }
        const auto f = SplitTabs(line);
        if (f.size() <= 2) {  // a final state, with or without a weight
            const int st = section.Dense(ParseState(f[0], lineNo));
            section.final[st] = true;
        } else if (f.size() >= 4) {
            const int from = section.Dense(ParseState(f[0], lineNo));
            const int to = section.Dense(ParseState(f[1], lineNo));
            section.arcs[from].push_back({to, Symbol(f[2]), Symbol(f[3])});
        } else {
            throw Error("ATT text line " + std::to_string(lineNo) + ": neither an arc nor a final state");
        }
    }
    return skipped + EnumerateSection(section, proc);
}

}  // namespace kunimor::import
