#pragma once

#include <functional>

#include "editing/BelEditModule.h"

namespace kunimor::app {

// The data module of the desktop program: loading reports its tables to a
// progress display instead of the message list.
class TProgressModule : public TBelEditModule {
public:
    using TBelEditModule::TBelEditModule;

    std::function<void(int done, int total)> LoadProgress;

    void LoadTables() override { LoadAllTables(FDataDir, LoadProgress); }
};

}  // namespace kunimor::app
