#include "support/FormsText.h"

#include <map>

#include "support/Text.h"

std::string MakeForms(std::initializer_list<std::pair<int, std::string_view>> entries) {
    const std::map<int, std::string_view> byForm(entries.begin(), entries.end());
    std::string forms;
    for (int formNo = 1; formNo <= byForm.rbegin()->first; ++formNo) {
        if (formNo > 1) forms += ';';
        const auto it = byForm.find(formNo);
        if (it != byForm.end()) forms += W(it->second);
    }
    return forms;
}
