#include "network/Lecture.h"

#include <charconv>
#include <string>

namespace vek {

double LectureNombre(std::u32string_view c) {
    std::size_t i = 0;
    while (i < c.size() && (c[i] == U' ' || c[i] == U'\t')) ++i;
    bool negatif = false;
    if (i < c.size() && (c[i] == U'-' || c[i] == U'+')) {
        negatif = c[i] == U'-';
        ++i;
    }
    std::string texte;
    bool point = false;
    for (; i < c.size(); ++i) {
        if (c[i] >= U'0' && c[i] <= U'9') {
            texte.push_back(static_cast<char>(c[i]));
        } else if (c[i] == U'.' && !point) {
            point = true;
            texte.push_back('.');
        } else {
            break;
        }
    }
    if (texte.find_first_of("0123456789") == std::string::npos) return 0;
    if (texte[0] == '.') texte.insert(texte.begin(), '0');
    double v = 0;
    std::from_chars(texte.data(), texte.data() + texte.size(), v);
    return negatif ? -v : v;
}

double ChampNumerique(std::u32string_view ligne, std::size_t premier, std::size_t largeur) {
    if (premier == 0 || premier > ligne.size()) return 0;
    return LectureNombre(ligne.substr(premier - 1, largeur));
}

bool ChampEstNombre(std::u32string_view ligne, std::size_t premier, std::size_t largeur) {
    if (premier == 0 || premier > ligne.size()) return false;
    const std::u32string_view c = ligne.substr(premier - 1, largeur);
    std::size_t i = 0;
    while (i < c.size() && (c[i] == U' ' || c[i] == U'\t')) ++i;
    if (i < c.size() && (c[i] == U'-' || c[i] == U'+')) ++i;
    if (i < c.size() && c[i] == U'.') ++i;
    return i < c.size() && c[i] >= U'0' && c[i] <= U'9';
}

bool LigneTronquee(std::size_t longueur, std::size_t longueurPrecedente,
                   std::initializer_list<std::size_t> finsDesChamps) {
    for (std::size_t fin : finsDesChamps)
        if (fin <= longueurPrecedente && longueur < fin) return true;
    return false;
}

void LignesRejetees::Ajoute(std::size_t ligne) {
    constexpr std::size_t kLignesCitees = 5;
    if (nombre++ < kLignesCitees) lignes.push_back(ligne);
}

std::string LignesRejetees::Citees() const {
    std::string t;
    for (std::size_t k = 0; k < lignes.size(); ++k)
        t += (k ? ", " : "") + std::to_string(lignes[k]);
    if (nombre > lignes.size()) t += ", ...";
    return t;
}

std::string MessageUtf16(const std::string& chemin, Utf16 forme) {
    return "Le fichier " + chemin + " est codé en UTF-16 " +
           (forme == Utf16::GrandBoutiste ? "BE" : "LE") +
           " (Unicode) : il n'a pas été lu.\nOuvrez-le dans un éditeur de texte et "
           "enregistrez-le en UTF-8 ou en Windows-1252 (ANSI).";
}

std::string MessageLigneTronquee(std::size_t numero, const std::string& fichier) {
    return "La ligne " + std::to_string(numero) + ", la dernière du " + fichier +
           ", est incomplète : le fichier semble tronqué. Elle a été ignorée.";
}

}  // namespace vek
