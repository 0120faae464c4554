#include "diagnostics/binio.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>

namespace {

void PutLE(std::vector<uint8_t>& out, uint64_t v, int width) {
    for (int i = 0; i < width; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

uint64_t GetLE(const uint8_t* p, int width) {
    uint64_t v = 0;
    for (int i = 0; i < width; ++i) v |= uint64_t(p[i]) << (8 * i);
    return v;
}

}  // namespace

void ByteWriter::U8(uint8_t v) { bytes.push_back(v); }
void ByteWriter::I16(int16_t v) { PutLE(bytes, uint16_t(v), 2); }
void ByteWriter::I32(int32_t v) { PutLE(bytes, uint32_t(v), 4); }

void ByteWriter::F32(float v) {
    uint32_t bits;
    std::memcpy(&bits, &v, 4);
    PutLE(bytes, bits, 4);
}

void ByteWriter::F64(double v) {
    uint64_t bits;
    std::memcpy(&bits, &v, 8);
    PutLE(bytes, bits, 8);
}

void ByteWriter::Bool16(bool v) { I16(v ? -1 : 0); }

void ByteWriter::String16(const std::string& s) {
    size_t n = s.size() > 65535 ? 65535 : s.size();
    PutLE(bytes, n, 2);
    bytes.insert(bytes.end(), s.begin(), s.begin() + n);
}

void ByteWriter::FixedString(const std::string& s, size_t width) {
    for (size_t i = 0; i < width; ++i) bytes.push_back(i < s.size() ? uint8_t(s[i]) : uint8_t(' '));
}

void ByteWriter::Zeros(size_t count) { bytes.insert(bytes.end(), count, 0); }

bool ByteReader::Take(size_t count, const uint8_t** out) {
    if (!ok || count > size - pos) {
        ok = false;
        pos = size;
        return false;
    }
    *out = data + pos;
    pos += count;
    return true;
}

uint8_t ByteReader::U8() {
    const uint8_t* p;
    return Take(1, &p) ? p[0] : 0;
}

int16_t ByteReader::I16() {
    const uint8_t* p;
    return Take(2, &p) ? int16_t(uint16_t(GetLE(p, 2))) : 0;
}

int32_t ByteReader::I32() {
    const uint8_t* p;
    return Take(4, &p) ? int32_t(uint32_t(GetLE(p, 4))) : 0;
}

float ByteReader::F32() {
    const uint8_t* p;
    if (!Take(4, &p)) return 0;
    uint32_t bits = uint32_t(GetLE(p, 4));
    float v;
    std::memcpy(&v, &bits, 4);
    return v;
}

double ByteReader::F64() {
    const uint8_t* p;
    if (!Take(8, &p)) return 0;
    uint64_t bits = GetLE(p, 8);
    double v;
    std::memcpy(&v, &bits, 8);
    return v;
}

bool ByteReader::Bool16() { return I16() == -1; }

std::string ByteReader::String16(size_t maxLength) {
    const uint8_t* p;
    if (!Take(2, &p)) return "";
    size_t n = size_t(GetLE(p, 2));
    if (n > maxLength) {
        ok = false;
        pos = size;
        return "";
    }
    if (!Take(n, &p)) return "";
    return std::string(reinterpret_cast<const char*>(p), n);
}

std::string ByteReader::FixedString(size_t width) {
    const uint8_t* p;
    if (!Take(width, &p)) return "";
    return std::string(reinterpret_cast<const char*>(p), width);
}

void ByteReader::Skip(size_t count) {
    const uint8_t* p;
    Take(count, &p);
}

bool ReadWholeFile(const std::string& fullPath, std::vector<uint8_t>* out) {
    out->clear();
    FILE* f = std::fopen(fullPath.c_str(), "rb");
    if (!f) return false;
    uint8_t buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out->insert(out->end(), buf, buf + n);
    bool good = !std::ferror(f);
    std::fclose(f);
    if (!good) out->clear();
    return good;
}

namespace {

// Creates the folders above a file that is about to be written, so a
// player's save never fails for a folder that was deleted.
void MakeParentFolders(const std::string& fullPath) {
    for (size_t slash = fullPath.find('/', 1); slash != std::string::npos;
         slash = fullPath.find('/', slash + 1))
        mkdir(fullPath.substr(0, slash).c_str(), 0755);
}

}  // namespace

bool WriteWholeFile(const std::string& fullPath, const std::vector<uint8_t>& bytes) {
    MakeParentFolders(fullPath);
    std::string temp = fullPath + ".tmp";
    FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) return false;
    bool good = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    good = (std::fflush(f) == 0) && good;
    good = (std::fclose(f) == 0) && good;
    if (good) good = std::rename(temp.c_str(), fullPath.c_str()) == 0;
    if (!good) std::remove(temp.c_str());
    return good;
}
