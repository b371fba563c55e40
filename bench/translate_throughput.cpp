// Opens a dictionary and translates a Russian text into Belarusian and a
// Belarusian text into Russian, each a paragraph of about 64 KB at a time as
// the command line program does; reports the dictionary's load time, words
// per second in each direction, peak memory and a hash of each output, so
// that two builds can be checked to translate alike.
//   translate_throughput DICT_DIR RUSSIAN_TEXT BELARUSIAN_TEXT   (UTF-8 texts)

#include "dictionary/BelModule.h"
#include "ground/Error.h"
#include "ground/Language.h"
#include "ground/UnicodeText.h"
#include "translator/TranslateText.h"

#include <chrono>
#include <ctime>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

using namespace kunimor;

namespace {

constexpr std::size_t kParagraphSize = 64 * 1024;

long StatusKb(const char* key) {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(key, 0) == 0) return std::stol(line.substr(std::string(key).size()));
    return 0;
}

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// The processor time the process has used: on a shared machine the wall
// clock also counts the other users' work.
double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

std::string ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "translate_throughput: cannot read %s\n", path);
        std::exit(2);
    }
    return std::string(std::istreambuf_iterator<char>(in), {});
}

long CountWords(const std::string& text) {
    std::istringstream in(text);
    long n = 0;
    for (std::string w; in >> w;) ++n;
    return n;
}

// Pieces of about kParagraphSize that end at a line end.
std::vector<std::string> Paragraphs(const std::string& text) {
    std::vector<std::string> pieces;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t end = pos + kParagraphSize >= text.size() ? text.size() : text.find('\n', pos + kParagraphSize);
        end = end == std::string::npos ? text.size() : end + 1;
        pieces.push_back(text.substr(pos, end - pos));
        pos = end;
    }
    return pieces;
}

uint64_t Fnv1a(std::string_view bytes, uint64_t hash = 14695981039346656037ull) {
    for (unsigned char c : bytes) hash = (hash ^ c) * 1099511628211ull;
    return hash;
}

void Translate(TBelModule& module, int sourceLang, const char* name, const char* path) {
    const std::string utf8 = ReadFile(path);
    const long words = CountWords(utf8);
    const std::vector<std::string> pieces = Paragraphs(Utf8TextToCp1251(utf8));
    module.SetDirection(sourceLang);
    uint64_t hash = Fnv1a({});
    TTranslateCallbacks callbacks;
    std::string out;
    callbacks.OutputProc = [&](int) { out += OutText; };
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = CpuSeconds();
    for (const std::string& piece : pieces) {
        out.clear();
        TranslateText(module, piece, callbacks);
        hash = Fnv1a(out, hash);
    }
    const double seconds = Seconds(start);
    const double cpu = CpuSeconds() - cpuStart;
    std::printf("%s: %ld words, %.3f s processor time: %.0f words/s (wall %.3f s: %.0f words/s), output hash %016llx\n",
                name, words, cpu, words / cpu, seconds, words / seconds, static_cast<unsigned long long>(hash));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: translate_throughput DICT_DIR RUSSIAN_TEXT BELARUSIAN_TEXT\n");
        return 2;
    }
    std::string dir = argv[1];
    if (!dir.ends_with('/')) dir += '/';
    TBelModule module;
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = CpuSeconds();
    try {
        if (!module.OpenDictionary(dir)) throw Error("the dictionary did not load whole");
    } catch (const Error& e) {
        std::fprintf(stderr, "translate_throughput: %s: %s\n", argv[1], e.what());
        return 1;
    }
    std::printf("dictionary load: %.3f s processor time (wall %.3f s), resident memory after load %.1f MB\n",
                CpuSeconds() - cpuStart, Seconds(start), StatusKb("VmRSS:") / 1024.0);
    Translate(module, kRussian, "ru-be", argv[2]);
    Translate(module, kBelarusian, "be-ru", argv[3]);
    std::printf("peak resident memory: %.1f MB\n", StatusKb("VmHWM:") / 1024.0);
    return 0;
}
