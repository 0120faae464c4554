#include "diagnostics/log.h"

#include <cstdio>
#include <ctime>

#include "diagnostics/paths.h"

namespace {

// Appending gives the same file as re-reading and rewriting it whole, and
// nothing stays open between lines, so a crash loses at most the last one.
void AppendLine(const char* fileName, const std::string& line) {
    FILE* f = std::fopen(GamePath(fileName).c_str(), "ab");
    if (!f) return;
    std::fwrite(line.data(), 1, line.size(), f);
    std::fclose(f);
}

}  // namespace

std::string LogTimeStamp() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buf[64];
    std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &local);
    return buf;
}

std::string FormatLogLine(const std::string& stamp, const std::string& place,
                          const std::string& message, bool critical) {
    std::string line = stamp;
    line += " -> ";
    line += place;
    line += " * ";
    line += message;
    line += " * ";
    if (critical) line += "Critical Error!";
    line += "\r\n";
    return line;
}

void WriteRunLog(const std::string& place, const std::string& message, bool critical) {
    AppendLine("run.log", FormatLogLine(LogTimeStamp(), place, message, critical));
}

void WritePointLog(const std::string& place, const std::string& message) {
    AppendLine("run_pnt.log", FormatLogLine(LogTimeStamp(), place, message, false));
}

void ClearLogs() {
    DeleteGameFile("run.log");
    DeleteGameFile("run_pnt.log");
    DeleteGameFile("debug.log");
}
