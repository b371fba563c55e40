#include "import/ImportReport.h"

#include "ground/Cp1251.h"

namespace kunimor::import {

void TImportReport::CountExample(const std::string& section, const std::string& reason, const std::string& example) {
    constexpr int kExamples = 5;
    if (Get(section, reason) < kExamples) {
        std::string& list = examples_[reason];
        list += (list.empty() ? "" : ", ") + Cp1251ToUtf8(example);
    }
    Count(section, reason);
}

int64_t TImportReport::Get(const std::string& section, const std::string& reason) const {
    const auto s = counts_.find(section);
    if (s == counts_.end()) return 0;
    const auto r = s->second.find(reason);
    return r == s->second.end() ? 0 : r->second;
}

void TImportReport::Print(std::ostream& out) const {
    for (const auto& [section, reasons] : counts_) {
        out << section << ":\n";
        for (const auto& [reason, n] : reasons) {
            out << "  " << n << '\t' << reason;
            const auto e = examples_.find(reason);
            if (e != examples_.end()) out << " (" << e->second << (n > 5 ? ", ..." : "") << ')';
            out << '\n';
        }
    }
}

}  // namespace kunimor::import
