// Shared fixture pieces: a fresh, empty installation directory per test.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "diagnostics/binio.h"
#include "diagnostics/paths.h"

// Makes a new empty folder under /tmp and makes it the installation directory.
inline std::string MakeTempHome() {
    char pattern[] = "/tmp/gemtest-XXXXXX";
    char* dir = mkdtemp(pattern);
    std::string home = dir ? dir : "/tmp";
    SetHomeDir(home);
    return home;
}

inline void WriteTextFile(const std::string& fullPath, const std::string& text) {
    WriteWholeFile(fullPath, std::vector<uint8_t>(text.begin(), text.end()));
}

inline std::string ReadTextFile(const std::string& fullPath) {
    std::vector<uint8_t> bytes;
    ReadWholeFile(fullPath, &bytes);
    return std::string(bytes.begin(), bytes.end());
}
