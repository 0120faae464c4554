// Readers of the text settings files: data.ini (key = value lines) and
// Sounds.ini (sections "[NAME:BEGIN]" .. "[NAME:END]" with // and /* */
// comments). Both readers upper-case the whole file first, so keys match
// in any case and values come back upper-cased. File names are relative to
// the installation directory; a missing file is created empty.
#pragma once

#include <string>

// data.ini style: the last line containing key wins; its value is the text
// after the last "=", trimmed. "" when no line matches.
std::string ReadIniValue(const std::string& fileName, const std::string& key);

// Sounds.ini style: like ReadIniValue, but only inside the first
// [section:BEGIN] .. [section:END] pair and with comments removed. Callers
// pass keys with a trailing blank so "bon_rum " never matches "bon_rum_change".
std::string ReadIniSectionValue(const std::string& fileName, const std::string& section,
                                const std::string& key);

// Removes // comments (to the end of their line) and then /* */ comments
// (an unterminated one runs to the end of the text).
std::string StripComments(const std::string& text);

// This platform has no machine registry: every key reads as missing ("").
std::string ReadMachineRegistryString(const std::string& subKey, const std::string& valueName);

// Upper-cases ASCII letters; other bytes are kept.
std::string UpperCase(std::string text);
