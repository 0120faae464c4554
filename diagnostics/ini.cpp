#include "diagnostics/ini.h"

#include <cstdio>
#include <vector>

#include "diagnostics/binio.h"
#include "diagnostics/paths.h"

namespace {

// Settings files written on this platform may end their lines with LF
// alone; LF is treated like CR so such a file reads the same as a CR LF one.
bool IsLineBreak(char ch) { return ch == '\r' || ch == '\n'; }

std::string ReadSettingsFile(const std::string& fileName) {
    std::string path = GamePath(fileName);
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, &bytes)) {
        if (FILE* f = std::fopen(path.c_str(), "ab")) std::fclose(f);  // created empty
        return "";
    }
    return std::string(bytes.begin(), bytes.end());
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (char ch : text) {
        if (IsLineBreak(ch)) {
            lines.push_back(line);
            line.clear();
        } else {
            line += ch;
        }
    }
    lines.push_back(line);
    return lines;
}

std::string Trim(const std::string& s) {
    size_t begin = s.find_first_not_of(" \t");
    if (begin == std::string::npos) return "";
    size_t end = s.find_last_not_of(" \t");
    return s.substr(begin, end - begin + 1);
}

std::string RemoveLineBreaks(const std::string& s) {
    std::string out;
    for (char ch : s)
        if (!IsLineBreak(ch)) out += ch;
    return out;
}

// The value of the last line holding key: the text after its last "=".
std::string LastValueOf(const std::string& upperText, const std::string& upperKey) {
    std::string result;
    for (const std::string& line : SplitLines(upperText)) {
        if (line.find(upperKey) == std::string::npos) continue;
        size_t eq = line.rfind('=');
        if (eq == std::string::npos) continue;
        result = RemoveLineBreaks(Trim(line.substr(eq + 1)));
    }
    return result;
}

std::string StripLineComments(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        if (text.compare(i, 2, "//") == 0) {
            size_t brk = i + 2;
            while (brk < text.size() && !IsLineBreak(text[brk])) ++brk;
            if (brk == text.size()) {
                out += '\r';
                break;
            }
            i = brk;
            continue;
        }
        out += text[i++];
    }
    return out;
}

std::string StripBlockComments(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        size_t open = std::string::npos;
        if (text.compare(i, 2, "/*") == 0) {
            open = i;
        } else if (text[i] == '*' && !out.empty() && out.back() == '/') {
            // A removed comment joined a "/" before it to a "*" after it.
            out.pop_back();
            open = i - 1;
        }
        if (open == std::string::npos) {
            out += text[i++];
            continue;
        }
        size_t close = text.find("*/", open + 2 > i ? open + 2 : i + 1);
        if (close == std::string::npos) break;
        i = close + 2;
    }
    return out;
}

}  // namespace

std::string UpperCase(std::string text) {
    for (char& ch : text)
        if (ch >= 'a' && ch <= 'z') ch = char(ch - 'a' + 'A');
    return text;
}

std::string StripComments(const std::string& text) {
    return StripBlockComments(StripLineComments(text));
}

std::string ReadIniValue(const std::string& fileName, const std::string& key) {
    return LastValueOf(UpperCase(ReadSettingsFile(fileName)), UpperCase(key));
}

std::string ReadIniSectionValue(const std::string& fileName, const std::string& section,
                                const std::string& key) {
    std::string text = UpperCase(ReadSettingsFile(fileName));
    std::string beginMarker = "[" + UpperCase(section) + ":BEGIN]";
    std::string endMarker = "[" + UpperCase(section) + ":END]";
    size_t begin = text.find(beginMarker);
    size_t end = text.find(endMarker);
    if (begin == std::string::npos || end == std::string::npos || end <= begin) return "";
    size_t bodyStart = begin + beginMarker.size();
    if (end < bodyStart) return "";
    std::string body = UpperCase(StripComments(text.substr(bodyStart, end - bodyStart)));
    return LastValueOf(body, UpperCase(key));
}

std::string ReadMachineRegistryString(const std::string&, const std::string&) { return ""; }
