#pragma once
// Code page 1252 is the system's only text encoding: every core string holds cp1252 bytes.
// Conversions to Unicode happen at the edges only (UTF-16 for Win32, UTF-8 for the command line).
#include <cstdint>
#include <string>
#include <string_view>

namespace fenu {

// Unicode code point of a cp1252 byte. The five bytes that cp1252 leaves undefined map to the
// C1 control with the same number, as Windows' own conversion does, so every byte round-trips.
char32_t Cp1252ToCodePoint(unsigned char c);

// cp1252 byte for a code point, or '?' when the code point has none.
char CodePointToCp1252(char32_t cp);

std::u16string Cp1252ToUtf16(std::string_view text);
std::string Utf16ToCp1252(std::u16string_view text);
std::string Cp1252ToUtf8(std::string_view text);
std::string Utf8ToCp1252(std::string_view text);

// Upper and lower case after cp1252's own letters (umlauts, accented letters, Š, Œ, Ž, Ÿ).
char UpperCp1252(char c);
char LowerCp1252(char c);
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);

// Upper and lower case of the ASCII letters a to z alone, every other byte as it is: the rule of
// quick keys, abbreviations and names that are to compare alike whatever the code page.
char UpperAscii(char c);
char LowerAscii(char c);
std::string UpperCaseAscii(std::string_view text);
std::string LowerCaseAscii(std::string_view text);
bool EqualsAsciiNoCase(std::string_view a, std::string_view b);

// Comparisons without regard to letter case.
bool EqualsNoCase(std::string_view a, std::string_view b);
int CompareNoCase(std::string_view a, std::string_view b);
// Position of needle in haystack ignoring case, or npos.
std::size_t FindNoCase(std::string_view haystack, std::string_view needle);
bool ContainsNoCase(std::string_view haystack, std::string_view needle);

}  // namespace fenu
