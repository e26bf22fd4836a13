#include "shell/Chemins.h"

#include <cctype>

namespace vek {

std::filesystem::path CheminSysteme(std::string_view texte, const Lecteurs& lecteurs) {
    std::string base;
    bool absolu = false;
    if (texte.size() >= 2 && texte[1] == ':' &&
        std::isalpha(static_cast<unsigned char>(texte[0]))) {
        char lettre = static_cast<char>(std::tolower(static_cast<unsigned char>(texte[0])));
        auto it = lecteurs.dossiers.find(lettre);
        base = it != lecteurs.dossiers.end() ? it->second : lecteurs.parDefaut;
        texte.remove_prefix(2);
    } else if (!texte.empty() && (texte[0] == '/' || texte[0] == '\\')) {
        absolu = true;
    }
    std::string reste;
    bool separateur = false;
    for (char c : texte) {
        if (c == '/' || c == '\\') {
            separateur = true;
            continue;
        }
        if (separateur && !reste.empty()) reste.push_back('/');
        separateur = false;
        reste.push_back(c);
    }
    if (absolu) return std::filesystem::path("/" + reste);
    if (base.empty()) return std::filesystem::path(reste.empty() ? "." : reste);
    std::filesystem::path p(base);
    if (!reste.empty()) p /= reste;
    return p;
}

namespace {
std::size_t DernierSeparateur(std::string_view t) {
    return t.find_last_of("\\/");
}
}  // namespace

std::string RepertoireDe(std::string_view t) {
    std::size_t k = DernierSeparateur(t);
    if (k == std::string_view::npos) {
        if (t.size() >= 2 && t[1] == ':') return std::string(t.substr(0, 2));
        return {};
    }
    if (k == 0) return std::string(t.substr(0, 1));
    return std::string(t.substr(0, k));
}

std::string NomDe(std::string_view t) {
    std::size_t k = DernierSeparateur(t);
    if (k == std::string_view::npos) {
        if (t.size() >= 2 && t[1] == ':') return std::string(t.substr(2));
        return std::string(t);
    }
    return std::string(t.substr(k + 1));
}

}  // namespace vek
