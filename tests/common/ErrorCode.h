#pragma once
// The library error a call raises, for tables of failing cases.
#include <functional>

// The code of the NvSNMPException that f throws; 0 when it throws none.
int codeOf(const std::function<void()>& f);
