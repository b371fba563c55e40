#pragma once

#include "store/Table.h"

namespace kunimor::import {

// Fills the WForms table: for both languages a description and a guiding
// question of every form number of every word kind.
void AddFormDescriptions(Table& wforms);

}  // namespace kunimor::import
