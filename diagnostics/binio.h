// Little-endian binary records.
//
// Every file of the game is a sequence of plain fields with no gap between
// them: signed integers, IEEE doubles, 16-bit Booleans (True = -1),
// strings with a 16-bit length, and blank-padded fixed strings. Records
// are written and read field by field through these two cursors; a struct
// is never copied onto a file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct ByteWriter {
    std::vector<uint8_t> bytes;

    void U8(uint8_t v);
    void I16(int16_t v);
    void I32(int32_t v);
    void F32(float v);
    void F64(double v);
    void Bool16(bool v);                           // -1 for True, 0 for False
    void String16(const std::string& s);           // 16-bit length, then the bytes
    void FixedString(const std::string& s, size_t width);  // cut or blank-padded
    void Zeros(size_t count);
};

// Reads from a byte span. A read past the end returns 0 (or "") and clears
// ok, so a short file is noticed once at the end of a record.
struct ByteReader {
    const uint8_t* data = nullptr;
    size_t size = 0;
    size_t pos = 0;
    bool ok = true;

    ByteReader() = default;
    ByteReader(const uint8_t* d, size_t n) : data(d), size(n) {}
    explicit ByteReader(const std::vector<uint8_t>& v) : data(v.data()), size(v.size()) {}

    uint8_t U8();
    int16_t I16();
    int32_t I32();
    float F32();
    double F64();
    bool Bool16();                                  // only -1 counts as True
    std::string String16(size_t maxLength = 65535);
    std::string FixedString(size_t width);          // as stored, padding kept
    void Skip(size_t count);
    size_t Remaining() const { return size - pos; }

  private:
    bool Take(size_t count, const uint8_t** out);
};

// Reads a whole file; returns false (and leaves out empty) when it cannot.
bool ReadWholeFile(const std::string& fullPath, std::vector<uint8_t>* out);
// Writes a whole file through a temporary name and a rename, so a crash
// mid-write never leaves a half-written record file behind. Missing folders
// above it are created.
bool WriteWholeFile(const std::string& fullPath, const std::vector<uint8_t>& bytes);
