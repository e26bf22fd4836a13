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

}  // namespace vek
