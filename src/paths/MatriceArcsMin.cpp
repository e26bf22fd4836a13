#include "paths/MatriceArcsMin.h"

#include <cmath>
#include <unordered_set>

#include "network/IndexCodes.h"
#include "network/Mode.h"
#include "network/Temps.h"
#include "paths/EtatChemins.h"
#include "shell/Champs.h"
#include "shell/Fichiers.h"
#include "shell/Format.h"
#include "shell/Memoire.h"
#include "shell/Progression.h"
#include "shell/Texte.h"

namespace vek {

namespace {
// Bytes of a dense (n + 1) x (n + 1) matrix, less what the one it replaces frees.
std::uint64_t CelluleMatrice(std::int32_t n, std::size_t taille) {
    const std::uint64_t c = static_cast<std::uint64_t>(n) + 1;
    return c * c * taille;
}
}  // namespace

void RecalculeOriente(EtatChemins& e) {
    e.Oriente = false;
    for (std::int32_t a = 1; a <= e.NbArcs && !e.Oriente; ++a) {
        RechercheMode(e, e.Arcs[a].Mode);
        e.Oriente = e.ModeCourant.Oriente;
    }
}

void CalculMatriceArcsMin(EtatChemins& e) {
    Sablier sablier(e.Ihm);
    if (e.Valuation != "Horaires") e.Menus.Cache("menHoraireContrainteArrivée");
    const std::string& v = e.Valuation;
    // A mode made one-way or two-way since the load changes the orientation of the network.
    RecalculeOriente(e);
    auto variante = e.VariantesValuation.find(v);
    if (v == "JoursEtHeures")
        CreationMatriceArcsMinJoursEtHeures(e, v);
    else if (variante != e.VariantesValuation.end() && variante->second.MatriceArcsMin)
        variante->second.MatriceArcsMin(v);
    else
        CreationMatriceArcsMin(e, v);
    e.Menus.Active("menVisuMatArcsMin");
    e.Menus.Active("menChemins");
}

void CreationMatriceArcsMin(EtatChemins& e, const std::string& v) {
    const std::int32_t n = e.NbNoeuds;
    VerifieMemoire(CelluleMatrice(n, sizeof(CelluleArcMin)), "la matrice des arcs minimaux");
    ++e.GenerationReseau;  // the paths computed before no longer match
    e.MatArcsMinValuation = v;
    e.MatArcsMin.Dimensionne(static_cast<std::size_t>(n));
    e.ServicesPaires.Vide(0);
    const IndexCodes index(e.Noeuds, e.NbNoeuds);
    const bool distance = v == "Distance";
    const bool temps = v == "Temps";
    ArcsEcartes ecartes;
    for (std::int32_t a = 1; a <= e.NbArcs; ++a) {
        AfficheProgression(e, e.NbArcs, a, "Création de la matrice des arcs minimaux...");
        const Arc& arc = e.Arcs[a];
        float x = distance ? arc.Distance : temps ? arc.Temps : arc.Temps / arc.Distance;
        if (arc.Origine == 0 || arc.Destination == 0) continue;
        if (ecartes.Ecarte(e, a, x)) continue;
        const std::size_t i = static_cast<std::size_t>(index(arc.Origine));
        const std::size_t j = static_cast<std::size_t>(index(arc.Destination));
        RechercheMode(e, arc.Mode);
        CelluleArcMin& c = e.MatArcsMin(i, j);
        if (c.Valeur == 0 || x < c.Valeur) {
            c.Valeur = x;
            c.Mode = arc.Mode;
            c.IndiceArc = a;
            if (!e.ModeCourant.Oriente) {
                CelluleArcMin& r = e.MatArcsMin(j, i);
                r.Valeur = x;
                r.Mode = arc.Mode;
                r.IndiceArc = a;
            }
        }
    }
    ecartes.Signale(e, v);
}

void CreationMatriceArcsMinJoursEtHeures(EtatChemins& e, const std::string& v) {
    const std::int32_t n = e.NbNoeuds;
    VerifieMemoire(CelluleMatrice(n, sizeof(CelluleArcMin)), "la matrice des arcs minimaux");
    ++e.GenerationReseau;
    e.MatArcsMinValuation = v;
    e.MatArcsMin.Dimensionne(static_cast<std::size_t>(n));
    e.ServicesPaires.Vide(n);
    const IndexCodes index(e.Noeuds, e.NbNoeuds);
    ServicesRefuses refus;
    ArcsEcartes ecartes;
    for (std::int32_t a = 1; a <= e.NbArcs; ++a) {
        AfficheProgression(e, e.NbArcs, a, "Création de la matrice des arcs minimaux...");
        const Arc& arc = e.Arcs[a];
        const float x = v == "Distance" ? arc.Distance : arc.Temps;
        const std::size_t i = static_cast<std::size_t>(index(arc.Origine));
        const std::size_t j = static_cast<std::size_t>(index(arc.Destination));
        CelluleArcMin& c = e.MatArcsMin(i, j);
        if (!EstModeHoraire(arc.Mode)) {
            if (!ecartes.Ecarte(e, a, x) && (c.Valeur == 0 || x < c.Valeur)) {
                for (CelluleArcMin* m : {&c, &e.MatArcsMin(j, i)}) {
                    m->Valeur = x;
                    m->Mode = arc.Mode;
                    m->IndiceArc = a;
                }
            }
            continue;
        }
        // Every scheduled arc of the pair is recorded, up to the limit of services.
        if (!e.ServicesPaires.Ajoute(static_cast<std::int32_t>(i), static_cast<std::int32_t>(j),
                                     a)) {
            refus.Note(e, static_cast<std::int32_t>(i), static_cast<std::int32_t>(j));
            continue;
        }
        ++c.NbServices;
        if (c.Mode == 0) c.Mode = arc.Mode;
    }
    refus.Signale(e, kMaxServicesParPaire);
    ecartes.Signale(e, v);
}

bool ArcsEcartes::Ecarte(const EtatChemins& e, std::int32_t a, float valeur) {
    if (valeur != 0 && std::isfinite(valeur)) return false;
    Note(e, a, valeur);
    return true;
}

void ArcsEcartes::Note(const EtatChemins& e, std::int32_t a, float valeur) {
    if (nombre_++ < 5) {
        const Arc& arc = e.Arcs[a];
        liste_ += "\n" + std::to_string(arc.Origine) + " - " + std::to_string(arc.Destination) +
                  " (mode " + std::to_string(arc.Mode) +
                  ") : " + TexteNombre(static_cast<double>(valeur), kChiffresSingle);
    } else if (nombre_ == 6) {
        liste_ += "\n...";
    }
}

void ArcsEcartes::Signale(EtatChemins& e, const std::string& valuation) const {
    if (nombre_ == 0) return;
    e.Ihm.Message(
        std::to_string(nombre_) +
            " arc(s) de valeur nulle, non finie ou trop grande ne sont pas retenus dans la matrice "
            "des arcs minimaux (valuation " +
            valuation +
            ") : une valeur 0 y signifie « pas d'arc » et effacerait un autre arc entre "
            "les mêmes noeuds. Ils restent dans le réseau." +
            liste_,
        Boutons::Ok, Icone::Exclamation, kTitreVek);
}

void ServicesRefuses::Note(const EtatChemins& e, std::int32_t i, std::int32_t j) {
    const std::int64_t cle = static_cast<std::int64_t>(i) * (e.NbNoeuds + 1) + j;
    if (!paires_.insert(cle).second || paires_.size() > 5) return;
    auto nom = [&](std::int32_t x) {
        return SansBlancsFinaux(e.Noeuds[x].Nom) + " (" + std::to_string(e.Noeuds[x].Code) + ")";
    };
    liste_ += "\n" + nom(i) + " - " + nom(j);
}

void ServicesRefuses::Signale(EtatChemins& e, std::int32_t maximum) const {
    if (paires_.empty()) return;
    e.Ihm.Message(std::to_string(paires_.size()) + " paire(s) de noeuds ont plus de " +
                      std::to_string(maximum) +
                      " services : les services au-delà ne sont pas pris en compte." + liste_,
                  Boutons::Ok, Icone::Exclamation, kTitreVek);
}

void EcritureMatriceArcsMin(EtatChemins& e, const std::string& chemin) {
    EcrivainTexte f(CheminDe(e, chemin), chemin, e.EncodageNoeuds, e.MarqueNoeuds);
    ControleChamps c;
    const std::int32_t n = e.NbNoeuds;
    // The layout is defined for "Temps" and "Distance"; the other valuations follow "Temps"
    // with the time of the arc retained.
    const bool distance = e.Valuation == "Distance";
    const bool temps = e.Valuation == "Temps";
    std::int64_t ligne = 0;
    if (e.MatArcsMin.Lignes() == static_cast<std::size_t>(n) + 1) {
        for (std::int32_t i = 1; i <= n; ++i) {
            for (std::int32_t j = 1; j <= n; ++j) {
                const CelluleArcMin& m = e.MatArcsMin(i, j);
                if (!(m.Valeur > 0)) continue;
                c.Ligne(++ligne);
                float km, hhmm;
                if (distance) {
                    km = m.Valeur;
                    hhmm = TempsDepuisDistance(e, m.Mode, m.Valeur);
                } else {
                    float minutes = temps || m.IndiceArc <= 0 || m.IndiceArc > e.NbArcs
                                        ? m.Valeur
                                        : e.Arcs[m.IndiceArc].Temps;
                    hhmm = static_cast<float>(MinutesEnHeuresMinutes(minutes));
                    km = DistanceDepuisTemps(e, minutes, m.Mode);
                }
                std::string l = c.Entier(e.Noeuds[i].Code, "0000000000", "Code");
                l += ' ' + c.Entier(e.Noeuds[j].Code, "0000000000", "Code");
                l += ' ' + c.Entier(m.Mode, "0000", "Mode");
                l += ' ' + c.Reel(km, "0000.000", "Distance");
                l += ' ' + c.Reel(hhmm, "0000", "Temps");
                l += ' ' + Cadre(e.Noeuds[i].Nom, 20) + ' ' + Cadre(e.Noeuds[j].Nom, 20);
                f.Ligne(l);
            }
        }
    }
    f.Ferme();
    c.Signale(e, chemin);
}

void menVisuMatArcsMin(EtatChemins& e) {
    Sablier sablier(e.Ihm);
    // A matrix released by an analysis, or built for another valuation, is built again for
    // the valuation in force.
    if (e.MatArcsMin.Lignes() != static_cast<std::size_t>(e.NbNoeuds) + 1 ||
        e.MatArcsMinValuation != e.Valuation)
        CalculMatriceArcsMin(e);
    std::string chemin = CheminResultat(e, "\\nAMin000.dat");
    EcritureMatriceArcsMin(e, chemin);
    e.NomFichierResultat = chemin;
    OuvreDansEditeur(e, chemin);
}

}  // namespace vek
