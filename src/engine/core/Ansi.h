#pragma once
// Keyvane's text is 8-bit Windows-1252 ("ANSI") everywhere inside the engine: macro text,
// records and settings are std::string holding those bytes. Conversion to and from UTF-8
// happens only at the edges (the GUI, window titles, file names, the command line).

#include <string>
#include <string_view>

namespace kv {

// Windows-1252 bytes to UTF-8. The five bytes that Windows-1252 leaves undefined
// (81, 8D, 8F, 90, 9D) map to the C1 control characters of the same value, so that
// every byte survives a round trip.
std::string AnsiToUtf8(std::string_view ansi);

// UTF-8 to Windows-1252. A character that has no Windows-1252 byte, and any malformed
// UTF-8 sequence, becomes `replacement`.
std::string Utf8ToAnsi(std::string_view utf8, char replacement = '?');

// True when every character of the UTF-8 text has a Windows-1252 byte.
bool Utf8FitsAnsi(std::string_view utf8);

// Upper case for Windows-1252 text: ASCII letters, the accented Latin letters and
// the few letters that Windows-1252 places in 80..9F.
char AnsiUpperChar(char c);
std::string AnsiUpper(std::string_view text);

// Case-insensitive substring test on upper-cased Windows-1252 text.
bool AnsiContainsNoCase(std::string_view haystack, std::string_view needle);

} // namespace kv
