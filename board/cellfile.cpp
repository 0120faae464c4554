#include "board/cellfile.h"

namespace {

void WriteBytes(ByteWriter& w, const uint8_t* bytes, int count) {
    for (int i = 0; i < count; ++i) w.U8(bytes[i]);
}

void ReadBytes(ByteReader& r, uint8_t* bytes, int count) {
    for (int i = 0; i < count; ++i) bytes[i] = r.U8();
}

void WritePos(ByteWriter& w, const PosRecord& p) {
    for (double v : {p.HomeX, p.HomeY, p.DrawX, p.DrawY, p.ToX, p.ToY, p.VX, p.VY})
        w.F64(v);
    w.F64(p.Reserved[0]);
    w.F64(p.Reserved[1]);
    w.F64(p.Size);
    w.I32(p.ReservedInt[0]);
    w.I32(p.ReservedInt[1]);
}

void ReadPos(ByteReader& r, PosRecord& p) {
    for (double* v : {&p.HomeX, &p.HomeY, &p.DrawX, &p.DrawY, &p.ToX, &p.ToY, &p.VX, &p.VY})
        *v = r.F64();
    p.Reserved[0] = r.F64();
    p.Reserved[1] = r.F64();
    p.Size = r.F64();
    p.ReservedInt[0] = r.I32();
    p.ReservedInt[1] = r.I32();
}

}  // namespace

void WriteCellRecord(ByteWriter& w, const CellRecord& c) {
    w.I32(c.Disappear);
    w.Bool16(c.isUpper);
    w.Bool16(c.isSelected);
    w.Bool16(c.isAvailable);
    w.Bool16(c.isExists);
    WritePos(w, c.Pos);
    WriteBytes(w, c.Reserved1, 16);
    w.F64(c.GridX);
    w.F64(c.GridY);
    w.F64(c.LevelX);
    w.F64(c.LevelY);
    for (const auto& pair : c.Reserved2) {
        w.F64(pair[0]);
        w.F64(pair[1]);
    }
    WriteBytes(w, c.Reserved3, 16);
    w.I32(c.Gnd);
    w.I32(c.Gem);
    w.I32(c.Ice);
    w.Bool16(c.Front);
    w.Bool16(c.Fronter);
    w.I32(c.colFade);
    for (int32_t colour : c.ItemColours) w.I32(colour);
    for (int32_t colour : c.TileColours) w.I32(colour);
    w.F64(c.Phase);
    for (int32_t v : c.Reserved4) w.I32(v);
    w.Bool16(c.Move);
    w.F64(c.Rotation);
    w.I32(c.Parent);
    w.I32(c.ParentGem);
    WriteBytes(w, c.Reserved5, 16);
    w.F64(c.FrameDone);
    w.F64(c.GoldFlash);
}

bool ReadCellRecord(ByteReader& r, CellRecord* out) {
    if (r.Remaining() < size_t(CELL_RECORD_BYTES) || !r.ok) {
        r.Skip(CELL_RECORD_BYTES);
        return false;
    }
    CellRecord c;
    c.Disappear = r.I32();
    c.isUpper = r.Bool16();
    c.isSelected = r.Bool16();
    c.isAvailable = r.Bool16();
    c.isExists = r.Bool16();
    ReadPos(r, c.Pos);
    ReadBytes(r, c.Reserved1, 16);
    c.GridX = r.F64();
    c.GridY = r.F64();
    c.LevelX = r.F64();
    c.LevelY = r.F64();
    for (auto& pair : c.Reserved2) {
        pair[0] = r.F64();
        pair[1] = r.F64();
    }
    ReadBytes(r, c.Reserved3, 16);
    c.Gnd = r.I32();
    c.Gem = r.I32();
    c.Ice = r.I32();
    c.Front = r.Bool16();
    c.Fronter = r.Bool16();
    c.colFade = r.I32();
    for (int32_t& colour : c.ItemColours) colour = r.I32();
    for (int32_t& colour : c.TileColours) colour = r.I32();
    c.Phase = r.F64();
    for (int32_t& v : c.Reserved4) v = r.I32();
    c.Move = r.Bool16();
    c.Rotation = r.F64();
    c.Parent = r.I32();
    c.ParentGem = r.I32();
    ReadBytes(r, c.Reserved5, 16);
    c.FrameDone = r.F64();
    c.GoldFlash = r.F64();
    *out = c;
    return r.ok;
}
