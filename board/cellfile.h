// The cell record as the board file stores it: 330 bytes, field by field.
#pragma once

#include "board/board.h"
#include "diagnostics/binio.h"

constexpr int CELL_RECORD_BYTES = 330;

// Appends the 330 bytes of one cell record.
void WriteCellRecord(ByteWriter& w, const CellRecord& c);
// Reads 330 bytes into c; false (c unchanged) when the bytes run out.
bool ReadCellRecord(ByteReader& r, CellRecord* c);
