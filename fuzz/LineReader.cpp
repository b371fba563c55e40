// The CLI's input line reader on a file: the first byte picks UTF-8 or
// UTF-16 and a line limit, the rest is the input. The parts must be the
// input again, none empty, none over the limit (line feed apart).
#include "FuzzCheck.h"
#include "ScratchFile.h"

#include "cli/LineReader.h"

#include <algorithm>
#include <cstdint>
#include <fcntl.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::size_t unit = data[0] & 1 ? 2 : 1;
    const std::size_t maxLine = data[0] >> 1;
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    const ScratchFile file(input);
    const int fd = open(file.Path().c_str(), O_RDONLY);
    if (fd < 0) return 0;
    std::string joined, line;
    {
        kunimor::cli::TLineReader reader(fd, unit, maxLine, nullptr);
        while (reader.Next(line)) {
            FUZZ_CHECK(!line.empty());
            FUZZ_CHECK(line.size() <= std::max(maxLine, unit) + unit);
            joined += line;
            FUZZ_CHECK(joined.size() <= input.size());
        }
    }
    close(fd);
    FUZZ_CHECK(joined == input);
    return 0;
}
