#pragma once
// Why one row of the input gave no figures: an error number and a message,
// written into the row's error column. Built only when a row fails.

#include <string>

namespace tavrel::calc {

struct RowError {
    int number = 0;
    std::string message;
};

}  // namespace tavrel::calc
