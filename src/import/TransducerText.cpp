#include "import/TransducerText.h"

#include "ground/Error.h"
#include "ground/PathText.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>

namespace fs = std::filesystem;

namespace kunimor::import {

namespace {

std::string ShellQuoted(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw Error(PathText(file) + ": cannot be read");
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string PrintedByLtPrint(const fs::path& bin) {
    const std::string command = "lt-print -H " + ShellQuoted(bin.string()) + " 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) throw Error("cannot run lt-print");
    std::string text;
    char buffer[1 << 16];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0) text.append(buffer, n);
    const int status = pclose(pipe.release());
    if (status != 0 || text.empty())
        throw Error(PathText(bin) + ": lt-print failed (install the lttoolbox-dev package)");
    return text;
}

}  // namespace

std::string TransducerText(const fs::path& folder, const std::string& name) {
    const fs::path att = folder / (name + ".att");
    if (fs::exists(att)) return ReadAll(att);
    const fs::path bin = folder / (name + ".bin");
    if (!fs::exists(bin)) throw Error(PathText(bin) + ": missing (install the apertium-bel-rus package)");
    return PrintedByLtPrint(bin);
}

}  // namespace kunimor::import
