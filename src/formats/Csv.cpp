#include "formats/Csv.h"

#include <algorithm>

namespace vek {

namespace {

// The line of the first byte that is not part of valid UTF-8, 0 when the text is valid.
int LigneNonUtf8(std::string_view t) {
    int ligne = 1;
    for (std::size_t i = 0; i < t.size();) {
        const auto c = static_cast<unsigned char>(t[i]);
        if (c == '\n') ++ligne;
        std::size_t suite = 0;
        char32_t valeur = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            suite = 1, valeur = c & 0x1Fu;
        } else if (c >= 0xE0 && c <= 0xEF) {
            suite = 2, valeur = c & 0x0Fu;
        } else if (c >= 0xF0 && c <= 0xF4) {
            suite = 3, valeur = c & 0x07u;
        } else {
            return ligne;
        }
        if (i + suite >= t.size()) return ligne;
        for (std::size_t k = 1; k <= suite; ++k) {
            const auto s = static_cast<unsigned char>(t[i + k]);
            if ((s & 0xC0u) != 0x80u) return ligne;
            valeur = (valeur << 6) | (s & 0x3Fu);
        }
        // Overlong forms, surrogates and values past U+10FFFF.
        if ((suite == 2 && valeur < 0x800) || (suite == 3 && valeur < 0x10000) ||
            (valeur >= 0xD800 && valeur <= 0xDFFF) || valeur > 0x10FFFF)
            return ligne;
        i += suite + 1;
    }
    return 0;
}

std::string SansEspaces(std::string_view s) {
    const auto debut = s.find_first_not_of(" \t");
    if (debut == std::string_view::npos) return {};
    const auto fin = s.find_last_not_of(" \t");
    return std::string(s.substr(debut, fin - debut + 1));
}

}  // namespace

LecteurCsv::LecteurCsv(std::string octets, std::string fichier)
    : octets_(std::move(octets)), fichier_(std::move(fichier)) {
    if (octets_.starts_with("\xEF\xBB\xBF")) pos_ = 3;
    if (const int l = LigneNonUtf8(std::string_view(octets_).substr(pos_)); l != 0) {
        ligne_ = l;
        Erreur("texte qui n'est pas en UTF-8.");
    }
    if (!LitEnregistrement(entete_)) Erreur("fichier vide, sans ligne d'en-tête.");
    for (std::string& nom : entete_) nom = SansEspaces(nom);
}

int LecteurCsv::Colonne(std::string_view nom) const {
    const auto k = std::find(entete_.begin(), entete_.end(), nom);
    return k == entete_.end() ? -1 : static_cast<int>(k - entete_.begin());
}

int LecteurCsv::ColonneRequise(std::string_view nom) const {
    const int k = Colonne(nom);
    if (k < 0)
        throw ErreurFlux(fichier_ + ", ligne 1 : la colonne " + std::string(nom) +
                         " est absente de l'en-tête.");
    return k;
}

bool LecteurCsv::Suivant() {
    while (LitEnregistrement(champs_)) {
        if (champs_.size() == 1 && champs_[0].empty()) continue;  // a blank line
        if (champs_.size() > entete_.size()) {
            // Empty fields past the header's columns (commas at the end) are harmless.
            const bool vides = std::all_of(champs_.begin() + static_cast<long>(entete_.size()),
                                           champs_.end(), [](const auto& c) { return c.empty(); });
            if (!vides)
                Erreur(std::to_string(champs_.size()) + " champs pour " +
                       std::to_string(entete_.size()) +
                       " colonnes (une virgule hors guillemets ?).");
        }
        return true;
    }
    return false;
}

std::string_view LecteurCsv::Champ(int colonne) const {
    if (colonne < 0 || static_cast<std::size_t>(colonne) >= champs_.size()) return {};
    return champs_[static_cast<std::size_t>(colonne)];
}

void LecteurCsv::Erreur(const std::string& texte) const {
    throw ErreurFlux(fichier_ + ", ligne " + std::to_string(ligne_) + " : " + texte);
}

bool LecteurCsv::LitEnregistrement(std::vector<std::string>& champs) {
    champs.clear();
    const std::size_t n = octets_.size();
    if (pos_ >= n) return false;
    ligne_ = ligneSuivante_;
    std::string champ;
    for (;;) {
        if (pos_ < n && octets_[pos_] == '"') {
            ++pos_;
            for (;;) {
                if (pos_ >= n) Erreur("guillemet ouvert et jamais fermé.");
                const char c = octets_[pos_];
                if (c == '"') {
                    if (pos_ + 1 < n && octets_[pos_ + 1] == '"') {
                        champ += '"';
                        pos_ += 2;
                        continue;
                    }
                    ++pos_;
                    break;
                }
                if (c == '\n') ++ligneSuivante_;
                champ += c;
                ++pos_;
            }
            if (pos_ < n && octets_[pos_] != ',' && octets_[pos_] != '\r' && octets_[pos_] != '\n')
                Erreur("texte après le guillemet fermant d'un champ.");
        } else {
            while (pos_ < n && octets_[pos_] != ',' && octets_[pos_] != '\r' &&
                   octets_[pos_] != '\n')
                champ += octets_[pos_++];
        }
        champs.push_back(std::move(champ));
        champ.clear();
        if (pos_ >= n) return true;
        const char c = octets_[pos_++];
        if (c == ',') continue;
        if (c == '\r' && pos_ < n && octets_[pos_] == '\n') ++pos_;
        ++ligneSuivante_;
        return true;
    }
}

}  // namespace vek
