#include "location/FichiersChemins.h"

#include <string_view>
#include <vector>

#include "location/EtatLocalisation.h"
#include "location/FormulaireCheminsMinimaux.h"
#include "network/Temps.h"
#include "paths/Floyd.h"
#include "paths/Traces.h"
#include "shell/Champs.h"
#include "shell/FichierTexte.h"
#include "shell/Fichiers.h"
#include "shell/Format.h"
#include "shell/Progression.h"
#include "shell/Texte.h"

namespace vek {

namespace {

std::string Nom10(const EtatLocalisation& e, std::int32_t i) {
    return Cadre(e.Noeuds[static_cast<std::size_t>(i)].Nom, 10);
}

// A connection slot: the node's name and the time as hhmm, blank when there is no node.
std::string Correspondance(const EtatLocalisation& e, std::int32_t noeud, std::int32_t heure,
                           ControleChamps& c) {
    if (noeud < 1 || noeud > e.NbNoeuds) return std::string(10, ' ') + ' ' + std::string(4, ' ');
    return Nom10(e, noeud) + ' ' +
           c.Entier(static_cast<std::int64_t>(MinutesEnHeuresMinutes(heure)), "0000", "Heure");
}

}  // namespace

void EcritureConsultation(EtatLocalisation& e, const std::string& chemin) {
    EcrivainTexte f(CheminDe(e, chemin), chemin, e.EncodageNoeuds, e.MarqueNoeuds);
    ControleChamps c;
    std::int64_t ligne = 0;
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i) {
        AfficheProgression(e, e.NbNoeuds, i, "Ecriture du fichier de consultation...");
        for (std::int32_t j = 1; j <= e.NbNoeuds; ++j) {
            if (!e.CheMin.Existe(i, j)) continue;
            const Trajet& r = e.CheMin.Meilleur(i, j);
            // Compared as a number: the text of a value from 3300 up sorts above "32000".
            if (!(r.Valeur < 32000)) continue;
            c.Ligne(++ligne);
            f.Ligne(Nom10(e, i) + ' ' + Nom10(e, j) + ' ' + c.Reel(r.Valeur, "0000.000", "Valeur") +
                    "  " +
                    c.Entier(static_cast<std::int64_t>(MinutesEnHeuresMinutes(r.Depart)), "0000",
                             "Depart") +
                    ' ' +
                    c.Entier(static_cast<std::int64_t>(MinutesEnHeuresMinutes(r.Arrivee)), "0000",
                             "Arrivee") +
                    ' ' + Correspondance(e, 0, 0, c) + ' ' + Correspondance(e, 0, 0, c));
        }
    }
    f.Ferme();
    c.Signale(e, chemin);
}

void EcriturePredecesseurs(EtatLocalisation& e, const std::string& chemin) {
    EcrivainTexte f(CheminDe(e, chemin), chemin, e.EncodageNoeuds, e.MarqueNoeuds);
    ControleChamps c;
    const TablesChemins& r = e;
    std::int64_t ligne = 0;
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i) {
        AfficheProgression(e, e.NbNoeuds, i, "Ecriture des prédécesseurs...");
        const CellulePredecesseur* preds = r.MatPredecesseurs.Ligne(static_cast<std::size_t>(i));
        for (std::int32_t j = 1; j <= e.NbNoeuds; ++j) {
            const CellulePredecesseur& p = preds[j];
            c.Ligne(++ligne);
            const std::string nomPred =
                p.Pred >= 1 && p.Pred <= e.NbNoeuds ? Nom10(e, p.Pred) : std::string(10, ' ');
            f.Ligne(Nom10(e, i) + "  " + Nom10(e, j) + "  " + c.Entier(p.Pred, "0000", "Pred") +
                    "  " + nomPred + "  " + c.Entier(p.Mode, "0000", "Mode") + "  " +
                    Str(p.Valeur));
        }
    }
    f.Ferme();
    c.Signale(e, chemin);
}

std::int32_t ArcsChemin(EtatLocalisation& e, std::int32_t i, std::int32_t j) {
    e.ArcsProvisoires.assign(1, Arc{});
    e.NbArcsProvisoires = 0;
    if (e.Noeuds[static_cast<std::size_t>(i)].Code == e.Noeuds[static_cast<std::size_t>(j)].Code)
        return 0;
    // Traces left from other paths would give a false path.
    if (!TracesCourantes(e)) return 0;
    const std::vector<std::int32_t> noeuds = TraceChemin(e, i, j);
    for (std::size_t t = 0; t + 1 < noeuds.size(); ++t) {
        const std::int32_t k = noeuds[t], p = noeuds[t + 1];
        const CellulePredecesseur& pk =
            e.MatPredecesseurs(static_cast<std::size_t>(i), static_cast<std::size_t>(k));
        Arc a;
        a.Origine = e.Noeuds[static_cast<std::size_t>(k)].Code;
        a.Destination = e.Noeuds[static_cast<std::size_t>(p)].Code;
        a.Mode = pk.Mode;
        a.Temps = pk.Valeur;
        e.ArcsProvisoires.push_back(a);
        ++e.NbArcsProvisoires;
    }
    return e.NbArcsProvisoires;
}

void ValeursUnipolaires(EtatLocalisation& e, std::int32_t s, const ValeurUnipolaire& v) {
    const std::int32_t n = e.NbNoeuds;
    e.ValeursNoeuds.assign(static_cast<std::size_t>(n) + 1, 0.0);
    const std::string_view nom = v.nom;
    const auto su = static_cast<std::size_t>(s);
    if (nom == "ValTMDépartNoeudSélec" || nom == "ValTMVersNoeudSélec") {
        for (std::int32_t j = 1; j <= n; ++j) {
            const auto ju = static_cast<std::size_t>(j);
            e.ValeursNoeuds[ju] =
                v.depart ? e.CheminsMin(su, ju).Valeur : e.CheminsMin(ju, su).Valeur;
        }
        return;
    }
    const std::int32_t reference = e.HeureDepart;
    auto hhmm = [](std::int32_t minutes) { return MinutesEnHeuresMinutes(minutes) / 100; };
    for (std::int32_t j = 1; j <= n; ++j) {
        const Trajet& r = v.depart ? e.CheMin.Meilleur(s, j) : e.CheMin.Meilleur(j, s);
        double x = 0;
        if (nom == "ValTTotalDépartNoeudSélec" || nom == "ValTTotalVersNoeudSélec") {
            if (e.ContrainteDepart) {
                x = r.Arrivee - reference;
                if (x > 30000) x = 0;
            } else if (e.ContrainteArrivee) {
                x = reference - r.Depart;
                if (x < -30000) x = 0;
            }
        } else if (nom == "ValHDepVersNoeudSélec" || nom == "ValHDepDépartNoeudSélec") {
            x = hhmm(r.Depart);
            if (x > 500) x = 0;
        } else if (nom == "ValHArrDépartNoeudSélec" || nom == "ValHArrVersNoeudSélec") {
            x = hhmm(r.Arrivee);
            if (x > 500) x = 0;
        } else if (nom == "ValHArrDépartNoeudSélecEnMinutes") {
            x = r.Arrivee == kAucunTrajet ? 0 : r.Arrivee;
        } else if (nom == "ValHDepVersNoeudSélecEnMinutes") {
            x = r.Depart == kAucunTrajet ? 0 : r.Depart;
        } else if (nom == "ValSomTpsCorrespDépart" || nom == "ValSomTpsCorrespVers") {
            x = r.Attente > 30000 ? 0 : r.Attente;
        } else {
            x = r.Mode;
        }
        e.ValeursNoeuds[static_cast<std::size_t>(j)] = x;
    }
}

}  // namespace vek
