#include "shell/FichierTexte.h"

#include <fstream>

#include "shell/Texte.h"

namespace vek {

namespace {
// The 0x80-0x9F range of Windows-1252; the five bytes it leaves undefined map to the matching
// C1 control so that every byte survives a read and a write.
constexpr char32_t kPlage80[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                   0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
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

namespace {

// Checks the UTF-8 validity of a byte stream fed in pieces: shortest forms only, no
// surrogate, nothing beyond U+10FFFF.
class VerificateurUtf8 {
  public:
    void Ajoute(unsigned char c) {
        if (!valide_) return;
        if (reste_ == 0) {
            if (c < 0x80) return;
            if (c >= 0xC2 && c <= 0xDF) {
                Debute(1, c & 0x1F, 0x80);
            } else if ((c & 0xF0) == 0xE0) {
                Debute(2, c & 0x0F, 0x800);
            } else if (c >= 0xF0 && c <= 0xF4) {
                Debute(3, c & 0x07, 0x10000);
            } else {
                valide_ = false;
            }
            return;
        }
        if ((c & 0xC0) != 0x80) {
            valide_ = false;
            return;
        }
        cp_ = (cp_ << 6) | (c & 0x3F);
        if (--reste_ == 0 && (cp_ < minimum_ || cp_ > 0x10FFFF || (cp_ >= 0xD800 && cp_ <= 0xDFFF)))
            valide_ = false;
    }
    bool Valide() const { return valide_ && reste_ == 0; }

  private:
    void Debute(int reste, char32_t cp, char32_t minimum) {
        reste_ = reste;
        cp_ = cp;
        minimum_ = minimum;
    }
    bool valide_ = true;
    int reste_ = 0;
    char32_t cp_ = 0, minimum_ = 0;
};

}  // namespace

bool EstUtf8Valide(std::string_view s) {
    VerificateurUtf8 v;
    for (char c : s) v.Ajoute(static_cast<unsigned char>(c));
    return v.Valide();
}

namespace {

// Splits a byte stream into records, keeps the first ones (each cut to a bounded length)
// and decodes them once the encoding of the whole stream is known.
class DecoupeurLignes {
  public:
    DecoupeurLignes(std::size_t maxLignes, std::size_t maxCaracteres)
        : maxLignes_(maxLignes),
          maxOctets_(maxCaracteres >= kIllimite / 4 ? kIllimite : maxCaracteres * 4 + 4) {}

    void Ajoute(std::string_view morceau) {
        for (char o : morceau) {
            unsigned char c = static_cast<unsigned char>(o);
            verif_.Ajoute(c);
            if (debut_ < 3) Entete(c);
            enCours_ = true;
            if (c == '\n') {
                Termine(true);
                continue;
            }
            if (lignes_.size() < maxLignes_ && ligne_.size() < maxOctets_) ligne_.push_back(o);
        }
    }

    TexteLu Fin() {
        if (enCours_) Termine(false);
        TexteLu r;
        r.nombreLignes = nombre_;
        r.encodage = verif_.Valide() ? Encodage::Utf8 : Encodage::Windows1252;
        r.marqueUtf8 = r.encodage == Encodage::Utf8 && marque_ == 3;
        r.lignes.reserve(lignes_.size());
        for (std::size_t k = 0; k < lignes_.size(); ++k) {
            std::string_view l = lignes_[k];
            if (k == 0 && r.marqueUtf8) l.remove_prefix(3);
            if (r.encodage == Encodage::Utf8) {
                r.lignes.push_back(VersUtf32(l));
            } else {
                std::u32string d;
                d.reserve(l.size());
                for (char o : l) d.push_back(CaractereWindows1252(static_cast<unsigned char>(o)));
                r.lignes.push_back(std::move(d));
            }
        }
        return r;
    }

  private:
    void Entete(unsigned char c) {
        static constexpr unsigned char kMarque[3] = {0xEF, 0xBB, 0xBF};
        if (marque_ == debut_ && c == kMarque[debut_]) ++marque_;
        ++debut_;
    }
    void Termine(bool finDeLigne) {
        if (lignes_.size() < maxLignes_) {
            if (finDeLigne && !ligne_.empty() && ligne_.back() == '\r' &&
                ligne_.size() < maxOctets_)
                ligne_.pop_back();
            lignes_.push_back(std::move(ligne_));
        }
        ligne_.clear();
        ++nombre_;
        enCours_ = false;
    }

    std::size_t maxLignes_, maxOctets_;
    VerificateurUtf8 verif_;
    std::vector<std::string> lignes_;
    std::string ligne_;
    std::size_t nombre_ = 0;
    bool enCours_ = false;
    int debut_ = 0, marque_ = 0;
};

}  // namespace

TexteLu DecodeTexte(std::string_view octets, std::size_t maxLignes, std::size_t maxCaracteres) {
    DecoupeurLignes d(maxLignes, maxCaracteres);
    d.Ajoute(octets);
    return d.Fin();
}

std::string EncodeTexte(std::string_view utf8, Encodage encodage) {
    if (encodage == Encodage::Utf8) return std::string(utf8);
    std::string o;
    o.reserve(utf8.size());
    for (char32_t c : VersUtf32(utf8)) o.push_back(static_cast<char>(OctetWindows1252(c)));
    return o;
}

bool LitFichierTexte(const std::filesystem::path& chemin, TexteLu& resultat, std::size_t maxLignes,
                     std::size_t maxCaracteres) {
    std::ifstream f(chemin, std::ios::binary);
    if (!f) return false;
    DecoupeurLignes d(maxLignes, maxCaracteres);
    std::vector<char> tampon(1 << 20);
    while (f) {
        f.read(tampon.data(), static_cast<std::streamsize>(tampon.size()));
        d.Ajoute(std::string_view(tampon.data(), static_cast<std::size_t>(f.gcount())));
    }
    if (f.bad()) return false;
    resultat = d.Fin();
    return true;
}

namespace {
constexpr std::size_t kTampon = 1 << 16;
}  // namespace

EcrivainTexte::EcrivainTexte(const std::filesystem::path& chemin, std::string /*nomAffiche*/,
                             Encodage encodage, bool marqueUtf8)
    : fichier_(chemin), encodage_(encodage) {
    tampon_.reserve(kTampon + 256);
    if (marqueUtf8 && encodage == Encodage::Utf8) tampon_ = "\xEF\xBB\xBF";
}

void EcrivainTexte::Ligne(std::string_view utf8) {
    tampon_ += EncodeTexte(utf8, encodage_);
    tampon_ += "\r\n";
    if (tampon_.size() >= kTampon) Vide();
}

void EcrivainTexte::Vide() {
    fichier_.Ajoute(tampon_);
    tampon_.clear();
}

void EcrivainTexte::Ferme() {
    Vide();
    fichier_.Termine();
}

}  // namespace vek
