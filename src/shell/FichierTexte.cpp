#include "shell/FichierTexte.h"

#include "shell/Erreurs.h"
#include "shell/Texte.h"

namespace vek {

namespace {
// The 0x80-0x9F range of Windows-1252; the five bytes it leaves undefined map to the matching
// C1 control so that every byte survives a read and a write.
constexpr char32_t kPlage80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
}  // namespace

char32_t CaractereWindows1252(unsigned char o) {
    if (o >= 0x80 && o < 0xA0) return kPlage80[o - 0x80];
    return o;
}

unsigned char OctetWindows1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
    for (int k = 0; k < 32; ++k)
        if (kPlage80[k] == c) return static_cast<unsigned char>(0x80 + k);
    return '?';
}

bool EstUtf8Valide(std::string_view s) {
    std::size_t i = 0, n = s.size();
    while (i < n) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t longueur;
        char32_t cp, minimum;
        if (c >= 0xC2 && c <= 0xDF) {
            longueur = 2;
            cp = c & 0x1F;
            minimum = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            longueur = 3;
            cp = c & 0x0F;
            minimum = 0x800;
        } else if (c >= 0xF0 && c <= 0xF4) {
            longueur = 4;
            cp = c & 0x07;
            minimum = 0x10000;
        } else {
            return false;
        }
        if (i + longueur > n) return false;
        for (std::size_t k = 1; k < longueur; ++k) {
            unsigned char d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += longueur;
    }
    return true;
}

TexteLu DecodeTexte(std::string_view octets) {
    TexteLu r;
    r.encodage = EstUtf8Valide(octets) ? Encodage::Utf8 : Encodage::Windows1252;
    if (r.encodage == Encodage::Utf8 && octets.substr(0, 3) == "\xEF\xBB\xBF") {
        r.marqueUtf8 = true;
        octets.remove_prefix(3);
    }
    std::size_t debut = 0;
    while (debut < octets.size()) {
        std::size_t fin = octets.find('\n', debut);
        std::size_t suivant = fin == std::string_view::npos ? octets.size() : fin + 1;
        std::size_t longueur = (fin == std::string_view::npos ? octets.size() : fin) - debut;
        std::string_view ligne = octets.substr(debut, longueur);
        if (!ligne.empty() && ligne.back() == '\r' && fin != std::string_view::npos)
            ligne.remove_suffix(1);
        if (r.encodage == Encodage::Utf8) {
            r.lignes.push_back(VersUtf32(ligne));
        } else {
            std::u32string l;
            l.reserve(ligne.size());
            for (char o : ligne) l.push_back(CaractereWindows1252(static_cast<unsigned char>(o)));
            r.lignes.push_back(std::move(l));
        }
        debut = suivant;
    }
    return r;
}

std::string EncodeTexte(std::string_view utf8, Encodage encodage) {
    if (encodage == Encodage::Utf8) return std::string(utf8);
    std::string o;
    o.reserve(utf8.size());
    for (char32_t c : VersUtf32(utf8)) o.push_back(static_cast<char>(OctetWindows1252(c)));
    return o;
}

bool LitFichierTexte(const std::filesystem::path& chemin, TexteLu& resultat) {
    std::ifstream f(chemin, std::ios::binary);
    if (!f) return false;
    std::string octets((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (f.bad()) return false;
    resultat = DecodeTexte(octets);
    return true;
}

EcrivainTexte::EcrivainTexte(const std::filesystem::path& chemin, std::string nomAffiche,
                             Encodage encodage, bool marqueUtf8)
    : flux_(chemin, std::ios::binary | std::ios::trunc), nom_(std::move(nomAffiche)),
      encodage_(encodage) {
    if (!flux_) throw ErreurFichier("Impossible de créer le fichier : " + nom_);
    if (marqueUtf8 && encodage == Encodage::Utf8) flux_ << "\xEF\xBB\xBF";
}

void EcrivainTexte::Ligne(std::string_view utf8) {
    flux_ << EncodeTexte(utf8, encodage_) << "\r\n";
    if (!flux_) throw ErreurFichier("Impossible d'écrire dans le fichier : " + nom_);
}

void EcrivainTexte::Ferme() {
    if (!flux_.is_open()) return;
    flux_.close();
    if (flux_.fail()) throw ErreurFichier("Impossible d'écrire dans le fichier : " + nom_);
}

EcrivainTexte::~EcrivainTexte() {
    if (flux_.is_open()) flux_.close();
}

}  // namespace vek
