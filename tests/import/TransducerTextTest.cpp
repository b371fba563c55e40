#include "import/TransducerText.h"

#include "import/AttTransducer.h"
#include "ground/Error.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <utility>

using namespace kunimor::import;

namespace {

bool HaveLttoolbox() { return std::system("command -v lt-comp >/dev/null 2>&1 && command -v lt-print >/dev/null 2>&1") == 0; }

}  // namespace

// A generator compiled by lt-comp comes back through lt-print as its analyses and forms.
TEST(TransducerText, ReadsACompiledTransducerThroughLtPrint) {
    if (!HaveLttoolbox()) GTEST_SKIP() << "lttoolbox (lt-comp, lt-print) is not installed";
    TempDir dir;
    std::ofstream(dir.Path() / "gen.dix") << R"(<?xml version="1.0" encoding="UTF-8"?>
<dictionary>
  <alphabet/>
  <sdefs><sdef n="n"/><sdef n="f"/><sdef n="sg"/><sdef n="nom"/><sdef n="gen"/></sdefs>
  <section id="main" type="standard">
    <e><p><l>кніга</l><r>кніга<s n="n"/><s n="f"/><s n="sg"/><s n="nom"/></r></p></e>
    <e><p><l>кнігі</l><r>кніга<s n="n"/><s n="f"/><s n="sg"/><s n="gen"/></r></p></e>
  </section>
</dictionary>
)";
    const std::string compile = "lt-comp rl '" + dir.File("gen.dix") + "' '" + dir.File("gen.bin") + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(compile.c_str()), 0);
    std::set<std::pair<std::string, std::string>> entries;
    ForEachAttEntry(TransducerText(dir.Path(), "gen"), [&](std::string_view in, std::string_view out) {
        entries.emplace(std::string(in), std::string(out));
    });
    EXPECT_EQ(entries, (std::set<std::pair<std::string, std::string>>{{"кніга<n><f><sg><nom>", "кніга"},
                                                                     {"кніга<n><f><sg><gen>", "кнігі"}}));
}

TEST(TransducerText, NamesTheMissingFile) {
    TempDir dir;
    try {
        TransducerText(dir.Path(), "rus-bel.autogen");
        FAIL() << "no error";
    } catch (const kunimor::Error& e) {
        EXPECT_NE(std::string(e.what()).find("rus-bel.autogen.bin"), std::string::npos);
    }
}
