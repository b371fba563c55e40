#include "ground/HtmlText.h"

#include <gtest/gtest.h>

namespace kunimor {
namespace {

struct HtmlCase {
    const char* html;
    const char* transformed;  // each text run upper-cased and put in brackets
};

void PrintTo(const HtmlCase& c, std::ostream* os) { *os << '"' << c.html << '"'; }

class TransformHtmlTextOf : public testing::TestWithParam<HtmlCase> {};

TEST_P(TransformHtmlTextOf, ChangesTheTextRunsAlone) {
    const std::string out = TransformHtmlText(GetParam().html, [](std::string_view run) {
        std::string upper(run);
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return "[" + upper + "]";
    });
    EXPECT_EQ(out, GetParam().transformed);
}

INSTANTIATE_TEST_SUITE_P(
    HtmlText, TransformHtmlTextOf,
    testing::Values(
        HtmlCase{"plain", "[PLAIN]"}, HtmlCase{"", ""},
        HtmlCase{"<p>a <b>b</b> c</p>", "<p>[A ]<b>[B]</b>[ C]</p>"},
        // a ">" in a quoted attribute value does not end the tag
        HtmlCase{"<a title=\"x > y\" href='p>q'>go</a>", "<a title=\"x > y\" href='p>q'>[GO]</a>"},
        // blank runs, comments, declarations, script and style stay as they are
        HtmlCase{"<ul>\n  <li>x</li>\n</ul>", "<ul>\n  <li>[X]</li>\n</ul>"},
        HtmlCase{"<!DOCTYPE html><!-- a <b> -->t", "<!DOCTYPE html><!-- a <b> -->[T]"},
        HtmlCase{"<SCRIPT type=x>if (a<b) s='</p>';</Script >t", "<SCRIPT type=x>if (a<b) s='</p>';</Script >[T]"},
        HtmlCase{"<style>p{}</style><scripts>t</scripts>", "<style>p{}</style><scripts>[T]</scripts>"},
        // entities stay escaped; a "<" that opens no tag is text
        HtmlCase{"a &lt; b < c &amp;", "[A &LT; B < C &AMP;]"},
        // what is left unclosed at the end is kept
        HtmlCase{"t<b title=\"x", "[T]<b title=\"x"}, HtmlCase{"<!-- open", "<!-- open"},
        HtmlCase{"<script>never closed", "<script>never closed"}));

}  // namespace
}  // namespace kunimor
