// What each fuzz target gives the driver.
#pragma once

#include <cstddef>
#include <cstdint>

extern const char* const kFuzzTargetName;
// Runs one input through the target's entry points and checks its properties.
void FuzzOne(const std::uint8_t* data, std::size_t size);
// Reports a broken property (with the input that broke it) and ends the process.
[[noreturn]] void FuzzFail(const char* what);

#define FUZZ_CHECK(condition)                   \
    do {                                        \
        if (!(condition)) FuzzFail(#condition); \
    } while (0)
