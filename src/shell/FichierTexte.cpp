#include "shell/FichierTexte.h"

#include <algorithm>
#include <fstream>

#include "shell/Erreurs.h"
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

// Splits a byte stream fed in pieces into lines: LF, CR LF and a lone CR each end one. Each
// line, cut to its first `maxOctets` bytes, goes to `fin(octets, finie)`, which returns false
// to stop.
class Separateur {
  public:
    explicit Separateur(std::size_t maxOctets) : maxOctets_(maxOctets) {}

    template <typename F>
    bool Ajoute(std::string_view morceau, F& fin) {
        for (char o : morceau) {
            if (o == '\n' && crAvant_) {  // the LF of a CR LF
                crAvant_ = false;
                continue;
            }
            crAvant_ = o == '\r';
            if (o == '\n' || o == '\r') {
                if (!Termine(fin, true)) return false;
                continue;
            }
            enCours_ = true;
            if (ligne_.size() < maxOctets_) ligne_.push_back(o);
        }
        return true;
    }
    // Hands out a last line that no line end closed.
    template <typename F>
    bool Fin(F& fin) {
        return !enCours_ || Termine(fin, false);
    }

  private:
    template <typename F>
    bool Termine(F& fin, bool finie) {
        const bool suite = fin(std::string_view(ligne_), finie);
        ligne_.clear();
        enCours_ = false;
        return suite;
    }

    std::size_t maxOctets_;
    std::string ligne_;
    bool enCours_ = false, crAvant_ = false;
};

// What the whole byte stream says of itself: UTF-8 or not, its mark, its records, and whether
// its first bytes look like UTF-16.
class Examen {
  public:
    void Ajoute(std::string_view morceau) {
        for (char o : morceau) {
            const unsigned char c = static_cast<unsigned char>(o);
            verif_.Ajoute(c);
            if (debut_.size() < kDebut) debut_.push_back(o);
        }
        separateur_.Ajoute(morceau, compte_);
    }
    void Remplit(TexteLu& r) {
        separateur_.Fin(compte_);
        r.nombreLignes = nombre_;
        r.encodage = verif_.Valide() ? Encodage::Utf8 : Encodage::Windows1252;
        r.marqueUtf8 = r.encodage == Encodage::Utf8 && debut_.starts_with("\xEF\xBB\xBF");
        r.utf16 = FormeUtf16();
    }

  private:
    static constexpr std::size_t kDebut = 512;

    // A mark FF FE or FE FF; otherwise text whose characters mostly have a zero high byte,
    // which a text of this system in UTF-16 always has and a text in any other encoding never.
    Utf16 FormeUtf16() const {
        if (debut_.starts_with("\xFF\xFE")) return Utf16::PetitBoutiste;
        if (debut_.starts_with("\xFE\xFF")) return Utf16::GrandBoutiste;
        const std::size_t paires = debut_.size() / 2;
        std::size_t zeroApres = 0, zeroAvant = 0;
        for (std::size_t k = 0; k < paires; ++k) {
            const bool premier = debut_[2 * k] == '\0', second = debut_[2 * k + 1] == '\0';
            if (!premier && second) ++zeroApres;
            if (premier && !second) ++zeroAvant;
        }
        if (paires == 0) return Utf16::Non;
        if (zeroApres * 4 >= paires * 3) return Utf16::PetitBoutiste;
        if (zeroAvant * 4 >= paires * 3) return Utf16::GrandBoutiste;
        return Utf16::Non;
    }

    struct Compte {
        std::size_t* nombre;
        bool operator()(std::string_view, bool) {
            ++*nombre;
            return true;
        }
    };

    VerificateurUtf8 verif_;
    std::string debut_;
    std::size_t nombre_ = 0;
    Compte compte_{&nombre_};
    Separateur separateur_{0};
};

std::size_t MaxOctets(std::size_t maxCaracteres) {
    return maxCaracteres >= kIllimite / 4 ? kIllimite : maxCaracteres * 4 + 4;
}

std::u32string Decode(std::string_view l, const TexteLu& forme, bool premiere) {
    if (premiere && forme.marqueUtf8) l.remove_prefix(std::min<std::size_t>(3, l.size()));
    if (forme.encodage == Encodage::Utf8) return VersUtf32(l);
    std::u32string d;
    d.reserve(l.size());
    for (char o : l) d.push_back(CaractereWindows1252(static_cast<unsigned char>(o)));
    return d;
}

// Keeps the first records of a stream (each cut to a bounded length) and decodes them once
// the encoding of the whole stream is known.
class DecoupeurLignes {
  public:
    DecoupeurLignes(std::size_t maxLignes, std::size_t maxCaracteres)
        : garde_{this, maxLignes}, separateur_(MaxOctets(maxCaracteres)) {}

    void Ajoute(std::string_view morceau) {
        examen_.Ajoute(morceau);
        separateur_.Ajoute(morceau, garde_);
    }

    TexteLu Fin() {
        separateur_.Fin(garde_);
        TexteLu r;
        examen_.Remplit(r);
        r.lignes.reserve(lignes_.size());
        for (std::size_t k = 0; k < lignes_.size(); ++k)
            r.lignes.push_back(Decode(lignes_[k], r, k == 0));
        return r;
    }

  private:
    struct Garde {
        DecoupeurLignes* d;
        std::size_t maxLignes;
        bool operator()(std::string_view ligne, bool) {
            if (d->lignes_.size() < maxLignes) d->lignes_.emplace_back(ligne);
            return true;
        }
    };

    Examen examen_;
    std::vector<std::string> lignes_;
    Garde garde_;
    Separateur separateur_;
};

// Feeds the whole file to `ajoute` in pieces; false when it cannot be opened or read.
template <typename F>
bool LitParMorceaux(const std::filesystem::path& chemin, F&& ajoute) {
    std::ifstream f(chemin, std::ios::binary);
    if (!f) return false;
    std::vector<char> tampon(1 << 20);
    while (f) {
        f.read(tampon.data(), static_cast<std::streamsize>(tampon.size()));
        if (!ajoute(std::string_view(tampon.data(), static_cast<std::size_t>(f.gcount()))))
            return true;
    }
    return !f.bad();
}

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
    DecoupeurLignes d(maxLignes, maxCaracteres);
    if (!LitParMorceaux(chemin, [&](std::string_view m) {
            d.Ajoute(m);
            return true;
        }))
        return false;
    resultat = d.Fin();
    return true;
}

namespace {
constexpr std::size_t kTampon = 1 << 16;
}  // namespace

bool ParcourtFichierTexte(const std::filesystem::path& chemin, TexteLu& apercu,
                          std::size_t maxCaracteres,
                          const std::function<bool(const LigneLue&)>& traite) {
    Examen examen;
    if (!LitParMorceaux(chemin, [&](std::string_view m) {
            examen.Ajoute(m);
            return true;
        }))
        return false;
    TexteLu forme;
    examen.Remplit(forme);
    if (forme.utf16 != Utf16::Non) {
        apercu = std::move(forme);
        return true;
    }
    std::size_t numero = 0;
    auto transmet = [&](std::string_view octets, bool finie) {
        ++numero;
        const std::u32string texte = Decode(octets, forme, numero == 1);
        return traite(LigneLue{texte, numero, numero == forme.nombreLignes, finie});
    };
    Separateur separateur(MaxOctets(maxCaracteres));
    bool suite = true;
    if (!LitParMorceaux(chemin, [&](std::string_view m) {
            suite = separateur.Ajoute(m, transmet);
            return suite;
        }))
        return false;
    if (suite) separateur.Fin(transmet);
    apercu = std::move(forme);
    return true;
}

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
