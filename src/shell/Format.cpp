#include "shell/Format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "shell/Erreurs.h"

namespace vek {

namespace {

// |v| as the decimal digits it displays with: digits of the integer part (no leading zeros)
// and of the fraction part, with `chiffres` significant digits in all.
struct Decimal {
    std::string entier;
    std::string fraction;
};

// "d.ddde+xx" with `chiffres` significant digits, whatever the locale.
std::string Scientifique(double v, int chiffres) {
    char tampon[64];
    auto r = std::to_chars(tampon, tampon + sizeof tampon, v, std::chars_format::scientific,
                           chiffres - 1);
    return std::string(tampon, r.ptr);
}

Decimal VersDecimal(double v, int chiffres) {
    Decimal d;
    v = std::fabs(v);
    if (v == 0) return d;
    std::string tampon = Scientifique(v, chiffres);
    std::string mantisse;
    const char* p = tampon.c_str();
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') mantisse.push_back(*p);
    int exposant = *p == 'e' ? std::atoi(p + 1) : 0;
    // mantisse = d0 d1 d2 ... with the point after d0, scaled by 10^exposant
    int positionPoint = exposant + 1;  // digits before the point
    if (positionPoint <= 0) {
        d.fraction = std::string(static_cast<std::size_t>(-positionPoint), '0') + mantisse;
    } else if (positionPoint >= static_cast<int>(mantisse.size())) {
        d.entier = mantisse + std::string(positionPoint - mantisse.size(), '0');
    } else {
        d.entier = mantisse.substr(0, positionPoint);
        d.fraction = mantisse.substr(positionPoint);
    }
    std::size_t premier = d.entier.find_first_not_of('0');
    d.entier = premier == std::string::npos ? std::string() : d.entier.substr(premier);
    return d;
}

// Rounds to `decimales` fraction digits, half away from zero.
void Arrondit(Decimal& d, std::size_t decimales) {
    if (d.fraction.size() <= decimales) {
        d.fraction.append(decimales - d.fraction.size(), '0');
        return;
    }
    bool monte = d.fraction[decimales] >= '5';
    d.fraction.resize(decimales);
    if (!monte) return;
    for (std::size_t k = decimales; k-- > 0;) {
        if (d.fraction[k] != '9') {
            ++d.fraction[k];
            return;
        }
        d.fraction[k] = '0';
    }
    for (std::size_t k = d.entier.size(); k-- > 0;) {
        if (d.entier[k] != '9') {
            ++d.entier[k];
            return;
        }
        d.entier[k] = '0';
    }
    d.entier.insert(d.entier.begin(), '1');
}

bool EstPlace(char c) {
    return c == '0' || c == '#';
}

// Lays the digits into the pattern. Returns false when a fixed field cannot hold them.
bool Applique(bool negatif, Decimal d, std::string_view motif, bool fixe, std::string& sortie) {
    std::size_t point = motif.find('.');
    std::string_view partieEntiere = motif.substr(0, point);
    std::string_view partieDecimale =
        point == std::string_view::npos ? std::string_view() : motif.substr(point + 1);
    std::size_t decimales = 0;
    for (char c : partieDecimale)
        if (EstPlace(c)) ++decimales;
    Arrondit(d, decimales);
    bool nul = d.entier.empty() && d.fraction.find_first_not_of('0') == std::string::npos;
    if (nul) negatif = false;

    // Integer part, filled from the right.
    std::string entier;  // built reversed
    std::size_t reste = d.entier.size();
    std::size_t zerosAGauche = 0;  // zeros written for lack of digits, at the left end
    for (std::size_t k = partieEntiere.size(); k-- > 0;) {
        char c = partieEntiere[k];
        if (EstPlace(c)) {
            if (reste > 0) {
                entier.push_back(d.entier[--reste]);
                zerosAGauche = 0;
            } else if (c == '0') {
                entier.push_back('0');
                ++zerosAGauche;
            }
        } else {
            bool encore = reste > 0;
            for (std::size_t m = 0; m < k && !encore; ++m) encore = partieEntiere[m] == '0';
            if (encore) entier.push_back(c);
        }
    }
    std::string debut(d.entier.substr(0, reste));
    if (fixe && !debut.empty()) return false;
    std::string texte(entier.rbegin(), entier.rend());
    texte = debut + texte;
    if (negatif) {
        if (fixe) {
            if (zerosAGauche == 0) return false;
            texte[0] = '-';
        } else {
            texte.insert(texte.begin(), '-');
        }
    }
    if (point != std::string_view::npos) {
        texte.push_back('.');
        std::size_t n = 0;
        for (char c : partieDecimale) texte.push_back(EstPlace(c) ? d.fraction[n++] : c);
    }
    sortie = std::move(texte);
    return true;
}

std::string Refus(std::string_view valeur, std::string_view motif) {
    return "La valeur " + std::string(valeur) + " ne tient pas dans le champ \"" +
           std::string(motif) + "\"";
}

}  // namespace

std::string Champ(double valeur, std::string_view motif, int chiffres) {
    std::string sortie;
    if (!std::isfinite(valeur) ||
        !Applique(valeur < 0, VersDecimal(valeur, chiffres), motif, true, sortie))
        throw ValeurHorsChamp(Refus(TexteNombre(valeur, chiffres), motif));
    return sortie;
}

std::string Champ(std::int64_t valeur, std::string_view motif) {
    Decimal d;
    std::uint64_t absolu =
        valeur < 0 ? 0 - static_cast<std::uint64_t>(valeur) : static_cast<std::uint64_t>(valeur);
    if (absolu != 0) d.entier = std::to_string(absolu);
    std::string sortie;
    if (!Applique(valeur < 0, d, motif, true, sortie))
        throw ValeurHorsChamp(Refus(TexteNombre(valeur), motif));
    return sortie;
}

std::string Format(double valeur, std::string_view motif, int chiffres) {
    if (!std::isfinite(valeur)) return TexteNombre(valeur, chiffres);
    std::string sortie;
    Applique(valeur < 0, VersDecimal(valeur, chiffres), motif, false, sortie);
    return sortie;
}

std::string TexteNombre(double v, int chiffres) {
    if (std::isnan(v)) return "NaN";
    if (std::isinf(v)) return v < 0 ? "-Infini" : "Infini";
    if (v == 0) return "0";
    std::string s = Scientifique(v, chiffres);
    std::size_t e = s.find('e');
    int exposant = std::atoi(s.c_str() + e + 1);
    if (exposant >= chiffres || exposant < -4) {
        std::string mantisse = s.substr(0, e);
        if (mantisse.find('.') != std::string::npos) {
            mantisse.erase(mantisse.find_last_not_of('0') + 1);
            if (mantisse.back() == '.') mantisse.pop_back();
        }
        char exp[16];
        std::snprintf(exp, sizeof exp, "E%c%02d", exposant < 0 ? '-' : '+', std::abs(exposant));
        return mantisse + exp;
    }
    Decimal d = VersDecimal(v, chiffres);
    d.fraction.erase(d.fraction.find_last_not_of('0') + 1);
    std::string r = d.entier.empty() ? "0" : d.entier;
    if (!d.fraction.empty()) r += "." + d.fraction;
    return v < 0 ? "-" + r : r;
}

std::string TexteNombre(std::int64_t v) {
    return std::to_string(v);
}

std::string Str(double v) {
    std::string t = TexteNombre(v, kChiffresDouble);
    return t[0] == '-' ? t : " " + t;
}

std::string Str(float v) {
    std::string t = TexteNombre(static_cast<double>(v), kChiffresSingle);
    return t[0] == '-' ? t : " " + t;
}

std::string Str(std::int64_t v) {
    return v < 0 ? std::to_string(v) : " " + std::to_string(v);
}

}  // namespace vek
