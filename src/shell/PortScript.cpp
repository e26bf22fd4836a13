#include "shell/PortScript.h"

#include <cstdlib>

#include "shell/Dialogue.h"
#include "shell/Texte.h"

namespace vek {

bool DecoupeLigne(const std::string& ligne, std::vector<std::string>& jetons, std::string& erreur) {
    jetons.clear();
    std::string jeton;
    bool dansJeton = false, entreGuillemets = false;
    for (char c : ligne) {
        if (entreGuillemets) {
            if (c == '"')
                entreGuillemets = false;
            else
                jeton.push_back(c);
        } else if (c == ' ' || c == '\t' || c == '\r') {
            if (dansJeton) jetons.push_back(std::move(jeton));
            jeton.clear();
            dansJeton = false;
        } else if (c == '#' && !dansJeton) {
            break;  // a comment starts where a token would
        } else if (c == '"') {
            entreGuillemets = dansJeton = true;
        } else {
            jeton.push_back(c);
            dansJeton = true;
        }
    }
    if (entreGuillemets) {
        erreur = "guillemet non fermé";
        return false;
    }
    if (dansJeton) jetons.push_back(std::move(jeton));
    return true;
}

bool EstReponse(const std::string& mot) {
    return mot == "fichier" || mot == "saisie" || mot == "dialogue" || mot == "oui" || mot == "non";
}

bool PortScript::AjouteReponse(const std::vector<std::string>& j, std::string& erreur) {
    const std::string& mot = j.empty() ? std::string() : j[0];
    auto arguments = [&](std::size_t n) {
        if (j.size() == n + 1) return true;
        erreur = "« " + mot + " » attend " + std::to_string(n) + " argument(s)";
        return false;
    };
    if (mot == "fichier" || mot == "saisie") {
        if (!arguments(1)) return false;
        TypeReponse t = mot == "fichier" ? TypeReponse::Fichier : TypeReponse::Saisie;
        Ajoute({t, j[1] != "annule", j[1], {}});
    } else if (mot == "dialogue") {
        if (j.size() < 3) {
            erreur = "« dialogue » attend le nom du dialogue, ses réglages et un bouton";
            return false;
        }
        ReponseScript r{TypeReponse::Dialogue, true, j[1], {}};
        r.reglages.assign(j.begin() + 2, j.end());
        Ajoute(std::move(r));
    } else if (mot == "oui" || mot == "non") {
        if (!arguments(0)) return false;
        Ajoute({TypeReponse::OuiNon, mot == "oui", {}, {}});
    } else {
        erreur = "instruction inconnue : " + mot;
        return false;
    }
    return true;
}

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
        case TypeReponse::Dialogue:
            return "dialogue";
    }
    return "";
}
}  // namespace

ReponseScript PortScript::Prend(TypeReponse type, const std::string& question) {
    if (reponses_.empty())
        throw SansReponse{question + " (aucune réponse " + NomType(type) + " en attente)"};
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
    std::string ligne =
        "saisie [" + titre + "] " + SurUneLigne(invite) + " (défaut : " + defaut + ")";
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

namespace {

bool MemeTexte(const std::string& a, const std::string& b) {
    return SansBlancsFinaux(a) == SansBlancsFinaux(b);
}

}  // namespace

void AppliqueReglage(Dialogue& d, const std::string& reglage) {
    std::string nom = reglage, valeur;
    bool avecValeur = false, secondaire = false;
    if (std::size_t egal = reglage.find('='); egal != std::string::npos) {
        nom = reglage.substr(0, egal);
        valeur = reglage.substr(egal + 1);
        avecValeur = true;
    } else if (!nom.empty() && nom.back() == '!') {
        nom.pop_back();
        secondaire = true;
    }
    Controle* c = d.Trouve(nom);
    if (!c) throw ErreurScript{"le dialogue " + d.nom + " n'a pas de contrôle " + nom};
    if (!d.EstUtilisable(nom))
        throw ErreurScript{"le contrôle " + nom + " du dialogue " + d.nom +
                           " est désactivé ou caché"};
    if (secondaire) {
        d.DoubleClic(nom);
        return;
    }
    switch (c->type) {
        case TypeControle::Option:
            if (avecValeur && valeur == "0") {
                c->coche = false;
            } else if (!avecValeur || valeur == "1") {
                d.Choisit(nom);
            } else {
                throw ErreurScript{"une option se choisit ou se décoche (=0) : " + reglage};
            }
            return;
        case TypeControle::Case:
            if (avecValeur && valeur != "0" && valeur != "1")
                throw ErreurScript{"une case se coche ou se décoche (=0) : " + reglage};
            d.Coche(nom, !(avecValeur && valeur == "0"));
            return;
        case TypeControle::Texte:
            if (!avecValeur) throw ErreurScript{"un champ de texte attend =TEXTE : " + reglage};
            d.Saisit(nom, valeur);
            return;
        case TypeControle::Liste: {
            if (!avecValeur) throw ErreurScript{"une liste attend =TEXTE ou =#N : " + reglage};
            int index = -1;
            if (valeur.size() > 1 && valeur[0] == '#') {
                index = std::atoi(valeur.c_str() + 1) - 1;
            } else {
                for (std::size_t k = 0; k < c->elements.size(); ++k)
                    if (MemeTexte(c->elements[k], valeur)) {
                        index = static_cast<int>(k);
                        break;
                    }
            }
            if (index < 0 || index >= static_cast<int>(c->elements.size()))
                throw ErreurScript{"la liste " + nom + " n'a pas d'élément " + valeur};
            d.Selectionne(nom, index);
            return;
        }
        case TypeControle::Bouton:
            if (avecValeur) throw ErreurScript{"un bouton se clique sans valeur : " + reglage};
            d.Clique(nom);
            return;
        default:
            throw ErreurScript{"le contrôle " + nom + " ne se manipule pas"};
    }
}

void PortScript::MontreDialogue(Dialogue& d, bool) {
    std::string ligne = "dialogue " + d.nom + " [" + d.legende + "]";
    for (const auto& c : d.controles)
        if (c.type == TypeControle::Etiquette && d.EstVisible(c.nom)) ligne += " | " + c.legende;
    ReponseScript r = Prend(TypeReponse::Dialogue, ligne);
    if (r.texte != d.nom)
        throw SansReponse{ligne + " (la réponse suivante est pour le dialogue " + r.texte + ")"};
    std::string suite;
    for (const auto& t : r.reglages) suite += " " + t;
    sortie_ << ligne << " ->" << suite << '\n';
    d.ouvert = true;
    for (std::size_t k = 0; k < r.reglages.size(); ++k) {
        if (!d.ouvert)
            throw ErreurScript{"le dialogue " + d.nom + " s'est fermé avant " + r.reglages[k]};
        if (k + 1 == r.reglages.size() && avantFermeture) avantFermeture(d);
        AppliqueReglage(d, r.reglages[k]);
    }
    if (d.ouvert) {
        const std::string& dernier = r.reglages.empty() ? std::string() : r.reglages.back();
        d.FermeParLaCroix();
        throw ErreurScript{"le dialogue " + d.nom + " est resté ouvert après " +
                           (dernier.empty() ? std::string("(rien)") : dernier) +
                           " : le dernier mot doit être un bouton qui le ferme"};
    }
}

void PortScript::ImprimeFenetre(const std::string& nom) {
    sortie_ << "imprime: " << nom << '\n';
}

// The result is the last one: the next `carte` instruction draws it.
bool PortScript::MontreCarte(const std::string& fichier) {
    sortie_ << "carte: " << fichier << '\n';
    return true;
}

void PortScript::LanceProgramme(const std::string& programme, const std::string& argument) {
    sortie_ << "ouvre: " << programme << ' ' << argument << '\n';
}

}  // namespace vek
