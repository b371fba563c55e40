#pragma once

#include "dictionary/BelModule.h"

// The test dictionary (tests/fixtures/dictionary), built into a scratch
// folder and opened once per harness process.
kunimor::TBelModule& FixtureModule();
