#include "engine/textkodierung.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#define ZOL_POSIX 1
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#define ZOL_POSIX 0
#endif

namespace zol {

namespace {

namespace fs = std::filesystem;

// Code points of the bytes 0x80..0x9F; the unassigned bytes keep their own value.
constexpr std::array<char32_t, 32> cp1252_80_bis_9f = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char32_t ersatzzeichen = 0xFFFD;
constexpr std::string_view utf8_bom = "\xEF\xBB\xBF";

void utf8_anhaengen(std::string& ziel, char32_t z) {
    if (z < 0x80) {
        ziel += static_cast<char>(z);
    } else if (z < 0x800) {
        ziel += static_cast<char>(0xC0 | (z >> 6));
        ziel += static_cast<char>(0x80 | (z & 0x3F));
    } else if (z < 0x10000) {
        ziel += static_cast<char>(0xE0 | (z >> 12));
        ziel += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
        ziel += static_cast<char>(0x80 | (z & 0x3F));
    } else {
        ziel += static_cast<char>(0xF0 | (z >> 18));
        ziel += static_cast<char>(0x80 | ((z >> 12) & 0x3F));
        ziel += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
        ziel += static_cast<char>(0x80 | (z & 0x3F));
    }
}

struct Utf8Zeichen {
    char32_t zeichen = ersatzzeichen;
    std::size_t laenge = 1; // bytes used; for a broken sequence its longest valid beginning
    bool gueltig = false;
};

// Reads one character at pos (pos < text.size()). Overlong forms, surrogates and code points
// above U+10FFFF are rejected by narrowing the range allowed for the second byte.
Utf8Zeichen utf8_lesen(std::string_view text, std::size_t pos) {
    const auto b0 = static_cast<unsigned char>(text[pos]);
    if (b0 < 0x80) return {b0, 1, true};

    std::size_t folgebytes = 0;
    unsigned char min2 = 0x80, max2 = 0xBF;
    char32_t wert = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        folgebytes = 1;
        wert = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        folgebytes = 2;
        wert = b0 & 0x0F;
        if (b0 == 0xE0) min2 = 0xA0;
        if (b0 == 0xED) max2 = 0x9F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        folgebytes = 3;
        wert = b0 & 0x07;
        if (b0 == 0xF0) min2 = 0x90;
        if (b0 == 0xF4) max2 = 0x8F;
    } else {
        return {};
    }

    for (std::size_t i = 1; i <= folgebytes; ++i) {
        if (pos + i >= text.size()) return {ersatzzeichen, i, false};
        const auto b = static_cast<unsigned char>(text[pos + i]);
        const unsigned char lo = i == 1 ? min2 : 0x80;
        const unsigned char hi = i == 1 ? max2 : 0xBF;
        if (b < lo || b > hi) return {ersatzzeichen, i, false};
        wert = (wert << 6) | (b & 0x3F);
    }
    return {wert, folgebytes + 1, true};
}

// Valid UTF-8 stays as it is; every broken sequence becomes one U+FFFD.
std::string utf8_bereinigen(std::string_view text) {
    std::string ergebnis;
    ergebnis.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const Utf8Zeichen z = utf8_lesen(text, pos);
        if (z.gueltig) {
            ergebnis.append(text.substr(pos, z.laenge));
        } else {
            utf8_anhaengen(ergebnis, ersatzzeichen);
        }
        pos += z.laenge;
    }
    return ergebnis;
}

bool hat_mehrbytezeichen(std::string_view bytes) {
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) return true;
    }
    return false;
}

// Paths inside the program are UTF-8; going through char8_t keeps them so on Windows too.
fs::path als_pfad(const std::string& pfad) {
    return fs::path(std::u8string(pfad.begin(), pfad.end()));
}

// The temporary file of a target: one fixed name beside it, so the next save of the same file
// removes what a killed program left behind.
fs::path temp_pfad(const fs::path& ziel) {
    return ziel.parent_path() / ("." + ziel.filename().string() + ".zol-tmp");
}

#if ZOL_POSIX
bool alles_schreiben(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The rename itself reaches the disk only with its folder.
void ordner_sichern(const fs::path& ordner) {
    const int fd = ::open(ordner.empty() ? "." : ordner.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}
#endif

} // namespace

char32_t cp1252_zu_unicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return cp1252_80_bis_9f[byte - 0x80];
    return byte;
}

std::optional<unsigned char> unicode_zu_cp1252(char32_t zeichen) {
    if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF)) {
        return static_cast<unsigned char>(zeichen);
    }
    for (std::size_t i = 0; i < cp1252_80_bis_9f.size(); ++i) {
        if (cp1252_80_bis_9f[i] == zeichen) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

std::string cp1252_zu_utf8(std::string_view bytes) {
    std::string ergebnis;
    ergebnis.reserve(bytes.size());
    for (const char c : bytes) {
        utf8_anhaengen(ergebnis, cp1252_zu_unicode(static_cast<unsigned char>(c)));
    }
    return ergebnis;
}

std::optional<std::string> utf8_zu_cp1252(std::string_view utf8) {
    std::string ergebnis;
    ergebnis.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const Utf8Zeichen z = utf8_lesen(utf8, pos);
        if (!z.gueltig) return std::nullopt;
        const auto byte = unicode_zu_cp1252(z.zeichen);
        if (!byte) return std::nullopt;
        ergebnis += static_cast<char>(*byte);
        pos += z.laenge;
    }
    return ergebnis;
}

bool ist_gueltiges_utf8(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        const Utf8Zeichen z = utf8_lesen(bytes, pos);
        if (!z.gueltig) return false;
        pos += z.laenge;
    }
    return true;
}

std::string datei_zu_utf8(std::string_view bytes) {
    if (bytes.starts_with(utf8_bom)) return utf8_bereinigen(bytes.substr(utf8_bom.size()));
    if (hat_mehrbytezeichen(bytes) && ist_gueltiges_utf8(bytes)) return std::string(bytes);
    return cp1252_zu_utf8(bytes);
}

std::string utf8_zu_datei(std::string_view utf8) {
    // Windows-1252 bytes that happen to form valid UTF-8 (e.g. "ß”" = DF 94) would be read back
    // as UTF-8, so such texts get the byte-order mark as well.
    if (auto cp1252 = utf8_zu_cp1252(utf8)) {
        if (!hat_mehrbytezeichen(*cp1252) || !ist_gueltiges_utf8(*cp1252)) return *cp1252;
    }
    std::string ergebnis(utf8_bom);
    ergebnis += utf8_bereinigen(utf8);
    return ergebnis;
}

std::vector<std::string> zeilen_teilen(std::string_view text) {
    std::vector<std::string> zeilen;
    std::size_t anfang = 0;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c != '\n' && c != '\r') continue;
        zeilen.emplace_back(text.substr(anfang, pos - anfang));
        if (c == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ++pos;
        anfang = pos + 1;
    }
    if (anfang < text.size()) zeilen.emplace_back(text.substr(anfang));
    return zeilen;
}

std::string zeilen_verbinden(const std::vector<std::string>& zeilen) {
    std::string text;
    for (const auto& zeile : zeilen) {
        text += zeile;
        text += "\r\n";
    }
    return text;
}

bool zeilen_im_rahmen(std::string_view bytes) {
    std::size_t zeilen = 0;
    std::size_t anfang = 0;
    for (;;) {
        const std::size_t ende = bytes.find('\n', anfang);
        const std::size_t laenge = (ende == std::string_view::npos ? bytes.size() : ende) - anfang;
        if (laenge > max_textzeilenlaenge) return false;
        if (ende == std::string_view::npos) return true;
        if (++zeilen > max_textzeilen) return false;
        anfang = ende + 1;
    }
}

Textdatei textdatei_lesen(const std::string& pfad, std::uintmax_t max_bytes) {
    Textdatei datei;
    try {
        const fs::path p = als_pfad(pfad);
        std::error_code ec;
        const fs::file_status status = fs::status(p, ec);
        if (status.type() == fs::file_type::not_found) {
            datei.fehler = Lesefehler::nicht_vorhanden;
            return datei;
        }
        if (ec || !fs::is_regular_file(status)) {
            datei.fehler = Lesefehler::nicht_lesbar;
            return datei;
        }
        const std::uintmax_t groesse = fs::file_size(p, ec);
        if (ec) {
            datei.fehler = Lesefehler::nicht_lesbar;
            return datei;
        }
        if (groesse > max_bytes) {
            datei.fehler = Lesefehler::zu_gross;
            return datei;
        }

        std::ifstream ein(p, std::ios::binary);
        if (!ein) {
            datei.fehler = Lesefehler::nicht_lesbar;
            return datei;
        }
        std::string bytes;
        bytes.reserve(static_cast<std::size_t>(groesse));
        // The file may grow after the size check, so the limit holds while reading as well.
        std::array<char, 65536> puffer;
        while (ein.read(puffer.data(), puffer.size()) || ein.gcount() > 0) {
            bytes.append(puffer.data(), static_cast<std::size_t>(ein.gcount()));
            if (bytes.size() > max_bytes) {
                datei.fehler = Lesefehler::zu_gross;
                return datei;
            }
        }
        if (ein.bad()) {
            datei.fehler = Lesefehler::nicht_lesbar;
            return datei;
        }

        // UTF-16 is not one of the program's encodings; its byte-order mark marks it as binary
        // even when no NUL byte follows.
        const std::string_view sicht = bytes;
        if (sicht.find('\0') != std::string_view::npos || sicht.starts_with("\xFF\xFE") ||
            sicht.starts_with("\xFE\xFF")) {
            datei.fehler = Lesefehler::binaer;
            return datei;
        }
        if (!zeilen_im_rahmen(bytes)) {
            datei.fehler = Lesefehler::zu_gross;
            return datei;
        }
        datei.zeilen = zeilen_teilen(datei_zu_utf8(bytes));
    } catch (...) {
        datei.zeilen.clear();
        datei.fehler = Lesefehler::nicht_lesbar;
    }
    return datei;
}

Schreibfehler textdatei_speichern(const std::string& pfad, const std::vector<std::string>& zeilen) {
    fs::path temp;
    std::error_code ec;
    try {
        fs::path ziel = als_pfad(pfad);
        // A link stays a link: the file it points to gets the new text.
        if (fs::is_symlink(fs::symlink_status(ziel, ec))) {
            std::error_code fehler;
            ziel = fs::weakly_canonical(ziel, fehler);
            if (fehler) return Schreibfehler::nicht_schreibbar;
        }
        // A missing target is no error here: it is written new.
        const fs::file_status alt = fs::status(ziel, ec);
        const bool vorhanden = fs::exists(alt);
        if (vorhanden && !fs::is_regular_file(alt)) return Schreibfehler::nicht_schreibbar;
        // A file without write permission stays as it is, even for a user who could replace it.
        if (vorhanden && (alt.permissions() & fs::perms::owner_write) == fs::perms::none)
            return Schreibfehler::schreibgeschuetzt;
        const std::string bytes = utf8_zu_datei(zeilen_verbinden(zeilen));

        // Same folder as the target, so the rename stays on one file system.
        temp = temp_pfad(ziel);
        fs::remove(temp, ec);
#if ZOL_POSIX
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            temp.clear();
            return Schreibfehler::nicht_schreibbar;
        }
        bool ok = alles_schreiben(fd, bytes);
        if (ok && vorhanden)
            ok = ::fchmod(fd, static_cast<mode_t>(alt.permissions() & fs::perms::mask)) == 0;
        ok = ok && ::fsync(fd) == 0;
        ok = (::close(fd) == 0) && ok;
        if (!ok) {
            fs::remove(temp, ec);
            return Schreibfehler::nicht_schreibbar;
        }
#else
        {
            std::ofstream aus(temp, std::ios::binary | std::ios::trunc);
            aus.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            aus.close();
            if (!aus) {
                fs::remove(temp, ec);
                return Schreibfehler::nicht_schreibbar;
            }
        }
        if (vorhanden) fs::permissions(temp, alt.permissions(), ec);
#endif
        fs::rename(temp, ziel, ec);
        if (ec) {
            fs::remove(temp, ec);
            return Schreibfehler::nicht_schreibbar;
        }
#if ZOL_POSIX
        ordner_sichern(ziel.parent_path());
#endif
        return Schreibfehler::keiner;
    } catch (...) {
        if (!temp.empty()) fs::remove(temp, ec);
        return Schreibfehler::nicht_schreibbar;
    }
}

bool textdatei_schreiben(const std::string& pfad, const std::vector<std::string>& zeilen) {
    return textdatei_speichern(pfad, zeilen) == Schreibfehler::keiner;
}

} // namespace zol
