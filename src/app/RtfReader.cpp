#include "app/RtfReader.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>

#include "app/Settings.h"
#include "ground/Cp1251.h"

namespace kunimor::app {
namespace {

constexpr std::array<std::string_view, 33> kSkippedDestinations = {
    "fonttbl",  "stylesheet", "info",      "pict",      "object",    "header",     "headerl",
    "headerr",  "headerf",    "footer",    "footerl",   "footerr",   "footerf",    "footnote",
    "fldinst",  "listtable",  "listoverridetable", "revtbl", "rsidtbl", "generator", "xmlnstbl",
    "themedata", "colorschememapping", "datastore", "latentstyles", "filetbl", "bkmkstart",
    "bkmkend",  "field_instruction_placeholder", "pn", "pntext", "comment", "annotation"};

struct TGroupState {
    uint8_t style = 0;
    int colorIndex = 0;
    int fontSize = 0;  // half points
    int font = -1;
    int skipFallback = 1;  // \uc
    bool skip = false;
    bool colorTable = false;
    bool fontTable = false;
};

struct TColor {
    int red = 0, green = 0, blue = 0;
    bool given = false;
};

class TRtfParser {
public:
    explicit TRtfParser(std::string_view bytes) : in_(bytes) {}

    std::vector<TRtfRun> Parse() {
        while (pos_ < in_.size()) {
            const char c = in_[pos_++];
            if (c == '{') OpenGroup();
            else if (c == '}') CloseGroup();
            else if (c == '\\') ControlWord();
            else if (c == '\r' || c == '\n') continue;
            else Text(c);
        }
        return std::move(runs_);
    }

private:
    TGroupState& State() { return stack_.back(); }

    void OpenGroup() {
        if (overflow_ > 0 || stack_.size() >= kMaxRtfDepth) {
            ++overflow_;
            return;
        }
        stack_.push_back(stack_.back());
        State().colorTable = false;
        firstInGroup_ = true;
    }

    void CloseGroup() {
        if (overflow_ > 0) {
            --overflow_;
            return;
        }
        if (State().colorTable && pending_.given) colors_.push_back(pending_);
        if (stack_.size() > 1) stack_.pop_back();
        firstInGroup_ = false;
    }

    bool Skipping() { return overflow_ > 0 || State().skip; }

    void ControlWord() {
        if (pos_ >= in_.size()) return;
        const bool first = firstInGroup_;
        firstInGroup_ = false;
        const char c = in_[pos_];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++pos_;
            ControlSymbol(c, first);
            return;
        }
        const std::size_t start = pos_;
        while (pos_ < in_.size() && std::isalpha(static_cast<unsigned char>(in_[pos_])) && pos_ - start < 32) ++pos_;
        const std::string_view word = in_.substr(start, pos_ - start);
        std::optional<int> parameter;
        const std::size_t numberStart = pos_;
        if (pos_ < in_.size() && in_[pos_] == '-') ++pos_;
        long value = 0;
        while (pos_ < in_.size() && std::isdigit(static_cast<unsigned char>(in_[pos_]))) {
            if (value < 100000000) value = value * 10 + (in_[pos_] - '0');
            ++pos_;
        }
        if (pos_ > numberStart && std::isdigit(static_cast<unsigned char>(in_[pos_ - 1])))
            parameter = static_cast<int>(in_[numberStart] == '-' ? -value : value);
        else pos_ = numberStart;
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
        Apply(word, parameter, first);
    }

    void ControlSymbol(char c, bool first) {
        switch (c) {
            case '\\': case '{': case '}': Text(c); break;
            case '\'': HexByte(); break;
            case '*':
                if (first) State().skip = true;
                break;
            case '~': Emit(u'\u00A0'); break;
            case '_': Emit(u'\u2011'); break;
            case '\r': case '\n': Emit(u'\n'); break;  // "\" before a line end is \par
            default: break;  // \- optional hyphen, \: index entries
        }
    }

    void HexByte() {
        int byte = 0;
        int digits = 0;
        for (; digits < 2 && pos_ < in_.size(); ++digits) {
            const char h = in_[pos_];
            if (!std::isxdigit(static_cast<unsigned char>(h))) break;
            byte = byte * 16 + (std::isdigit(static_cast<unsigned char>(h)) ? h - '0' : std::tolower(h) - 'a' + 10);
            ++pos_;
        }
        if (digits == 0) return;
        if (fallbackLeft_ > 0) {
            --fallbackLeft_;
            return;
        }
        if (State().fontTable || State().colorTable) return;
        Emit(DecodeByte(static_cast<unsigned char>(byte)));
    }

    char16_t DecodeByte(unsigned char byte) const {
        bool cyrillic = codePage_ == 1251;
        const int font = stack_.back().font;
        if (font >= 0 && font < static_cast<int>(fontCharsets_.size()) && fontCharsets_[static_cast<std::size_t>(font)] == 204)
            cyrillic = true;
        return cyrillic ? static_cast<char16_t>(Cp1251ToUnicode(byte)) : static_cast<char16_t>(byte);
    }

    void Apply(std::string_view word, std::optional<int> parameter, bool first) {
        TGroupState& s = State();
        const int n = parameter.value_or(1);
        auto setBit = [&](uint8_t bit, bool on) { s.style = static_cast<uint8_t>(on ? s.style | bit : s.style & ~bit); };
        if (word == "bin") {  // binary data may hold braces and backslashes of its own
            pos_ = std::min(in_.size(), pos_ + static_cast<std::size_t>(std::max(0, n)));
            return;
        }
        if (Skipping()) return;
        if (first && std::ranges::find(kSkippedDestinations, word) != kSkippedDestinations.end()) {
            if (word == "fonttbl") s.fontTable = true;
            else s.skip = true;
            return;
        }
        if (word == "colortbl" && first) {
            s.colorTable = true;
            colors_.clear();
            pending_ = {};
            return;
        }
        if (s.colorTable) {
            const int v = std::clamp(n, 0, 255);
            if (word == "red") pending_.red = v, pending_.given = true;
            else if (word == "green") pending_.green = v, pending_.given = true;
            else if (word == "blue") pending_.blue = v, pending_.given = true;
            return;
        }
        if (word == "f") {
            s.font = n;
            if (s.fontTable) currentTableFont_ = n;
            return;
        }
        if (word == "fcharset" && s.fontTable) {
            if (currentTableFont_ >= 0 && currentTableFont_ < 4096) {
                if (fontCharsets_.size() <= static_cast<std::size_t>(currentTableFont_))
                    fontCharsets_.resize(static_cast<std::size_t>(currentTableFont_) + 1, -1);
                fontCharsets_[static_cast<std::size_t>(currentTableFont_)] = n;
            }
            return;
        }
        if (word == "ansicpg") codePage_ = n;
        else if (word == "uc") s.skipFallback = std::max(0, n);
        else if (word == "u" && parameter) {
            // Writers give code units above 32767 as negative numbers.
            if (n >= -32768 && n <= 65535) Emit(static_cast<char16_t>(n < 0 ? n + 65536 : n));
            fallbackLeft_ = s.skipFallback;
        } else if (word == "b") setBit(kBold, n != 0);
        else if (word == "i") setBit(kItalic, n != 0);
        else if (word == "ul") setBit(kUnderline, n != 0);
        else if (word == "ulnone") setBit(kUnderline, false);
        else if (word == "strike") setBit(kStrikeOut, n != 0);
        else if (word == "cf") s.colorIndex = n;
        else if (word == "fs") s.fontSize = n;
        else if (word == "plain") {
            s.style = 0;
            s.colorIndex = 0;
            s.fontSize = 0;
        } else if (word == "par" || word == "line" || word == "sect" || word == "page" || word == "row") Emit(u'\n');
        else if (word == "tab" || word == "cell") Emit(u'\t');
        else if (word == "emdash") Emit(u'\u2014');
        else if (word == "endash") Emit(u'\u2013');
        else if (word == "lquote") Emit(u'\u2018');
        else if (word == "rquote") Emit(u'\u2019');
        else if (word == "ldblquote") Emit(u'\u201C');
        else if (word == "rdblquote") Emit(u'\u201D');
        else if (word == "bullet") Emit(u'\u2022');
    }

    void Text(char c) {
        firstInGroup_ = false;
        if (fallbackLeft_ > 0) {
            --fallbackLeft_;
            return;
        }
        if (State().colorTable) {
            if (c == ';') {
                colors_.push_back(pending_);
                pending_ = {};
            }
            return;
        }
        if (State().fontTable) return;
        Emit(DecodeByte(static_cast<unsigned char>(c)));
    }

    void Emit(char16_t c) {
        if (Skipping() || State().fontTable || State().colorTable) return;
        const TGroupState& s = State();
        TRtfRun look;
        look.style = s.style;
        look.fontSize = s.fontSize / 2;
        if (s.colorIndex > 0 && s.colorIndex < static_cast<int>(colors_.size()) &&
            colors_[static_cast<std::size_t>(s.colorIndex)].given) {
            const TColor& color = colors_[static_cast<std::size_t>(s.colorIndex)];
            look.hasColor = true;
            look.color = static_cast<uint32_t>(color.red) << 16 | static_cast<uint32_t>(color.green) << 8 |
                         static_cast<uint32_t>(color.blue);
        }
        if (runs_.empty() || runs_.back().style != look.style || runs_.back().hasColor != look.hasColor ||
            runs_.back().color != look.color || runs_.back().fontSize != look.fontSize)
            runs_.push_back(std::move(look));
        runs_.back().text += c;
    }

    std::string_view in_;
    std::size_t pos_ = 0;
    std::vector<TGroupState> stack_{TGroupState{}};
    int overflow_ = 0;
    bool firstInGroup_ = false;
    int fallbackLeft_ = 0;
    int codePage_ = 1251;
    int currentTableFont_ = -1;
    std::vector<int> fontCharsets_;
    std::vector<TColor> colors_;
    TColor pending_;
    std::vector<TRtfRun> runs_;
};

}  // namespace

bool LooksLikeRtf(std::string_view bytes) {
    const std::size_t start = bytes.find_first_not_of(" \t\r\n");
    return start != std::string_view::npos && bytes.substr(start, 5) == "{\\rtf";
}

std::vector<TRtfRun> ReadRtf(std::string_view bytes) { return TRtfParser(bytes).Parse(); }

}  // namespace kunimor::app
