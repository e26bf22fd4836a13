#include "PortScript.h"

#include "shell/Dialogue.h"

namespace vek {

std::string SurUneLigne(const std::string& texte) {
    std::string r;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        char c = texte[i];
        if (c == '\r') {
            if (i + 1 < texte.size() && texte[i + 1] == '\n') continue;
            r += " | ";
        } else if (c == '\n') {
            r += " | ";
        } else {
            r.push_back(c);
        }
    }
    return r;
}

namespace {
const char* NomType(TypeReponse t) {
    switch (t) {
        case TypeReponse::Fichier:
            return "fichier";
        case TypeReponse::OuiNon:
            return "oui/non";
        case TypeReponse::Saisie:
            return "saisie";
    }
    return "";
}
}  // namespace

ReponseScript PortScript::Prend(TypeReponse type, const std::string& question) {
    if (reponses_.empty()) throw SansReponse{question + " (aucune réponse " + NomType(type) +
                                             " en attente)"};
    if (reponses_.front().type != type)
        throw SansReponse{question + " (réponse " + NomType(type) + " attendue, la suivante est " +
                          NomType(reponses_.front().type) + ")"};
    ReponseScript r = reponses_.front();
    reponses_.pop_front();
    return r;
}

Reponse PortScript::Message(const std::string& texte, Boutons boutons, Icone,
                            const std::string& titre) {
    std::string ligne = "[" + titre + "] " + SurUneLigne(texte);
    if (boutons == Boutons::Ok) {
        sortie_ << ligne << '\n';
        return Reponse::Ok;
    }
    ReponseScript r = Prend(TypeReponse::OuiNon, "question " + ligne);
    sortie_ << ligne << " -> " << (r.positive ? "oui" : "non") << '\n';
    if (boutons == Boutons::OkAnnuler) return r.positive ? Reponse::Ok : Reponse::Annuler;
    return r.positive ? Reponse::Oui : Reponse::Non;
}

std::optional<std::string> PortScript::Saisie(const std::string& invite, const std::string& titre,
                                              const std::string& defaut) {
    std::string ligne = "saisie [" + titre + "] " + SurUneLigne(invite) + " (défaut : " + defaut +
                        ")";
    ReponseScript r = Prend(TypeReponse::Saisie, ligne);
    sortie_ << ligne << " -> " << (r.positive ? r.texte : "annule") << '\n';
    if (!r.positive) return std::nullopt;
    return r.texte;
}

std::optional<std::string> PortScript::ChoixFichier(const DemandeFichier& d) {
    std::string ligne = "fichier [" + d.titre + "] " + d.repertoire + " " + d.nomPropose;
    ReponseScript r = Prend(TypeReponse::Fichier, ligne);
    sortie_ << ligne << " -> " << (r.positive ? r.texte : "annule") << '\n';
    if (!r.positive) return std::nullopt;
    return r.texte;
}

void PortScript::MontreDialogue(Dialogue& d, bool) {
    sortie_ << "dialogue " << d.nom << " [" << d.legende << "]";
    for (const auto& c : d.controles)
        if (c.visible && c.type == TypeControle::Etiquette) sortie_ << " | " << c.legende;
    sortie_ << '\n';
    d.ouvert = true;
    if (Controle* annuler = d.Trouve(d.boutonAnnulation); annuler && annuler->action)
        annuler->action(d);
    d.ouvert = false;
}

void PortScript::ImprimeFenetre(const std::string& nom) { sortie_ << "imprime: " << nom << '\n'; }

void PortScript::LanceProgramme(const std::string& programme, const std::string& argument) {
    sortie_ << "ouvre: " << programme << ' ' << argument << '\n';
}

}  // namespace vek
