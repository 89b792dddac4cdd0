// Fuzz target for the ".dna" reader: any bytes either parse or are rejected
// with a FieldError, never crash, and whatever parses writes back to a text
// that reads to the same records.
#include "document/drawing_file.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    DrawingRecords records;
    try {
        records = parseDrawing(input);
    } catch (const FieldError&) {
        return 0;
    }
    const std::string written = formatDrawing(records);
    DrawingRecords again;
    try {
        again = parseDrawing(written);
    } catch (const FieldError&) {
        std::abort(); // what the writer writes must read back
    }
    if (formatDrawing(again) != written) std::abort();
    return 0;
}
