#pragma once

#include <cstdint>

// The machine's physical memory in bytes; 0 when the system does not tell.
std::uint64_t physicalMemoryBytes();
