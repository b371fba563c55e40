#pragma once

#include <functional>

#include "dictionary/BelModule.h"

namespace kunimor::app {

// The data module of the desktop program: loading reports its tables to a
// progress display instead of the message list.
class TProgressModule : public TBelModule {
public:
    std::function<void(int done, int total)> LoadProgress;

    void LoadTables() override { LoadAllTables(FDataDir, LoadProgress); }
};

}  // namespace kunimor::app
