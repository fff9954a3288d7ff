#pragma once
// Text files of the program: Windows-1252 with CRLF lines, or UTF-8 with a byte-order mark when
// Windows-1252 cannot hold the text. Inside the program all texts are UTF-8.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zol {

// One byte of Windows-1252 as a Unicode code point; the five unassigned bytes
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value, so every byte
// survives a round trip.
char32_t cp1252_zu_unicode(unsigned char byte);
// The Windows-1252 byte for a code point, or nothing if Windows-1252 cannot hold it.
std::optional<unsigned char> unicode_zu_cp1252(char32_t zeichen);

// Whole texts (UTF-8 inside the program).
std::string cp1252_zu_utf8(std::string_view bytes);
// Nothing if some character cannot be held in Windows-1252.
std::optional<std::string> utf8_zu_cp1252(std::string_view utf8);
bool ist_gueltiges_utf8(std::string_view bytes);

// Decodes a file's bytes: a UTF-8 byte-order mark means UTF-8; otherwise bytes that are valid
// UTF-8 and contain multi-byte sequences are read as UTF-8; everything else as Windows-1252.
std::string datei_zu_utf8(std::string_view bytes);
// Encodes for writing: Windows-1252 if it can hold the text, else UTF-8 with a byte-order mark.
std::string utf8_zu_datei(std::string_view utf8);

// Splits at CRLF, LF or a lone CR. A final line break does not start another (empty) line.
std::vector<std::string> zeilen_teilen(std::string_view text);
// Joins lines with CRLF after every line (the files' own form).
std::string zeilen_verbinden(const std::vector<std::string>& zeilen);

enum class Lesefehler { keiner, nicht_vorhanden, nicht_lesbar, binaer, zu_gross };

struct Textdatei {
    std::vector<std::string> zeilen; // UTF-8
    Lesefehler fehler = Lesefehler::keiner;
};

// Limits of a text file the program reads: more lines, or a longer line, are no text a window
// could show or use, and would take gigabytes to hold.
inline constexpr std::size_t max_textzeilen = 1'000'000;
inline constexpr std::size_t max_textzeilenlaenge = 1u << 20;
// True when the bytes hold at most max_textzeilen lines of at most max_textzeilenlaenge bytes.
bool zeilen_im_rahmen(std::string_view bytes);

// Reads a text file of at most max_bytes; a file holding NUL bytes counts as binary, one
// beyond the line limits as too large (nothing of it is held).
Textdatei textdatei_lesen(const std::string& pfad, std::uintmax_t max_bytes = 64u << 20);
enum class Schreibfehler { keiner, schreibgeschuetzt, nicht_schreibbar };

// Writes through a temporary file in the same folder (".NAME.zol-tmp", removed first if a
// killed save left it) and renames it, so an existing file stays intact when writing fails.
// The file keeps its permissions, a symbolic link keeps pointing at the file that gets the new
// text, a file without write permission is refused, and file and folder reach the disk before
// success is reported.
Schreibfehler textdatei_speichern(const std::string& pfad, const std::vector<std::string>& zeilen);
// The same, true on success.
bool textdatei_schreiben(const std::string& pfad, const std::vector<std::string>& zeilen);

} // namespace zol
