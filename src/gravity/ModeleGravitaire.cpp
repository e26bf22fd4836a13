#include "gravity/ModeleGravitaire.h"

#include <cmath>
#include <limits>

#include "gravity/EtatGravite.h"
#include "paths/Floyd.h"
#include "shell/Entiers.h"
#include "shell/Fichiers.h"
#include "shell/Format.h"
#include "shell/Progression.h"
#include "shell/Texte.h"

namespace vek {

namespace {

constexpr float kInaccessible = 32000;

std::size_t Taille(const EtatGravite& e) {
    return static_cast<std::size_t>(std::max(e.NbNoeuds, 0)) + 1;
}

double P(const EtatGravite& e, std::int32_t i) {
    return static_cast<double>(e.Noeuds[static_cast<std::size_t>(i)].Population);
}

float D(const EtatGravite& e, std::int32_t i, std::int32_t j) {
    return e.CheminsMin(static_cast<std::size_t>(i), static_cast<std::size_t>(j)).Valeur;
}

// The node's code as decimal digits; a 6-digit text takes one more blank.
std::string TexteCode(std::int64_t code) {
    std::string t = std::to_string(code);
    if (t.size() == 6) t += ' ';
    return t;
}

std::string Complete(std::string t, std::size_t largeur) {
    if (t.size() < largeur) t.append(largeur - t.size(), ' ');
    return t;
}

std::string Fichier(const std::string& rep, const std::string& nom) {
    return rep + "\\" + nom;
}

// One line per node: blank, code, value padded to 21, three blanks, the whole name field.
template <typename Valeur>
void LignesParNoeud(const EtatGravite& e, EcrivainTexte& f, Valeur&& valeur) {
    const std::size_t largeur = static_cast<std::size_t>(e.LargeurColonne) + 1;
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i) {
        const Noeud& n = e.Noeuds[static_cast<std::size_t>(i)];
        f.Ligne(" " + TexteCode(n.Code) + Complete(valeur(i), largeur) + "   " + n.Nom);
    }
}

EcrivainTexte Ouvre(EtatGravite& e, const std::string& chemin) {
    return EcrivainTexte(CheminDe(e, chemin), chemin, e.EncodageNoeuds, e.MarqueNoeuds);
}

void TroisLignes(EtatGravite& e, const std::string& chemin, bool relatives) {
    EcrivainTexte f = Ouvre(e, chemin);
    const std::size_t largeur = static_cast<std::size_t>(e.LargeurColonne) / 2 + 1;
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i) {
        const Noeud& n = e.Noeuds[static_cast<std::size_t>(i)];
        for (int k = 1; k <= 3; ++k) {
            const std::int32_t t =
                e.TroisAttractions[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)];
            const Noeud& m = e.Noeuds[static_cast<std::size_t>(t)];
            const double a =
                e.MatAttractions(static_cast<std::size_t>(i), static_cast<std::size_t>(t));
            std::string valeur;
            if (!relatives) {
                valeur = TexteNombre(a);
            } else {
                const double r = e.SommesLignesAttractions[static_cast<std::size_t>(i)];
                valeur = r == 0 ? "0.00" : Format(a / r, "0.00");
            }
            f.Ligne(TexteCode(n.Code) + "  " + Cadre(n.Nom, 15) + TexteCode(m.Code) + "  " +
                    Cadre(m.Nom, 15) + Complete(valeur, largeur));
        }
    }
    f.Ferme();
}

void Montre(EtatGravite& e, bool ecran, const std::string& chemin) {
    if (!ecran) return;
    OuvreDansEditeur(e, chemin);
    e.Ihm.Rafraichit();
}

}  // namespace

void CalculSommationsPonderees(EtatGravite& e) {
    e.SommesPondereesPop.assign(Taille(e), 0.0f);
    float total = 0;
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i) {
        float s = 0;
        for (std::int32_t j = 1; j <= e.NbNoeuds; ++j)
            s = static_cast<float>(static_cast<double>(s) +
                                   static_cast<double>(D(e, i, j)) * P(e, j));
        e.SommesPondereesPop[static_cast<std::size_t>(i)] = s / 1000.0f;
        total = total + s / 1000.0f;
    }
    if (e.Gravite.Options.TotSLP)
        e.Ihm.Message(Str(total), Boutons::Ok, Icone::Information,
                      "Total des accessibilités par les populations");
}

void CalculAttractions(EtatGravite& e) {
    const ParametresGravite& g = e.Gravite;
    e.MatAttractions.Dimensionne(Taille(e) - 1, 0.0);
    bool sansDistanceInterne = false;  // a zero internal distance left A(i,i) without value
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i) {
        AfficheProgression(e, e.NbNoeuds, i, "Calcul des attractions...");
        const double masse = static_cast<double>(g.EchellePoidsVille) *
                             std::pow(static_cast<double>(g.EchellePopulation) * P(e, i),
                                      static_cast<double>(g.ElasticitePopulation));
        double* ligne = e.MatAttractions.Ligne(static_cast<std::size_t>(i));
        for (std::int32_t j = 1; j <= e.NbNoeuds; ++j) {
            // A node's own distance is the mean internal distance of the town.
            const float d = j == i ? g.DistanceInterneVille : D(e, i, j);
            if (!(d < kInaccessible)) continue;  // no path: no attraction
            const float bd = g.EchelleLongueur * d;
            const double distance =
                static_cast<double>(g.EchelleAccessibilite) *
                std::pow(static_cast<double>(bd), static_cast<double>(g.ElasticiteDistance));
            if (j == i && d == 0 && (distance == 0 || !std::isfinite(distance)))
                sansDistanceInterne = true;
            const double a = masse / distance;
            ligne[j] = std::isfinite(a) ? a : 0;
        }
    }
    if (sansDistanceInterne)
        e.Ihm.Message(
            "La distance interne moyenne de la ville est nulle : l'attraction de chaque noeud "
            "sur lui-même ne peut pas être calculée et vaut 0.",
            Boutons::Ok, Icone::Information, kTitreVek);
}

void TroisPrincipalesAttractions(EtatGravite& e) {
    e.SommesLignesAttractions.assign(Taille(e), 0.0);
    e.TroisAttractions.assign(Taille(e), {0, 0, 0, 0});
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i) {
        const double* a = e.MatAttractions.Ligne(static_cast<std::size_t>(i));
        float s = 0;
        for (std::int32_t j = 1; j <= e.NbNoeuds; ++j) s = static_cast<float>(s + a[j]);
        e.SommesLignesAttractions[static_cast<std::size_t>(i)] = static_cast<double>(s) / 100;
        double m1 = 0, m2 = 0;
        float m3 = 0;
        auto& rang = e.TroisAttractions[static_cast<std::size_t>(i)];
        for (std::int32_t j = 1; j <= e.NbNoeuds; ++j) {
            const double v = a[j];
            if (v <= 0) continue;
            if (v > m1) {
                m3 = static_cast<float>(m2);
                m2 = m1;
                m1 = v;
                rang[3] = rang[2];
                rang[2] = rang[1];
                rang[1] = j;
            } else if (v > m2) {
                m3 = static_cast<float>(m2);
                m2 = v;
                rang[3] = rang[2];
                rang[2] = j;
            } else if (v > m3) {
                m3 = static_cast<float>(v);
                rang[3] = j;
            }
        }
    }
}

void CalculSommesAttractions(EtatGravite& e) {
    e.SommesAttractions.assign(Taille(e), 0.0);
    for (std::int32_t k = 1; k <= e.NbNoeuds; ++k) {
        const double* a = e.MatAttractions.Ligne(static_cast<std::size_t>(k));
        for (std::int32_t i = 1; i <= e.NbNoeuds; ++i)
            e.SommesAttractions[static_cast<std::size_t>(i)] += a[i];
    }
}

bool CalculPersonnesAttirees(EtatGravite& e) {
    const std::size_t t = Taille(e);
    e.PersonnesReseau = 0;
    e.MatPersonnesAttirees.Dimensionne(t - 1, 0);
    e.AutoAttractions.assign(t, 0);
    e.AttractionsTotales.assign(t, 0);
    e.AttractionsExterieures.assign(t, 0);
    e.Evasions.assign(t, 0);
    if (e.Gravite.PersonnesParEmploi == 0) {
        // A node's persons are its population divided by this number.
        e.Ihm.Message(
            "Le nombre total de personnes par emploi est nul : les personnes attirées ne "
            "peuvent pas être calculées et leurs fichiers ne sont pas écrits.",
            Boutons::Ok, Icone::Exclamation, kTitreVek);
        return false;
    }
    std::vector<std::int64_t> totales(t, 0);
    std::string nuls, depasse;
    std::int32_t nbNuls = 0;
    constexpr double kMax = std::numeric_limits<std::int32_t>::max();
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i) {
        const double s = e.SommesAttractions[static_cast<std::size_t>(i)];
        if (s == 0) {
            if (nbNuls++ < 5)
                nuls += "\n" + SansBlancsFinaux(e.Noeuds[static_cast<std::size_t>(i)].Nom);
            continue;
        }
        const double personnes = P(e, i) / static_cast<double>(e.Gravite.PersonnesParEmploi);
        for (std::int32_t j = 1; j <= e.NbNoeuds; ++j) {
            const auto f = EntierArrondi<std::int32_t>(
                e.MatAttractions(static_cast<std::size_t>(i), static_cast<std::size_t>(j)) / s *
                personnes);
            if (!f) {
                if (depasse.empty())
                    depasse = SansBlancsFinaux(e.Noeuds[static_cast<std::size_t>(i)].Nom) + " - " +
                              SansBlancsFinaux(e.Noeuds[static_cast<std::size_t>(j)].Nom);
                continue;
            }
            e.MatPersonnesAttirees(static_cast<std::size_t>(i), static_cast<std::size_t>(j)) = *f;
            totales[static_cast<std::size_t>(j)] += *f;
        }
    }
    for (std::int32_t i = 1; i <= e.NbNoeuds && depasse.empty(); ++i) {
        const auto pi = static_cast<std::size_t>(i);
        std::int64_t exterieures = 0;
        for (std::int32_t j = 1; j <= e.NbNoeuds; ++j)
            if (j != i) exterieures += e.MatPersonnesAttirees(pi, static_cast<std::size_t>(j));
        const std::int64_t autoA = e.MatPersonnesAttirees(pi, pi);
        for (std::int64_t v : {totales[pi], exterieures, totales[pi] - autoA})
            if (v > kMax || v < -kMax) depasse = SansBlancsFinaux(e.Noeuds[pi].Nom);
        if (!depasse.empty()) break;
        e.AttractionsTotales[pi] = static_cast<std::int32_t>(totales[pi]);
        e.AttractionsExterieures[pi] = static_cast<std::int32_t>(exterieures);
        e.AutoAttractions[pi] = static_cast<std::int32_t>(autoA);
        e.Evasions[pi] = static_cast<std::int32_t>(totales[pi] - autoA);
    }
    if (nbNuls > 0)
        e.Ihm.Message(
            std::to_string(nbNuls) +
                " noeud(s) ne ressentent aucune attraction (somme nulle) : leurs personnes "
                "attirées ne peuvent pas être réparties et restent à 0." +
                nuls,
            Boutons::Ok, Icone::Exclamation, kTitreVek);
    if (!depasse.empty()) {
        e.Ihm.Message("Le nombre de personnes attirées dépasse la capacité d'un entier (" +
                          depasse + ") : les fichiers des personnes attirées ne sont pas écrits.",
                      Boutons::Ok, Icone::Exclamation, kTitreVek);
        return false;
    }
    e.PersonnesReseau = e.CheminsMinReseau;
    return true;
}

bool EcritureSommationsPonderees(EtatGravite& e, const std::string& chemin) {
    // Each sum is written as a whole number: a sum that no 64-bit integer holds (paths beyond
    // reason, or no number at all) is said, and nothing of the file is written.
    std::vector<std::int64_t> sommes(Taille(e), 0);
    std::int32_t refus = 0;
    std::string premier;
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i) {
        const auto p = static_cast<std::size_t>(i);
        const double s = static_cast<double>(e.SommesPondereesPop[p]);
        if (const auto entier = EntierArrondi<std::int64_t>(s)) {
            sommes[p] = *entier;
        } else if (refus++ == 0) {
            premier = SansBlancsFinaux(e.Noeuds[p].Nom) + ", " + TexteNombre(s, kChiffresSingle);
        }
    }
    if (refus > 0) {
        e.Ihm.Message("La sommation pondérée des populations de " + std::to_string(refus) +
                          " noeud(s) ne tient pas dans un entier (le premier : " + premier +
                          ") : le fichier " + chemin + " n'est pas écrit.",
                      Boutons::Ok, Icone::Exclamation, kTitreVek);
        return false;
    }
    EcrivainTexte f = Ouvre(e, chemin);
    LignesParNoeud(
        e, f, [&](std::int32_t i) { return std::to_string(sommes[static_cast<std::size_t>(i)]); });
    f.Ferme();
    return true;
}

void EcritureTroisAttractionsAbsolues(EtatGravite& e, const std::string& chemin) {
    TroisLignes(e, chemin, false);
}

void EcritureTroisAttractionsRelatives(EtatGravite& e, const std::string& chemin) {
    TroisLignes(e, chemin, true);
}

void EcritureSommesAttractions(EtatGravite& e, const std::string& chemin) {
    EcrivainTexte f = Ouvre(e, chemin);
    LignesParNoeud(e, f, [&](std::int32_t i) {
        return TexteNombre(e.SommesAttractions[static_cast<std::size_t>(i)]);
    });
    f.Ferme();
}

void EcritureAutoAttractions(EtatGravite& e, const std::string& chemin) {
    EcrivainTexte f = Ouvre(e, chemin);
    const std::pair<const char*, const std::vector<std::int32_t>*> sections[] = {
        {"Auto-Attractions", &e.AutoAttractions},
        {"Attractions Totales", &e.AttractionsTotales},
        {"Attractions Extérieures", &e.AttractionsExterieures},
        {"Evasion", &e.Evasions},
    };
    for (const auto& section : sections) {
        const std::vector<std::int32_t>* valeurs = section.second;  // captured below
        f.Ligne(section.first);
        LignesParNoeud(e, f, [&](std::int32_t i) {
            return std::to_string((*valeurs)[static_cast<std::size_t>(i)]);
        });
    }
    f.Ferme();
}

void EcriturePersonnesAttirees(EtatGravite& e, const std::string& chemin) {
    EcrivainTexte f = Ouvre(e, chemin);
    const std::size_t largeur = static_cast<std::size_t>(e.LargeurColonne) + 1;
    auto indice = [](std::int32_t x, std::size_t largeur) {
        std::string t = std::to_string(x);
        return t.size() <= 3 ? Complete(t, largeur) : t;
    };
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i)
        for (std::int32_t j = 1; j <= e.NbNoeuds; ++j)
            f.Ligne(indice(i, 6) + indice(j, 5) +
                    Complete(std::to_string(e.MatPersonnesAttirees(static_cast<std::size_t>(i),
                                                                   static_cast<std::size_t>(j))),
                             largeur));
    f.Ferme();
}

void menDémarrageGravit(EtatGravite& e) {
    if (!CheminsMinCourants(e)) {
        e.Ihm.Message(
            "Les plus courts chemins du réseau n'ont pas été calculés pour la valuation en "
            "cours : calculez-les d'abord (Chemins minimaux).",
            Boutons::Ok, Icone::Exclamation, kTitreVek);
        return;
    }
    Sablier sablier(e.Ihm);
    e.Menus.Active("menDistance");
    const ParametresGravite& g = e.Gravite;
    const OptionsGvOp& o = g.Options;
    if (o.OuiSLP) {
        CalculSommationsPonderees(e);
        const std::string f = Fichier(g.RepSLP, g.NomFichierSLP);
        if (EcritureSommationsPonderees(e, f)) Montre(e, o.EcranSLP, f);
    }
    CalculAttractions(e);
    e.AttractionsReseau = e.CheminsMinReseau;
    if (o.Oui3AA || o.Oui3AR) {
        TroisPrincipalesAttractions(e);
        if (o.Oui3AA) {
            const std::string f = Fichier(g.Rep3AA, g.NomFichier3AA);
            EcritureTroisAttractionsAbsolues(e, f);
            Montre(e, o.Ecran3AA, f);
        }
        const std::string f = Fichier(g.Rep3AR, g.NomFichier3AR);
        EcritureTroisAttractionsRelatives(e, f);
        Montre(e, o.Ecran3AR, f);
    }
    if (o.OuiSAA) {
        CalculSommesAttractions(e);
        const std::string f = Fichier(g.RepSAA, g.NomFichierSAA);
        EcritureSommesAttractions(e, f);
        Montre(e, o.EcranSAA, f);
    }
    if (o.OuiAuto) {
        if (!o.OuiSAA) CalculSommesAttractions(e);
        if (CalculPersonnesAttirees(e)) {
            const std::string f = Fichier(g.RepAuto, g.NomFichierAuto);
            EcritureAutoAttractions(e, f);
            Montre(e, o.EcranAuto, f);
            if (o.OuiAP) EcriturePersonnesAttirees(e, Fichier(g.RepAP, g.NomFichierAP));
        }
        e.Menus.Active("menDistance");
    }
    // The assignment loads these attractions onto the traced paths.
    if (e.TracesReseau == e.CheminsMinReseau) e.Menus.Active("menAffectation");
}

}  // namespace vek
