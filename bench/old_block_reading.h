// The block scanner and word readers as they were before their one-pass rewrite, kept here only
// so that reader_diff_bench can hold the new readers against them on random input.
#pragma once

#include "interpreter/block_reading.h"

namespace trazor::old_ {

void ReadGNumber(Interpreter& in);
void ReadNumberText(Interpreter& in);
void ReadWordValue(Interpreter& in);
ScannedAxes ScanBlock(Interpreter& in);

} // namespace trazor::old_
