#include "cli/SharedDictionary.h"

#include <utility>

#include "cli/BatchTranslator.h"
#include "cli/DictionaryFolder.h"
#include "cli/TextEdge.h"
#include "ground/CodePages.h"

namespace kunimor::cli {
namespace {

std::unique_ptr<TBelModule> LoadDictionary(const std::filesystem::path& dataDir) {
    auto module = std::make_unique<TBelModule>();
    OpenDictionaryFolder(*module, dataDir);
    return module;
}

}  // namespace

TSharedDictionary::TSharedDictionary(std::filesystem::path dataDir)
    : dataDir_(std::move(dataDir)), module_(LoadDictionary(dataDir_)) {}

std::string TSharedDictionary::Translate(int sourceLang, std::string text) {
    static const TTextEdge kUtf8(kCpUtf8);
    std::string out;
    const std::lock_guard turn(turn_);
    module_->SetDirection(sourceLang);
    TBatchTranslator translator(*module_, kUtf8, false, false, [&out](std::string_view bytes) { out += bytes; });
    translator.Translate(std::move(text));
    translator.Flush();
    return out;
}

void TSharedDictionary::Reload() {
    const std::lock_guard turn(turn_);
    std::unique_ptr<TBelModule> fresh = LoadDictionary(dataDir_);
    module_ = std::move(fresh);
}

}  // namespace kunimor::cli
