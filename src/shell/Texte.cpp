#include "shell/Texte.h"

#include <charconv>

namespace vek {

std::u32string VersUtf32(std::string_view s) {
    std::u32string r;
    r.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        char32_t cp;
        std::size_t n;
        if (c < 0x80) {
            cp = c;
            n = 1;
        } else if ((c & 0xE0) == 0xC0) {
            cp = c & 0x1F;
            n = 2;
        } else if ((c & 0xF0) == 0xE0) {
            cp = c & 0x0F;
            n = 3;
        } else {
            cp = c & 0x07;
            n = 4;
        }
        if (i + n > s.size()) n = s.size() - i;
        for (std::size_t k = 1; k < n; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        r.push_back(cp);
        i += n;
    }
    return r;
}

void AjouteUtf8(std::string& o, char32_t c) {
    if (c < 0x80) {
        o.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        o.push_back(static_cast<char>(0xC0 | (c >> 6)));
        o.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        o.push_back(static_cast<char>(0xE0 | (c >> 12)));
        o.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        o.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        o.push_back(static_cast<char>(0xF0 | (c >> 18)));
        o.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        o.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        o.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::string VersUtf8(std::u32string_view t) {
    std::string o;
    o.reserve(t.size());
    for (char32_t c : t) AjouteUtf8(o, c);
    return o;
}

std::size_t NombreCaracteres(std::string_view s) {
    std::size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::string Gauche(std::string_view s, std::size_t n) {
    std::size_t compte = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
            if (compte == n) return std::string(s.substr(0, i));
            ++compte;
        }
    }
    return std::string(s);
}

std::string Cadre(std::string_view s, std::size_t n) {
    std::string r = Gauche(s, n);
    std::size_t k = NombreCaracteres(r);
    if (k < n) r.append(n - k, ' ');
    return r;
}

std::string SousChaine(std::u32string_view ligne, std::size_t premier, std::size_t n) {
    if (premier == 0 || premier > ligne.size()) return {};
    return VersUtf8(ligne.substr(premier - 1, n));
}

std::string SansBlancsFinaux(std::string_view t) {
    std::size_t fin = t.find_last_not_of(' ');
    return fin == std::string_view::npos ? std::string() : std::string(t.substr(0, fin + 1));
}

std::optional<double> LitNombre(const std::string& texte) {
    const std::string t = SansBlancsFinaux(texte);
    const std::size_t debut = t.find_first_not_of(' ');
    if (debut == std::string::npos) return std::nullopt;
    double v = 0;
    const auto r = std::from_chars(t.data() + debut, t.data() + t.size(), v);
    if (r.ec != std::errc() || r.ptr != t.data() + t.size()) return std::nullopt;
    return v;
}

}  // namespace vek
