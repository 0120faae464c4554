// The two text logs of the installation directory.
//
// run.log holds events and errors, run_pnt.log checkpoints of long
// operations. Every line reads
//     date time -> place * message * severity CR LF
// where severity is "Critical Error!" on critical run.log lines and empty
// otherwise.
#pragma once

#include <string>

// Appends one line to run.log.
void WriteRunLog(const std::string& place, const std::string& message, bool critical = false);
// Appends one line to run_pnt.log (never critical).
void WritePointLog(const std::string& place, const std::string& message);
// Deletes run.log, run_pnt.log and debug.log; missing files are fine.
void ClearLogs();

// The text of one log line, CR LF included, for the given date-time stamp.
std::string FormatLogLine(const std::string& stamp, const std::string& place,
                          const std::string& message, bool critical);
// The local date and time as the log lines show it: "2026-12-11 13:52:08".
std::string LogTimeStamp();

// Trace hooks: the platform, graphics and sound procedures announce
// themselves here on entry and exit. With tracing off they are empty inline
// calls, so the compiler removes them.
inline void TraceEnter(const char* /*name*/) {}
inline void TraceExit(const char* /*status*/) {}
