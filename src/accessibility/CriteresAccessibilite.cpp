#include "accessibility/CriteresAccessibilite.h"

#include <unordered_map>

#include "accessibility/EtatAccessibilite.h"
#include "network/Chargement.h"
#include "network/Espaces.h"
#include "network/ValeursNoeuds.h"
#include "paths/Floyd.h"
#include "paths/MatriceArcsMin.h"
#include "paths/Valuation.h"
#include "shell/Fichiers.h"
#include "shell/Progression.h"

namespace vek {

namespace {

constexpr float kSeuilKm = 50;
constexpr float kSeuilMinutes = 45;

// For every node, the kinds of the arcs that touch it among the modes given (bit 1 road,
// bit 2 rail), found once through the end codes.
std::vector<std::int16_t> Reperes(const EtatAccessibilite& e, bool route6, bool route61, bool rail3,
                                  bool rail31, bool booleens) {
    std::unordered_map<std::int64_t, int> parCode;
    for (std::int32_t k = 1; k <= e.NbArcs; ++k) {
        const Arc& a = e.Arcs[static_cast<std::size_t>(k)];
        int bit = 0;
        if ((a.Mode == 6 && route6) || (a.Mode == 61 && route61)) bit = 1;
        if ((a.Mode == 3 && rail3) || (a.Mode == 31 && rail31)) bit = 2;
        if (!bit) continue;
        parCode[a.Origine] |= bit;
        parCode[a.Destination] |= bit;
    }
    std::vector<std::int16_t> r(static_cast<std::size_t>(std::max(e.NbNoeuds, 0)) + 1, 0);
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i) {
        auto p = parCode.find(e.Noeuds[static_cast<std::size_t>(i)].Code);
        if (p == parCode.end()) continue;
        r[static_cast<std::size_t>(i)] = booleens ? 1 : static_cast<std::int16_t>(p->second);
    }
    return r;
}

void Marque(EtatAccessibilite& e) {
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i)
        AfficheProgression(e, e.NbNoeuds, i, "Sélection des Noeuds Tevrin...");
    e.NoeudsCriteres = Reperes(e, e.DestEchangeursAutoroutiers, e.DestEchangeursVoiesExpress,
                               e.DestGaresTGVVoieRapide, e.DestGaresTGVVoieClassique, false);
}

// The shortest paths of the valuation in force: "Distance" or "Temps", or "Distance2Temps",
// which minimises the distances and gives the paths by distance.
void Chemins(EtatAccessibilite& e) {
    const bool distances = e.Valuation == "Distance2Temps";
    RecalculeOriente(e);
    CreationMatriceArcsMin(e, distances ? "Distance" : e.Valuation);
    PlusCourtsChemins(e);
    if (distances) e.CheminsMinValuation = "Distance";
}

float D(const EtatAccessibilite& e, std::int32_t i, std::int32_t j) {
    return e.CheminsMin(static_cast<std::size_t>(i), static_cast<std::size_t>(j)).Valeur;
}

void Ecrit(EtatAccessibilite& e, const char* nom) {
    e.NomFichierResultat = CheminResultat(e, nom);
    EcritureValeursNoeuds(e, e.NomFichierResultat);
    OuvreDansEditeur(e, e.NomFichierResultat);
}

void Tevrin(EtatAccessibilite& e, const char* valuation) {
    Sablier s(e.Ihm);
    e.DestEchangeursAutoroutiers = e.DestEchangeursVoiesExpress = true;
    e.DestGaresTGVVoieRapide = e.DestGaresTGVVoieClassique = true;
    SelectionNoeudsDestination(e);
    e.Valuation = valuation;
    if (!PlusProcheNoeudDestination(e)) return;
    Ecrit(e, "\\NoeudVal.dat");
    e.ValeursNoeuds.assign(e.TypeNoeudLePlusProche.begin(), e.TypeNoeudLePlusProche.end());
    Ecrit(e, "\\CoulNVal.dat");
}

}  // namespace

void SelectionNoeudsDestination(EtatAccessibilite& e) {
    Marque(e);
    e.ChargerReseau = false;
    Dialogue d = DialogueReseaux(e);
    e.Ihm.MontreDialogue(d, true);
    if (e.ChargerReseau && ChargementReseau(e)) {
        // The markers follow the network read again.
        CalculMatriceArcsMin(e);
        Marque(e);
    }
}

bool PlusProcheNoeudDestination(EtatAccessibilite& e) {
    if (e.Valuation != "Distance" && e.Valuation != "Temps" && e.Valuation != "Distance2Temps") {
        SignaleValuationSansSens(e, "le noeud le plus proche");
        return false;
    }
    Chemins(e);
    const auto t = static_cast<std::size_t>(std::max(e.NbNoeuds, 0)) + 1;
    e.ValeursNoeuds.assign(t, 0.0);
    e.TypeNoeudLePlusProche.assign(t, 0);
    if (e.NoeudsCriteres.size() != t) e.NoeudsCriteres.assign(t, 0);
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i) {
        const auto pi = static_cast<std::size_t>(i);
        if (e.NoeudsCriteres[pi] != 0) continue;
        float v = kInfini;
        for (std::int32_t j = 1; j <= e.NbNoeuds; ++j) {
            const auto pj = static_cast<std::size_t>(j);
            if (j == i || e.NoeudsCriteres[pj] == 0 || !(D(e, i, j) < v)) continue;
            v = D(e, i, j);
            e.TypeNoeudLePlusProche[pi] = e.NoeudsCriteres[pj];
        }
        e.ValeursNoeuds[pi] = v;
    }
    e.NoeudsCriteres.assign(1, 0);
    return true;
}

void SelectionNoeudsCriteres(EtatAccessibilite& e) {
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i)
        AfficheProgression(e, e.NbNoeuds, i, "Sélection des Noeuds Tevrin...");
    e.NoeudsCriteres = Reperes(e, true, true, true, true, true);
}

void RespectCriteres(EtatAccessibilite& e) {
    const auto t = static_cast<std::size_t>(std::max(e.NbNoeuds, 0)) + 1;
    if (e.NoeudsCriteres.size() != t) e.NoeudsCriteres.assign(t, 0);
    e.Valuation = "Distance";
    Chemins(e);
    e.ValeursNoeuds.assign(t, 0.0);
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i) {
        const auto pi = static_cast<std::size_t>(i);
        e.ValeursNoeuds[pi] = e.NoeudsCriteres[pi] ? 10 : 2;
        for (std::int32_t j = 1; j <= e.NbNoeuds && e.ValeursNoeuds[pi] == 2; ++j)
            if (j != i && e.NoeudsCriteres[static_cast<std::size_t>(j)] && D(e, i, j) <= kSeuilKm)
                e.ValeursNoeuds[pi] = 4;
    }
    e.Valuation = "Temps";
    Chemins(e);
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i) {
        double& v = e.ValeursNoeuds[static_cast<std::size_t>(i)];
        for (std::int32_t j = 1; j <= e.NbNoeuds && (v == 2 || v == 4); ++j)
            if (j != i && e.NoeudsCriteres[static_cast<std::size_t>(j)] &&
                D(e, i, j) <= kSeuilMinutes)
                v = v == 2 ? 6 : 8;
    }
    e.NoeudsCriteres.assign(1, 0);
}

Dialogue DialogueSelecNoeudsDest(EtatAccessibilite& e) {
    Dialogue d;
    d.nom = "SelecNoeudsDest";
    d.legende = "Noeuds de destination";
    d.Ajoute(TypeControle::Etiquette, "Texte", "Sélectionnez  le ou les noeuds de destination");
    const struct {
        const char* nom;
        const char* legende;
        bool EtatAccessibilite::*drapeau;
    } boites[] = {
        {"EchAut", "Echangeurs autoroutiers", &EtatAccessibilite::DestEchangeursAutoroutiers},
        {"EchVExp", "Echangeurs de voies express", &EtatAccessibilite::DestEchangeursVoiesExpress},
        {"GareTGVVR", "Gares TGV sur voie rapide", &EtatAccessibilite::DestGaresTGVVoieRapide},
        {"GareTGVVC", "Gares TGV sur voie classique",
         &EtatAccessibilite::DestGaresTGVVoieClassique},
    };
    for (const auto& b : boites)
        d.Ajoute(TypeControle::Case, b.nom, b.legende).coche = e.*b.drapeau;
    std::vector<std::pair<std::string, bool EtatAccessibilite::*>> liens;
    for (const auto& b : boites) liens.emplace_back(b.nom, b.drapeau);
    d.Ajoute(TypeControle::Bouton, "SélecOk", "OK").action = [&e, liens](Dialogue& dlg) {
        for (const auto& [nom, drapeau] : liens) e.*drapeau = dlg[nom].coche;
        e.ChoixSortie = "Fichier";
        dlg.Ferme();
    };
    d.Ajoute(TypeControle::Bouton, "SélecAnnule", "Annuler").action = [&e](Dialogue& dlg) {
        e.ChoixSortie = "Annule";
        dlg.Ferme();
    };
    d.boutonAnnulation = "SélecAnnule";
    return d;
}

void menNoeudProche(EtatAccessibilite& e) {
    e.ChoixSortie = "Annule";
    Dialogue d = DialogueSelecNoeudsDest(e);
    e.Ihm.MontreDialogue(d, true);
    if (e.ChoixSortie != "Fichier") return;
    Sablier s(e.Ihm);
    SelectionNoeudsDestination(e);
    if (!PlusProcheNoeudDestination(e)) return;
    Ecrit(e, "\\NoeudVal.dat");
}

void menTevrinLongueurs(EtatAccessibilite& e) {
    Tevrin(e, "Distance");
}

void menTevrinTemps(EtatAccessibilite& e) {
    Tevrin(e, "Temps");
}

void menRespectCritères(EtatAccessibilite& e) {
    Sablier s(e.Ihm);
    SelectionNoeudsCriteres(e);
    RespectCriteres(e);
    Ecrit(e, "\\NoeudVal.dat");
}

}  // namespace vek
