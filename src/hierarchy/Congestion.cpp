#include "hierarchy/Congestion.h"

#include <string>
#include <vector>

#include "accessibility/Circuite.h"
#include "accessibility/VitesseMoyenne.h"
#include "flows/Debits.h"
#include "hierarchy/EtatHierarchie.h"
#include "hierarchy/RechargeReseau.h"
#include "network/ListeCouples.h"
#include "network/Mode.h"
#include "network/ValeursNoeuds.h"
#include "paths/Floyd.h"
#include "paths/MatriceArcsMin.h"
#include "shell/Fichiers.h"
#include "shell/Format.h"

namespace vek {

namespace {

bool ExtremitesConnues(const EtatHierarchie& e, const Arc& a) {
    return a.IndiceOrigine >= 1 && a.IndiceOrigine <= e.NbNoeuds && a.IndiceDestination >= 1 &&
           a.IndiceDestination <= e.NbNoeuds;
}

void Signale(EtatHierarchie& e, std::int64_t nombre, const std::string& texte) {
    if (nombre == 0) return;
    e.Ihm.Message(TexteNombre(nombre) + texte, Boutons::Ok, Icone::Information, kTitreVek);
}

// One value per arc, into ListeCouples and "\ArcVal.dat"; `valeur` gives nothing for an arc
// left out.
template <typename F>
void EcritureParArc(EtatHierarchie& e, F valeur) {
    std::vector<Couple> couples;
    for (std::int32_t a = 1; a <= e.NbArcs; ++a) {
        const Arc& arc = e.Arcs[static_cast<std::size_t>(a)];
        if (!ExtremitesConnues(e, arc)) continue;
        const std::optional<double> v = valeur(arc);
        if (v) couples.push_back({arc.IndiceOrigine, arc.IndiceDestination, *v});
    }
    DimensionneListeCouples(e, static_cast<std::int32_t>(couples.size()));
    std::copy(couples.begin(), couples.end(), e.ListeCouples.begin() + 1);
    e.NomFichierResultat = CheminResultat(e, "\\ArcVal.dat");
    EcritureListeCouples(e, e.NomFichierResultat);
    OuvreDansEditeur(e, e.NomFichierResultat);
}

void EcritureParNoeud(EtatHierarchie& e) {
    e.NomFichierResultat = CheminResultat(e, "\\NoeudVal.dat");
    EcritureValeursNoeuds(e, e.NomFichierResultat);
    OuvreDansEditeur(e, e.NomFichierResultat);
}

void EcritureReseau(EtatHierarchie& e, float valeur) {
    e.NomFichierResultat = CheminResultat(e, "\\NoeudVal.dat");
    EcritureValeurUnique(e, e.NomFichierResultat, valeur);
    OuvreDansEditeur(e, e.NomFichierResultat);
}

// The network total of a per-node result, summed in Double.
float SommeDesNoeuds(const EtatHierarchie& e) {
    double somme = 0;
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i)
        somme += e.ValeursNoeuds[static_cast<std::size_t>(i)];
    return static_cast<float>(somme);
}

// The sum of the shortest-path values from each origin to the others it reaches.
std::vector<double> SommesParOrigine(const EtatHierarchie& e, bool seconde) {
    const std::size_t n = static_cast<std::size_t>(e.NbNoeuds);
    std::vector<double> sommes(n + 1, 0.0);
    for (std::size_t i = 1; i <= n; ++i)
        for (std::size_t j = 1; j <= n; ++j) {
            const CelluleChemin& c = e.CheminsMin(i, j);
            if (j != i && c.Valeur < kInfini) sommes[i] += seconde ? c.Valeur2 : c.Valeur;
        }
    return sommes;
}

std::vector<double> SommesDesCheminsParTemps(EtatHierarchie& e) {
    e.Valuation = "Temps";
    CalculMatriceArcsMin(e);
    PlusCourtsChemins(e);
    return SommesParOrigine(e, false);
}

// The computation of the node time loss on the working network, which it changes.
bool CalculPerteTemps(EtatHierarchie& e) {
    const std::size_t n = static_cast<std::size_t>(e.NbNoeuds);
    TempsLibres(e);
    const std::vector<double> libres = SommesDesCheminsParTemps(e);
    e.DebitsHoraires = true;
    if (!AppliqueDebits(e, true)) return false;
    const std::vector<double> charges = SommesDesCheminsParTemps(e);
    // The lengths of the free-flow paths by time.
    TempsLibres(e);
    e.Valuation = "Temps2Distance";
    RecalculeOriente(e);
    CreationMatriceArcsMinCircuite(e, "Temps2Distance");
    CheminsCircuite(e);
    const std::vector<double> longueurs = SommesParOrigine(e, true);
    e.ValeursNoeuds.assign(n + 1, 0.0);
    std::int64_t sansLongueur = 0;
    for (std::size_t i = 1; i <= n; ++i) {
        if (!(longueurs[i] > 0)) {
            ++sansLongueur;
            continue;
        }
        e.ValeursNoeuds[i] = (libres[i] - charges[i]) / longueurs[i];
    }
    Signale(e, sansLongueur,
            " noeud(s) n'ont aucun chemin de longueur non nulle vers les autres : leur perte de "
            "temps est 0.");
    return true;
}

bool CalculPerteVitesse(EtatHierarchie& e) {
    const std::size_t n = static_cast<std::size_t>(e.NbNoeuds);
    TempsLibres(e);
    VitessesMoyennesEuclidiennes(e);
    e.VitessesLibres = e.ValeursNoeuds;
    e.DebitsHoraires = true;
    if (!AppliqueDebits(e, true)) return false;
    VitessesMoyennesEuclidiennes(e);
    e.VitessesChargees = e.ValeursNoeuds;
    e.ValeursNoeuds.assign(n + 1, 0.0);
    std::int64_t sansVitesse = 0;
    for (std::size_t i = 1; i <= n; ++i) {
        const double libre = e.VitessesLibres[i];
        if (!(libre > 0)) {
            ++sansVitesse;
            continue;
        }
        e.ValeursNoeuds[i] = (e.VitessesChargees[i] - libre) / libre * 100.0;
    }
    Signale(e, sansVitesse, " noeud(s) sans vitesse moyenne libre : leur perte de vitesse est 0.");
    return true;
}

// Runs a loss computation on the working network, then puts the network back as it was.
bool SurLeReseau(EtatHierarchie& e, bool (*calcul)(EtatHierarchie&)) {
    if (e.NbNoeuds < 2) {
        e.Ihm.Message("Le réseau compte moins de deux noeuds : aucune perte n'est calculable.",
                      Boutons::Ok, Icone::Exclamation, kTitreVek);
        return false;
    }
    const InstantaneReseau avant = PrendInstantane(e);
    const bool fait = calcul(e);
    RechargeReseau(e, avant);
    return fait;
}

}  // namespace

void CongestionLocale(EtatHierarchie& e) {
    std::int64_t sansVitesseMax = 0;
    EcritureParArc(e, [&](const Arc& a) -> std::optional<double> {
        if (a.VitesseMax <= 0) {
            ++sansVitesseMax;
            return std::nullopt;
        }
        return a.Vitesse / static_cast<float>(a.VitesseMax);
    });
    Signale(e, sansVitesseMax,
            " arc(s) d'un mode sans vitesse maximale (VMax) sont laissés de côté.");
}

void AfficheVitessesReelles(EtatHierarchie& e) {
    EcritureParArc(e, [](const Arc& a) -> std::optional<double> { return a.Vitesse; });
}

void CongestionGlobaleReseau(EtatHierarchie& e) {
    double chargee = 0, libre = 0;
    std::int64_t sansVitesseMax = 0;
    for (std::int32_t a = 1; a <= e.NbArcs; ++a) {
        const Arc& arc = e.Arcs[static_cast<std::size_t>(a)];
        if (arc.VitesseMax <= 0) {
            ++sansVitesseMax;
            continue;
        }
        chargee += static_cast<double>(arc.Distance) * arc.Vitesse;
        libre += static_cast<double>(arc.VitesseMax) * arc.Distance;
    }
    if (!(libre > 0)) {
        e.Ihm.Message(
            "Aucun arc routier de longueur non nulle n'a de vitesse maximale : la congestion "
            "globale ne peut pas être calculée.",
            Boutons::Ok, Icone::Exclamation, kTitreVek);
        return;
    }
    Signale(e, sansVitesseMax,
            " arc(s) d'un mode sans vitesse maximale (VMax) sont laissés de côté.");
    e.CongestionGlobale = static_cast<float>(chargee / libre);
    EcritureReseau(e, e.CongestionGlobale);
}

bool PerteTempsNodale(EtatHierarchie& e) {
    if (!SurLeReseau(e, CalculPerteTemps)) return false;
    EcritureParNoeud(e);
    return true;
}

void PerteTempsGlobaleReseau(EtatHierarchie& e) {
    if (!PerteTempsNodale(e)) return;
    e.PerteTempsGlobale = SommeDesNoeuds(e);
    EcritureReseau(e, e.PerteTempsGlobale);
}

bool PerteVitesseMoyEucl(EtatHierarchie& e) {
    if (!SurLeReseau(e, CalculPerteVitesse)) return false;
    EcritureParNoeud(e);
    return true;
}

void PerteVitesseGlobaleReseau(EtatHierarchie& e) {
    if (!PerteVitesseMoyEucl(e)) return;
    e.PerteVitesseGlobale = SommeDesNoeuds(e);
    EcritureReseau(e, e.PerteVitesseGlobale);
}

void menCongLoc(EtatHierarchie& e) {
    Sablier sablier(e.Ihm);
    CongestionLocale(e);
}

void menAfficheVitRéelle(EtatHierarchie& e) {
    Sablier sablier(e.Ihm);
    AfficheVitessesReelles(e);
}

void mencongglob(EtatHierarchie& e) {
    Sablier sablier(e.Ihm);
    CongestionGlobaleReseau(e);
}

void menPerteTpsNod(EtatHierarchie& e) {
    Sablier sablier(e.Ihm);
    PerteTempsNodale(e);
}

void menPerteTpsGlob(EtatHierarchie& e) {
    Sablier sablier(e.Ihm);
    PerteTempsGlobaleReseau(e);
}

void menPerteVitMoyEucl(EtatHierarchie& e) {
    Sablier sablier(e.Ihm);
    PerteVitesseMoyEucl(e);
}

void menPerteVitMoyGlobale(EtatHierarchie& e) {
    Sablier sablier(e.Ihm);
    PerteVitesseGlobaleReseau(e);
}

}  // namespace vek
