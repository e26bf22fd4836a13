#include "shell/Reglages.h"

#include <cctype>
#include <charconv>

#include "shell/Etat.h"

namespace vek {

namespace {
struct ReglageTexte {
    const char* nom;
    std::string Etat::*champ;
};

const ReglageTexte kTextes[] = {
    {"RepResultats", &Etat::RepResultats},
    {"RepNoeudsNivN", &Etat::RepNoeudsNivN},
    {"RepNoeudsNivN1", &Etat::RepNoeudsNivN1},
    {"RepNoeudsNivN2", &Etat::RepNoeudsNivN2},
    {"RepArcsNivN", &Etat::RepArcsNivN},
    {"RepArcsNivN1", &Etat::RepArcsNivN1},
    {"RepArcsNivN2", &Etat::RepArcsNivN2},
    {"RepVilNivN", &Etat::RepVilNivN},
    {"RepVilNivN1", &Etat::RepVilNivN1},
    {"RepVilNivN2", &Etat::RepVilNivN2},
    {"RepOdNivN", &Etat::RepOdNivN},
    {"RepOdNivN1", &Etat::RepOdNivN1},
    {"RepOdNivN2", &Etat::RepOdNivN2},
    {"RepArcsMin", &Etat::RepArcsMin},
    {"NomFichierNoeuds", &Etat::NomFichierNoeuds},
    {"NomFichierArcs", &Etat::NomFichierArcs},
    {"NomFichierNoeudsEcrits", &Etat::NomFichierNoeudsEcrits},
    {"NomFichierArcsEcrits", &Etat::NomFichierArcsEcrits},
    {"Editeur", &Etat::Editeur},
    {"Tableur", &Etat::Tableur},
};
// The output directories of the gravity model.
const struct {
    const char* nom;
    std::string ParametresGravite::*champ;
} kRepertoiresGravite[] = {
    {"RepSLP", &ParametresGravite::RepSLP},   {"Rep3AA", &ParametresGravite::Rep3AA},
    {"Rep3AR", &ParametresGravite::Rep3AR},   {"RepSAA", &ParametresGravite::RepSAA},
    {"RepAuto", &ParametresGravite::RepAuto}, {"RepAP", &ParametresGravite::RepAP},
};
}  // namespace

std::vector<std::string> NomsReglages() {
    std::vector<std::string> noms;
    for (const auto& r : kTextes) noms.push_back(r.nom);
    for (const auto& r : kRepertoiresGravite) noms.push_back(r.nom);
    noms.push_back("Valuation");
    noms.push_back("HeureDepart");
    noms.push_back("MaxNoeuds");
    noms.push_back("MaxArcs");
    noms.push_back("Lecteurs");
    noms.push_back("c: (une lettre de lecteur suivie de deux-points)");
    return noms;
}

bool ChangeReglage(Etat& e, const std::string& nom, const std::string& valeur,
                   std::string& erreur) {
    for (const auto& r : kTextes)
        if (nom == r.nom) {
            e.*r.champ = valeur;
            return true;
        }
    for (const auto& r : kRepertoiresGravite)
        if (nom == r.nom) {
            e.Gravite.*r.champ = valeur;
            return true;
        }
    if (nom == "Valuation") {
        for (const char* v :
             {"Temps", "Distance", "Distance2Temps", "Temps2Distance", "Temps2DistEuclid",
              "Distance2DistEuclid", "Horaires", "JoursEtHeures"})
            if (valeur == v) {
                e.Valuation = valeur;
                return true;
            }
        erreur = "valuation inconnue : " + valeur;
        return false;
    }
    if (nom == "MaxNoeuds" || nom == "MaxArcs") {
        int v = 0;
        auto r = std::from_chars(valeur.data(), valeur.data() + valeur.size(), v);
        if (r.ec != std::errc() || r.ptr != valeur.data() + valeur.size() || v < 2 ||
            v > 10000000) {
            erreur = nom + " attend un nombre entier de 2 à 10000000 : " + valeur;
            return false;
        }
        (nom == "MaxNoeuds" ? e.MaxNoeuds : e.MaxArcs) = v;
        return true;
    }
    if (nom == "HeureDepart") {
        int v = 0;
        auto r = std::from_chars(valeur.data(), valeur.data() + valeur.size(), v);
        if (r.ec != std::errc() || r.ptr != valeur.data() + valeur.size()) {
            erreur = "heure hhmm attendue : " + valeur;
            return false;
        }
        e.HeureDepart = v;
        return true;
    }
    if (nom == "Lecteurs") {
        e.Disques.parDefaut = valeur;
        return true;
    }
    if (nom.size() == 2 && nom[1] == ':' && std::isalpha(static_cast<unsigned char>(nom[0]))) {
        e.Disques.dossiers[static_cast<char>(std::tolower(static_cast<unsigned char>(nom[0])))] =
            valeur;
        return true;
    }
    erreur = "réglage inconnu : " + nom;
    return false;
}

}  // namespace vek
