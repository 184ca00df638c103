// Records what the library asks of GDI: the drawing surface is swapped for
// an enhanced-metafile context while a call runs, and the records are kept.
#ifndef LUMO_TEST_METAFILE_H
#define LUMO_TEST_METAFILE_H

#include "graphics_internal.h"

#include <functional>
#include <ostream>
#include <vector>

namespace test {

struct Record {
    DWORD type;                 // EMR_...
    std::vector<DWORD> params;  // the record after its type and size
    bool operator==(const Record &other) const { return type == other.type && params == other.params; }
};

// Printed by GoogleTest when a comparison fails.
void PrintTo(const Record &record, std::ostream *out);

// Runs draw with the drawing surface recording; prepare sets up the
// recording context first (a graphics mode, say).
std::vector<Record> record_calls(const std::function<void()> &draw,
                                 const std::function<void(HDC)> &prepare = nullptr);

} // namespace test

#endif
