#pragma once

#include <cstdint>
#include <map>
#include <ostream>
#include <string>

namespace kunimor::import {

// What the importer took, repaired and dropped, and why: counters by
// section ("taken", "repaired", "dropped") and reason.
class TImportReport {
public:
    void Count(const std::string& section, const std::string& reason, int64_t n = 1) { counts_[section][reason] += n; }
    // Counts one case and keeps the first few as examples for the printout.
    void CountExample(const std::string& section, const std::string& reason, const std::string& example);
    int64_t Get(const std::string& section, const std::string& reason) const;
    void Print(std::ostream& out) const;

private:
    std::map<std::string, std::map<std::string, int64_t>> counts_;
    std::map<std::string, std::string> examples_;  // by reason, UTF-8
};

}  // namespace kunimor::import
