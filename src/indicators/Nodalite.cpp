#include "indicators/Nodalite.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <vector>

#include "indicators/EtatIndicateurs.h"
#include "indicators/Incidence.h"
#include "shell/Entiers.h"
#include "shell/Fichiers.h"
#include "shell/Format.h"
#include "shell/Progression.h"
#include "shell/Texte.h"

namespace vek {

namespace {

// What each arc's mode says of it: kept or not, oriented or not. The modes are looked up as
// RechercheMode does (an unknown code is a mode that is not kept).
struct ModeArc {
    bool selectionne = false;
    bool oriente = false;
};

std::vector<ModeArc> ModesDesArcs(EtatIndicateurs& e, const std::vector<Arc>& arcs,
                                  std::int32_t nbArcs) {
    std::unordered_map<int, ModeArc> connus;
    std::vector<ModeArc> modes(static_cast<std::size_t>(std::max(nbArcs, 0)) + 1);
    for (std::int32_t k = 1; k <= nbArcs; ++k) {
        const int code = arcs[static_cast<std::size_t>(k)].Mode;
        auto p = connus.find(code);
        if (p == connus.end()) {
            RechercheMode(e, code);
            p = connus.emplace(code, ModeArc{e.ModeCourant.Selectionne, e.ModeCourant.Oriente})
                    .first;
        }
        modes[static_cast<std::size_t>(k)] = p->second;
    }
    return modes;
}

void Reinitialise(EtatIndicateurs& e) {
    e.ValeursNoeuds.assign(static_cast<std::size_t>(std::max(e.NbNoeuds, 0)) + 1, 0.0);
}

double Unite(const EtatIndicateurs& e, const Arc& a) {
    if (e.IndicVek.Valuation == "Booléenne") return 1;
    if (e.IndicVek.Valuation == "Distance") return a.Distance;
    return a.Temps;
}

// a·log10(a), 0 for a = 0 or 1.
double TermeConnexion(std::int64_t a) {
    if (a <= 1) return 0;
    const double d = static_cast<double>(a);
    return d * std::log10(d);
}

void Degres(EtatIndicateurs& e, Demi type, const std::string& legende) {
    Reinitialise(e);
    const Incidence inc(e.Noeuds, e.NbNoeuds, e.Arcs, e.NbArcs);
    const std::vector<ModeArc> modes = ModesDesArcs(e, e.Arcs, e.NbArcs);
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i) {
        AfficheProgression(e, e.NbNoeuds, i, legende);
        const std::int64_t code = e.Noeuds[static_cast<std::size_t>(i)].Code;
        double v = 0;
        for (std::int32_t k : ArcsIncidents{inc, i}) {
            const ModeArc m = modes[static_cast<std::size_t>(k)];
            if (!m.selectionne) continue;
            const Arc& a = e.Arcs[static_cast<std::size_t>(k)];
            const double u = Unite(e, a);
            if (!m.oriente) {
                v += type == Demi::Degre ? 2 * u : u;
            } else if (type == Demi::Degre || (type == Demi::Exterieur && a.Origine == code) ||
                       (type == Demi::Interieur && a.Destination == code)) {
                v += u;
            }
        }
        e.ValeursNoeuds[static_cast<std::size_t>(i)] = v;
    }
}

const char* LegendeFixe(Demi type) {
    switch (type) {
        case Demi::Degre:
            return "Calcul du degré...";
        case Demi::Exterieur:
            return "Calcul du demi-degré extérieur...";
        case Demi::Interieur:
            break;
    }
    return "Calcul du demi-degré intérieur...";
}

// The nodes whose valence cannot be an integer: counted, the first named.
struct ValencesRefusees {
    std::vector<bool> refuse;
    std::int32_t nombre = 0;
    std::string premier;
    void Note(const EtatIndicateurs& e, std::size_t i, const std::string& quoi, double valeur) {
        if (refuse[i]) return;
        refuse[i] = true;
        if (nombre++ == 0)
            premier =
                quoi + " de " + SansBlancsFinaux(e.Noeuds[i].Nom) + " vaut " + TexteNombre(valeur);
    }
};

// The node values rounded to integers, halves to even; a value no 64-bit integer holds (a
// time made infinite by a speed near 0) is noted and counts 0.
std::vector<std::int64_t> Arrondis(const EtatIndicateurs& e, ValencesRefusees& refus,
                                   const std::string& quoi) {
    std::vector<std::int64_t> r(e.ValeursNoeuds.size(), 0);
    for (std::size_t i = 1; i < r.size(); ++i) {
        if (const auto v = EntierArrondi<std::int64_t>(e.ValeursNoeuds[i]))
            r[i] = *v;
        else
            refus.Note(e, i, quoi, e.ValeursNoeuds[i]);
    }
    return r;
}

// The connexion indices by mode: intra counts the arcs of a mode, inter those of the others.
void ConnexionParMode(EtatIndicateurs& e, bool multimodal, int mode, bool inter,
                      const std::string& legende) {
    Reinitialise(e);
    const Incidence inc(e.Noeuds, e.NbNoeuds, e.Arcs, e.NbArcs);
    // Multimodal: one count per mode of the network, each listed mode reading the count of its
    // code.
    std::unordered_map<int, std::size_t> place;
    std::vector<std::size_t> colonne;
    if (multimodal) {
        for (std::int32_t m = 1; m <= e.NbModes; ++m) {
            const int code = e.ModesReseau[static_cast<std::size_t>(m)].Code;
            auto p = place.emplace(code, place.size()).first;
            colonne.push_back(p->second);
        }
    }
    std::vector<std::int64_t> comptes(place.size());
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i) {
        AfficheProgression(e, e.NbNoeuds, i, legende);
        const std::int64_t d = inc.Nombre(i);
        double v = 0;
        if (multimodal) {
            std::fill(comptes.begin(), comptes.end(), 0);
            for (std::int32_t k : ArcsIncidents{inc, i}) {
                auto p = place.find(e.Arcs[static_cast<std::size_t>(k)].Mode);
                if (p != place.end()) ++comptes[p->second];
            }
            for (std::size_t c : colonne) v += TermeConnexion(inter ? d - comptes[c] : comptes[c]);
        } else {
            std::int64_t a = 0;
            for (std::int32_t k : ArcsIncidents{inc, i})
                if (e.Arcs[static_cast<std::size_t>(k)].Mode == mode) ++a;
            v = TermeConnexion(inter ? d - a : a);
        }
        e.ValeursNoeuds[static_cast<std::size_t>(i)] = v;
    }
}

// The mode of the unimodal indicators: the one named in the dialog's list; a name that is not
// a mode leaves the mode of the previous lookup.
int ModeDeLaListe(EtatIndicateurs& e) {
    RechercheModeParNom(e, e.IndicVek.ModeListe);
    return e.ModeCourant.Code;
}

}  // namespace

void CalculDegre(EtatIndicateurs& e, const std::string& indicateur) {
    const Demi type = indicateur == "Degré"                  ? Demi::Degre
                      : indicateur == "Demi-degré extérieur" ? Demi::Exterieur
                                                             : Demi::Interieur;
    Degres(e, type, "Calcul du " + indicateur + "...");
}

void CalculDegreFixe(EtatIndicateurs& e, Demi type) {
    Degres(e, type, LegendeFixe(type));
}

bool CalculValence(EtatIndicateurs& e) {
    ValencesRefusees refus;
    refus.refuse.assign(static_cast<std::size_t>(std::max(e.NbNoeuds, 0)) + 1, false);
    CalculDegreFixe(e, Demi::Interieur);
    e.DemiDegresInterieurs = Arrondis(e, refus, "le demi-degré intérieur");
    CalculDegreFixe(e, Demi::Exterieur);
    e.DemiDegresExterieurs = Arrondis(e, refus, "le demi-degré extérieur");
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i) {
        AfficheProgression(e, e.NbNoeuds, i, "Calcul de la valence...");
        const auto p = static_cast<std::size_t>(i);
        std::int64_t v = 0;
        if (__builtin_sub_overflow(e.DemiDegresInterieurs[p], e.DemiDegresExterieurs[p], &v))
            refus.Note(e, p, "la valence",
                       static_cast<double>(e.DemiDegresInterieurs[p]) -
                           static_cast<double>(e.DemiDegresExterieurs[p]));
        e.ValeursNoeuds[p] = static_cast<double>(v);
    }
    if (refus.nombre == 0) return true;
    // No valence is written rather than wrong ones.
    Reinitialise(e);
    e.DemiDegresInterieurs.assign(e.ValeursNoeuds.size(), 0);
    e.DemiDegresExterieurs.assign(e.ValeursNoeuds.size(), 0);
    e.Ihm.Message("La valence de " + std::to_string(refus.nombre) +
                      " noeud(s) ne peut pas être calculée : " + refus.premier +
                      ", hors de la capacité d'un entier. Aucun résultat n'est écrit.",
                  Boutons::Ok, Icone::Exclamation, kTitreVek);
    return false;
}

void CalculNbNoeudsAccessibles(EtatIndicateurs& e) {
    Reinitialise(e);
    const Incidence inc(e.Noeuds, e.NbNoeuds, e.Arcs, e.NbArcs);
    const std::vector<ModeArc> modes = ModesDesArcs(e, e.Arcs, e.NbArcs);
    // A mark per node position, the node being looked at as its value: no clearing per node.
    std::vector<std::int32_t> marque(static_cast<std::size_t>(e.NbNoeuds) + 1, 0);
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i) {
        AfficheProgression(e, e.NbNoeuds, i, "Calcul nb noeuds accessibles directement...");
        const std::int64_t code = e.Noeuds[static_cast<std::size_t>(i)].Code;
        std::int64_t compte = 0;
        // Positions 1..NbNoeuds only: an end that was not found (index 0) is no neighbour.
        auto marqueNoeud = [&](std::int32_t x) {
            if (x < 1 || x > e.NbNoeuds || x == i) return;
            std::int32_t& m = marque[static_cast<std::size_t>(x)];
            if (m != i) {
                m = i;
                ++compte;
            }
        };
        for (std::int32_t k : ArcsIncidents{inc, i}) {
            const ModeArc m = modes[static_cast<std::size_t>(k)];
            if (!m.selectionne) continue;
            const Arc& a = e.Arcs[static_cast<std::size_t>(k)];
            if (!m.oriente) {
                marqueNoeud(a.IndiceOrigine);
                marqueNoeud(a.IndiceDestination);
            } else if (a.Origine == code) {
                marqueNoeud(a.IndiceDestination);
            }
        }
        e.ValeursNoeuds[static_cast<std::size_t>(i)] = static_cast<double>(compte);
    }
}

void CalculIndiceConnexion(EtatIndicateurs& e) {
    Reinitialise(e);
    const Incidence inc(e.Noeuds, e.NbNoeuds, e.Arcs, e.NbArcs);
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i) {
        AfficheProgression(e, e.NbNoeuds, i, "Calcul de l'indice général de connexion...");
        e.ValeursNoeuds[static_cast<std::size_t>(i)] = TermeConnexion(inc.Nombre(i));
    }
}

void CalculInterConnexion(EtatIndicateurs& e, bool multimodal, int mode) {
    ConnexionParMode(e, multimodal, mode, true,
                     multimodal ? "Calcul de l'indice d'inter-connexion multimodal..."
                                : "Calcul de l'indice d'inter-connexion unimodal...");
}

void CalculIntraConnexion(EtatIndicateurs& e, bool multimodal, int mode) {
    ConnexionParMode(e, multimodal, mode, false,
                     multimodal ? "Calcul de l'indice d'intra-connexion multimodal..."
                                : "Calcul de l'indice d'intra-connexion unimodal...");
}

void CalculProprieteNodalite(EtatIndicateurs& e, int mode) {
    Reinitialise(e);
    const Incidence inc(e.Noeuds, e.NbNoeuds, e.Arcs, e.NbArcs);
    const bool missions = e.TypeDonneesTC == "Missions";
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i) {
        AfficheProgression(e, e.NbNoeuds, i, "Calcul propriété de nodalité...");
        int score = 0;
        for (std::int32_t k : ArcsIncidents{inc, i}) {
            if (score >= 3) break;
            const Arc& a = e.Arcs[static_cast<std::size_t>(k)];
            if (mode != 0 && a.Mode != mode) continue;
            score += missions && a.Mode == 3 ? 1 : 2;
        }
        e.ValeursNoeuds[static_cast<std::size_t>(i)] = score > 2 ? 3 : score;
    }
}

void CopieArcsTravail(EtatIndicateurs& e) {
    e.ArcsTravail.assign(1, Arc{});
    e.ArcsTravail.reserve(static_cast<std::size_t>(std::max(e.NbArcs, 0)) + 1);
    e.NbArcsTravail = 0;
    for (std::int32_t k = 1; k <= e.NbArcs; ++k) {
        const Arc& a = e.Arcs[static_cast<std::size_t>(k)];
        Arc t;
        t.Origine = a.Origine;
        t.Destination = a.Destination;
        t.Mode = a.Mode;
        t.Distance = a.Distance;
        t.Temps = a.Temps;
        t.HeureDepart = a.HeureDepart;
        t.HeureArrivee = a.HeureArrivee;
        t.Jours = a.Jours;
        t.Debit = a.Debit;
        e.ArcsTravail.push_back(std::move(t));
        ++e.NbArcsTravail;
    }
}

void CalculContiguiteOrdre2(EtatIndicateurs& e) {
    const std::string& indicateur = e.IndicVek.Indicateur;
    CalculDegreFixe(e, indicateur == "Degré"          ? Demi::Degre
                       : indicateur == "DemiDegréExt" ? Demi::Exterieur
                                                      : Demi::Interieur);
    const std::vector<double>& v = e.ValeursNoeuds;
    std::vector<double> ordre2(v.size(), 0.0);
    const Incidence inc(e.Noeuds, e.NbNoeuds, e.ArcsTravail, e.NbArcsTravail);
    const std::vector<ModeArc> modes = ModesDesArcs(e, e.ArcsTravail, e.NbArcsTravail);
    // In timetable data, rail arcs link their two nodes both ways.
    const bool horaires = e.TypeDonneesTC == "JoursEtHeures";
    const bool ferroviaire = e.IndicVek.Modes == "Ferroviaire";
    const bool multimodal = e.IndicVek.Modes == "Multimodal";
    std::vector<std::int32_t> marque(v.size(), 0);
    std::vector<std::int32_t> voisins;
    std::int64_t etape = 0;
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i) {
        AfficheTempsDeCalcul(e, e.NbNoeuds, etape, "Contiguité d'ordre 2...");
        ++etape;
        const auto pi = static_cast<std::size_t>(i);
        double valeur = std::nearbyint(v[pi]);
        if (v[pi] != 0) {
            const std::int64_t code = e.Noeuds[pi].Code;
            voisins.clear();
            auto compte = [&](std::int64_t codeVoisin) {
                for (std::int32_t j : inc.NoeudsDeCode(codeVoisin)) {
                    const auto pj = static_cast<std::size_t>(j);
                    if (j == i || v[pj] == 0 || marque[pj] == i) continue;
                    marque[pj] = i;
                    voisins.push_back(j);
                }
            };
            for (std::int32_t k : ArcsIncidents{inc, i}) {
                const Arc& a = e.ArcsTravail[static_cast<std::size_t>(k)];
                const bool deuxSens =
                    horaires && (ferroviaire || (multimodal && (a.Mode == 31 || a.Mode == 3)));
                const bool nonOriente = !modes[static_cast<std::size_t>(k)].oriente;
                if (a.Origine == code) compte(a.Destination);
                if (a.Destination == code && (deuxSens || nonOriente)) compte(a.Origine);
            }
            std::sort(voisins.begin(), voisins.end());
            for (std::int32_t j : voisins)
                valeur = std::nearbyint(valeur + v[static_cast<std::size_t>(j)]);
        }
        ordre2[pi] = valeur;
    }
    e.ValeursNoeuds = std::move(ordre2);
}

bool CalculNodalite(EtatIndicateurs& e) {
    const OptionsIndicVek& o = e.IndicVek;
    const bool ordre1 = o.Ordre != "Ordre2";
    const bool multimodal = o.Modes == "Multimodal";
    if (o.Indicateur == "Degré" || o.Indicateur == "DemiDegréExt" ||
        o.Indicateur == "DemiDegréInt") {
        if (ordre1) {
            CalculDegre(e, o.Indicateur == "Degré"          ? "Degré"
                           : o.Indicateur == "DemiDegréExt" ? "Demi-degré extérieur"
                                                            : "Demi-degré intérieur");
        } else {
            CopieArcsTravail(e);
            CalculContiguiteOrdre2(e);
        }
    } else if (o.Indicateur == "NbNoeudsAccess") {
        CalculNbNoeudsAccessibles(e);
    } else if (o.Indicateur == "Valence") {
        return CalculValence(e);
    } else if (o.Indicateur == "NodalitéAntiNodalité") {
        CalculProprieteNodalite(e, multimodal ? 0 : ModeDeLaListe(e));
    } else if (o.Indicateur == "IndConnex") {
        CalculIndiceConnexion(e);
    } else if (o.Indicateur == "IndIntraConnex") {
        CalculIntraConnexion(e, multimodal, multimodal ? 0 : ModeDeLaListe(e));
    } else if (o.Indicateur == "IndInterConnex") {
        CalculInterConnexion(e, multimodal, multimodal ? 0 : ModeDeLaListe(e));
    }
    // "Gain1" computes nothing: the values already there are written.
    return true;
}

}  // namespace vek
