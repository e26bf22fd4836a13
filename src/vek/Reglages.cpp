#include "vek/Reglages.h"

#include <cctype>
#include <charconv>

#include "vek/Etat.h"

namespace vek {

namespace {
// A text setting, held by the shell or by the network tables.
struct ReglageTexte {
    const char* nom;
    std::string TablesReseau::*reseau;
    std::string EtatIhm::*ihm;
    std::string& Champ(Etat& e) const {
        if (reseau) return static_cast<TablesReseau&>(e).*reseau;
        return static_cast<EtatIhm&>(e).*ihm;
    }
    const std::string& Champ(const Etat& e) const {
        if (reseau) return static_cast<const TablesReseau&>(e).*reseau;
        return static_cast<const EtatIhm&>(e).*ihm;
    }
};

const ReglageTexte kTextes[] = {
    {"RepResultats", nullptr, &EtatIhm::RepResultats},
    {"RepNoeudsNivN", &TablesReseau::RepNoeudsNivN, nullptr},
    {"RepNoeudsNivN1", &TablesReseau::RepNoeudsNivN1, nullptr},
    {"RepNoeudsNivN2", &TablesReseau::RepNoeudsNivN2, nullptr},
    {"RepArcsNivN", &TablesReseau::RepArcsNivN, nullptr},
    {"RepArcsNivN1", &TablesReseau::RepArcsNivN1, nullptr},
    {"RepArcsNivN2", &TablesReseau::RepArcsNivN2, nullptr},
    {"RepVilNivN", &TablesReseau::RepVilNivN, nullptr},
    {"RepVilNivN1", &TablesReseau::RepVilNivN1, nullptr},
    {"RepVilNivN2", &TablesReseau::RepVilNivN2, nullptr},
    {"RepOdNivN", &TablesReseau::RepOdNivN, nullptr},
    {"RepOdNivN1", &TablesReseau::RepOdNivN1, nullptr},
    {"RepOdNivN2", &TablesReseau::RepOdNivN2, nullptr},
    {"RepArcsMin", &TablesReseau::RepArcsMin, nullptr},
    {"NomFichierNoeuds", &TablesReseau::NomFichierNoeuds, nullptr},
    {"NomFichierArcs", &TablesReseau::NomFichierArcs, nullptr},
    {"NomFichierNoeudsEcrits", &TablesReseau::NomFichierNoeudsEcrits, nullptr},
    {"NomFichierArcsEcrits", &TablesReseau::NomFichierArcsEcrits, nullptr},
    {"Editeur", nullptr, &EtatIhm::Editeur},
    {"Tableur", nullptr, &EtatIhm::Tableur},
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
// The output directories of the distance model.
const struct {
    const char* nom;
    std::string TablesLocalisation::*champ;
} kRepertoiresDistance[] = {
    {"RepDistDest", &TablesLocalisation::RepDistDest},
    {"RepDistOrig", &TablesLocalisation::RepDistOrig},
};
}  // namespace

std::vector<std::string> NomsReglages() {
    std::vector<std::string> noms;
    for (const auto& r : kTextes) noms.push_back(r.nom);
    for (const auto& r : kRepertoiresGravite) noms.push_back(r.nom);
    for (const auto& r : kRepertoiresDistance) noms.push_back(r.nom);
    noms.push_back("ExportTrajets");
    noms.push_back("Valuation");
    noms.push_back("HeureDepart");
    noms.push_back("MaxNoeuds");
    noms.push_back("MaxArcs");
    noms.push_back("ValeursCarte");
    noms.push_back("EPSG");
    noms.push_back("Lecteurs");
    noms.push_back("c: (une lettre de lecteur suivie de deux-points)");
    return noms;
}

bool ChangeReglage(Etat& e, const std::string& nom, const std::string& valeur,
                   std::string& erreur) {
    for (const auto& r : kTextes)
        if (nom == r.nom) {
            r.Champ(e) = valeur;
            return true;
        }
    for (const auto& r : kRepertoiresGravite)
        if (nom == r.nom) {
            e.Gravite.*r.champ = valeur;
            return true;
        }
    for (const auto& r : kRepertoiresDistance)
        if (nom == r.nom) {
            static_cast<TablesLocalisation&>(e).*r.champ = valeur;
            return true;
        }
    if (nom == "ExportTrajets") {
        e.ExportTrajets = valeur;
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
    if (nom == "EPSG") {
        int v = 0;
        auto r = std::from_chars(valeur.data(), valeur.data() + valeur.size(), v);
        if (r.ec != std::errc() || r.ptr != valeur.data() + valeur.size() || v < 0 || v > 999999) {
            erreur = "EPSG attend un code entier (0 : aucun système) : " + valeur;
            return false;
        }
        e.EpsgExport = v;
        return true;
    }
    if (nom == "ValeursCarte") {
        for (const char* v : {"auto", "noeuds", "couples", "comparaison"})
            if (valeur == v) {
                e.ValeursCarte = valeur;
                return true;
            }
        erreur = "ValeursCarte attend auto, noeuds, couples ou comparaison : " + valeur;
        return false;
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

void CopieReglages(const Etat& de, Etat& vers) {
    for (const auto& r : kTextes) {
        const std::string nom = r.nom;
        if (nom == "NomFichierNoeuds" || nom == "NomFichierArcs") continue;
        r.Champ(vers) = r.Champ(de);
    }
    for (const auto& r : kRepertoiresGravite) vers.Gravite.*r.champ = de.Gravite.*r.champ;
    for (const auto& r : kRepertoiresDistance)
        static_cast<TablesLocalisation&>(vers).*r.champ =
            static_cast<const TablesLocalisation&>(de).*r.champ;
    vers.Valuation = de.Valuation;
    vers.HeureDepart = de.HeureDepart;
    vers.MaxNoeuds = de.MaxNoeuds;
    vers.MaxArcs = de.MaxArcs;
    vers.Disques = de.Disques;
    vers.ValeursCarte = de.ValeursCarte;
    vers.EpsgExport = de.EpsgExport;
}

}  // namespace vek
