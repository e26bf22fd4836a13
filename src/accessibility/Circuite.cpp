#include "accessibility/Circuite.h"

#include <immintrin.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "network/Chargement.h"
#include "network/Mode.h"
#include "paths/Equipe.h"
#include "paths/Floyd.h"
#include "paths/MatriceArcsMin.h"
#include "shell/Etat.h"
#include "shell/Fichiers.h"
#include "shell/Format.h"
#include "shell/Memoire.h"
#include "shell/Progression.h"
#include "shell/ValeursNoeuds.h"
#include "validation/Suppression.h"

namespace vek {

namespace {

// The nodes of an arc: the last node of each end code met before both are found.
struct Extremites {
    std::int32_t origine = 0, destination = 0;
    int trouvees = 0;
};

Extremites ChercheNoeuds(const Etat& e, const Arc& a) {
    Extremites x;
    for (std::int32_t n = 1; n <= e.NbNoeuds && x.trouvees < 2; ++n) {
        const std::int64_t code = e.Noeuds[static_cast<std::size_t>(n)].Code;
        if (code == a.Origine) {
            x.origine = n;
            ++x.trouvees;
        }
        if (code == a.Destination) {
            x.destination = n;
            ++x.trouvees;
        }
    }
    return x;
}

double Euclide(const Noeud& a, const Noeud& b) {
    const double dx = static_cast<double>(a.X) - b.X, dy = static_cast<double>(a.Y) - b.Y;
    return std::sqrt(dx * dx + dy * dy);
}

void Valeurs(const Arc& a, const std::string& v, float& v1, float& v2) {
    if (v == "Temps2Distance") {
        v1 = a.Temps;
        v2 = a.Distance;
    } else if (v == "Distance2DistEuclid") {
        v1 = a.Distance;
        v2 = a.DistanceEuclidienne;
    } else if (v == "Temps2DistEuclid") {
        v1 = a.Temps;
        v2 = a.DistanceEuclidienne;
    } else {  // "Distance2Temps"
        v1 = a.Distance;
        v2 = a.Temps;
    }
}

// One row of one pivot: the lexicographic update of (value, secondary value), on columns
// [debut, fin). The vector versions skip at once the lanes where the path through the pivot
// is longer, which is most of them; the others take the same update as the plain version.
void LigneCircuiteSimple(float* __restrict f, float* __restrict f2, const float* __restrict fk,
                         const float* __restrict f2k, float fik, float f2ik, std::size_t debut,
                         std::size_t fin) {
    for (std::size_t j = debut; j < fin; ++j) {
        const float s = fik + fk[j];
        const float s2 = f2ik + f2k[j];
        const bool plusPetit = s < f[j];
        const bool egal = s == f[j];
        f2[j] = plusPetit || (egal && s2 < f2[j]) ? s2 : f2[j];
        f[j] = plusPetit ? s : f[j];
    }
}

__attribute__((target("avx512f"))) void LigneCircuite512(float* __restrict f, float* __restrict f2,
                                                         const float* __restrict fk,
                                                         const float* __restrict f2k, float fik,
                                                         float f2ik, std::size_t debut,
                                                         std::size_t fin) {
    const __m512 vik = _mm512_set1_ps(fik), v2ik = _mm512_set1_ps(f2ik);
    std::size_t j = debut;
    for (; j + 16 <= fin; j += 16) {
        const __m512 s = _mm512_add_ps(vik, _mm512_loadu_ps(fk + j));
        const __m512 actuel = _mm512_loadu_ps(f + j);
        const __mmask16 auPlus = _mm512_cmp_ps_mask(s, actuel, _CMP_LE_OQ);
        if (!auPlus) continue;
        const __mmask16 plusPetit = _mm512_cmp_ps_mask(s, actuel, _CMP_LT_OQ);
        const __mmask16 egal = _mm512_cmp_ps_mask(s, actuel, _CMP_EQ_OQ);
        const __m512 s2 = _mm512_add_ps(v2ik, _mm512_loadu_ps(f2k + j));
        const __m512 actuel2 = _mm512_loadu_ps(f2 + j);
        const __mmask16 meilleur2 = _mm512_cmp_ps_mask(s2, actuel2, _CMP_LT_OQ);
        const __mmask16 prend2 = plusPetit | (egal & meilleur2);
        _mm512_storeu_ps(f2 + j, _mm512_mask_blend_ps(prend2, actuel2, s2));
        _mm512_storeu_ps(f + j, _mm512_mask_blend_ps(plusPetit, actuel, s));
    }
    LigneCircuiteSimple(f, f2, fk, f2k, fik, f2ik, j, fin);
}

__attribute__((target("avx2"))) void LigneCircuite256(float* __restrict f, float* __restrict f2,
                                                      const float* __restrict fk,
                                                      const float* __restrict f2k, float fik,
                                                      float f2ik, std::size_t debut,
                                                      std::size_t fin) {
    const __m256 vik = _mm256_set1_ps(fik), v2ik = _mm256_set1_ps(f2ik);
    std::size_t j = debut;
    for (; j + 8 <= fin; j += 8) {
        const __m256 s = _mm256_add_ps(vik, _mm256_loadu_ps(fk + j));
        const __m256 actuel = _mm256_loadu_ps(f + j);
        if (!_mm256_movemask_ps(_mm256_cmp_ps(s, actuel, _CMP_LE_OQ))) continue;
        const __m256 plusPetit = _mm256_cmp_ps(s, actuel, _CMP_LT_OQ);
        const __m256 egal = _mm256_cmp_ps(s, actuel, _CMP_EQ_OQ);
        const __m256 s2 = _mm256_add_ps(v2ik, _mm256_loadu_ps(f2k + j));
        const __m256 actuel2 = _mm256_loadu_ps(f2 + j);
        const __m256 meilleur2 = _mm256_cmp_ps(s2, actuel2, _CMP_LT_OQ);
        const __m256 prend2 = _mm256_or_ps(plusPetit, _mm256_and_ps(egal, meilleur2));
        _mm256_storeu_ps(f2 + j, _mm256_blendv_ps(actuel2, s2, prend2));
        _mm256_storeu_ps(f + j, _mm256_blendv_ps(actuel, s, plusPetit));
    }
    LigneCircuiteSimple(f, f2, fk, f2k, fik, f2ik, j, fin);
}

using FonctionLigne = void (*)(float*, float*, const float*, const float*, float, float,
                               std::size_t, std::size_t);

FonctionLigne ChoisitLigne() {
    if (__builtin_cpu_supports("avx512f")) return LigneCircuite512;
    if (__builtin_cpu_supports("avx2")) return LigneCircuite256;
    return LigneCircuiteSimple;
}

void LigneCircuite(float* f, float* f2, const float* fk, const float* f2k, float fik, float f2ik,
                   std::size_t debut, std::size_t fin) {
    static const FonctionLigne ligne = ChoisitLigne();
    ligne(f, f2, fk, f2k, fik, f2ik, debut, fin);
}

struct Progres {
    Etat* e;
    const char* message;
};

void AppelProgres(void* c, std::int64_t k) {
    auto* p = static_cast<Progres*>(c);
    AfficheTempsDeCalcul(*p->e, p->e->NbNoeuds, k, p->message);
}

void FloydCircuite(Etat& e, bool symetrique) {
    const auto n = static_cast<std::size_t>(e.NbNoeuds);
    Progres p{&e, symetrique ? "Floyd circuité non orienté..." : "Floyd circuité orienté..."};
    if (n > 0)
        BoucleFloydCircuite(e.MatFloyd.Ligne(0), e.MatFloyd2.Ligne(0), n, symetrique, AppelProgres,
                            &p);
    for (std::size_t i = 1; i <= n; ++i) {
        AfficheProgression(e, static_cast<std::int64_t>(n), static_cast<std::int64_t>(i),
                           "Implémentation de CheMin...");
        for (std::size_t j = 1; j <= n; ++j) {
            e.CheminsMin(i, j).Valeur = e.MatFloyd(i, j);
            e.CheminsMin(i, j).Valeur2 = e.MatFloyd2(i, j);
        }
    }
    for (std::size_t i = 1; i <= n; ++i) e.CheminsMin(i, i).Valeur = e.CheminsMin(i, i).Valeur2 = 1;
    e.CheminsMinValuation = e.Valuation;
    e.CheminsMinReseau = e.GenerationReseau;
}

void Copie(Etat& e, bool seconde) {
    const auto n = static_cast<std::size_t>(e.NbNoeuds);
    e.MatCircuite.Dimensionne(n);
    for (std::size_t i = 1; i <= n; ++i)
        for (std::size_t j = 1; j <= n; ++j)
            e.MatCircuite(i, j).Valeur =
                seconde ? e.CheminsMin(i, j).Valeur2 : e.CheminsMin(i, j).Valeur;
}

void Libere(Etat& e) {
    e.CheminsMin.Libere();
    e.MatArcsMin.Libere();
    ++e.GenerationReseau;  // whatever was computed from them no longer holds
}

// LE in CheminsMin.Valeur: the straight-line matrix itself.
void ReferenceDroite(Etat& e) {
    CreationMatriceDistancesEuclidiennes(e);
    const auto n = static_cast<std::size_t>(e.NbNoeuds);
    e.CheminsMin.Dimensionne(n);
    for (std::size_t i = 1; i <= n; ++i)
        for (std::size_t j = 1; j <= n; ++j) e.CheminsMin(i, j).Valeur = e.MatArcsMin(i, j).Valeur;
    e.MatArcsMin.Libere();
}

void Circuite(Etat& e, const std::string& valuation) {
    e.Valuation = valuation;
    CreationMatriceArcsMinCircuite(e, valuation);
    CheminsCircuite(e);
}

void Distance(Etat& e) {
    e.Valuation = "Distance";
    CreationMatriceArcsMin(e, "Distance");
    PlusCourtsChemins(e);
}

void Termine(Etat& e, const std::string& reference) {
    CalculDegreCircuite(e, reference);
    e.NomFichierResultat = CheminResultat(e, "\\NoeudVal.dat");
    EcritureValeursNoeuds(e, e.NomFichierResultat);
    OuvreDansEditeur(e, e.NomFichierResultat);
}

template <typename F>
void CommandeCircuite(Etat& e, F&& etapes) {
    Sablier sablier(e.Ihm);
    RecalculeOriente(e);
    e.MatCircuite.Dimensionne(static_cast<std::size_t>(std::max(e.NbNoeuds, 0)));
    etapes();
}

}  // namespace

void CalculDistancesEuclidiennesArcs(Etat& e) {
    for (std::int32_t k = 1; k <= e.NbArcs; ++k) {
        AfficheProgression(e, e.NbArcs, k, "Calcul de la distance euclidienne...");
        Arc& a = e.Arcs[static_cast<std::size_t>(k)];
        const Extremites x = ChercheNoeuds(e, a);
        if (x.trouvees == 2) {
            a.DistanceEuclidienne =
                static_cast<float>(Euclide(e.Noeuds[static_cast<std::size_t>(x.origine)],
                                           e.Noeuds[static_cast<std::size_t>(x.destination)]));
            continue;
        }
        const std::string question =
            "Arc déconnecté : \n\n" + Str(a.Origine) + "\t" + Str(a.Destination) + "\t" +
            Str(static_cast<std::int64_t>(a.Mode)) + "\t" + Str(a.Distance) + "\t" + Str(a.Temps) +
            "\n\nVoulez-vous le supprimer ?";
        if (e.Ihm.Message(question, Boutons::OuiNon, Icone::Question,
                          "Erreur dans le fichier des arcs") == Reponse::Oui) {
            SupprimeArc(e, k);
            --k;
            ++e.NbArcsDeconnectesElimines;
        }
    }
}

void CreationMatriceDistancesEuclidiennes(Etat& e) {
    const auto n = static_cast<std::size_t>(e.NbNoeuds);
    VerifieMemoire((n + 1) * (n + 1) * sizeof(CelluleArcMin),
                   "la matrice des distances euclidiennes");
    e.MatArcsMin.Dimensionne(n);
    for (std::size_t i = 1; i <= n; ++i) {
        AfficheProgression(e, static_cast<std::int64_t>(n), static_cast<std::int64_t>(i),
                           "Création de la matrice des distances euclidiennes...");
        for (std::size_t j = 1; j <= n; ++j)
            e.MatArcsMin(i, j).Valeur =
                i == j ? 1.0f : static_cast<float>(Euclide(e.Noeuds[i], e.Noeuds[j]));
    }
    e.MatArcsMinValuation = "DistEuclid";
}

void CreationMatriceArcsMinCircuite(Etat& e, const std::string& valuation) {
    const auto n = static_cast<std::size_t>(e.NbNoeuds);
    VerifieMemoire((n + 1) * (n + 1) * sizeof(CelluleArcMin), "la matrice des arcs minimaux");
    ++e.GenerationReseau;
    e.MatArcsMin.Dimensionne(n);
    e.MatArcsMinValuation = valuation;
    for (std::int32_t k = 1; k <= e.NbArcs; ++k) {
        AfficheProgression(e, e.NbArcs, k,
                           "Création de la matrice des arcs minimaux (circuité)...");
        const Arc& a = e.Arcs[static_cast<std::size_t>(k)];
        if (a.Origine == 0 || a.Destination == 0) continue;
        const Extremites x = ChercheNoeuds(e, a);
        if (x.origine == 0 || x.destination == 0) continue;  // an end that no node has
        float v1, v2;
        Valeurs(a, valuation, v1, v2);
        CelluleArcMin& od = e.MatArcsMin(static_cast<std::size_t>(x.origine),
                                         static_cast<std::size_t>(x.destination));
        if (od.Valeur == 0 || od.Valeur > v1)
            for (CelluleArcMin* c : {&od, &e.MatArcsMin(static_cast<std::size_t>(x.destination),
                                                        static_cast<std::size_t>(x.origine))}) {
                c->Valeur = v1;
                c->Valeur2 = v2;
                c->Mode = a.Mode;
                c->IndiceArc = k;
            }
    }
}

void InitialisationFloydCircuite(Etat& e) {
    const auto n = static_cast<std::size_t>(e.NbNoeuds);
    VerifieMemoire((n + 1) * (n + 1) * (2 * sizeof(float) + sizeof(CelluleChemin)),
                   "les matrices de la circuité");
    e.CheminsMin.Dimensionne(n);
    e.MatFloyd.Dimensionne(n, kInfini);
    e.MatFloyd2.Dimensionne(n, kInfini);
    for (std::size_t i = 1; i <= n; ++i)
        for (std::size_t j = 1; j <= n; ++j) {
            const CelluleArcMin& a = e.MatArcsMin(i, j);
            if (i == j) {
                e.MatFloyd(i, j) = e.MatFloyd2(i, j) = 0;
            } else if (a.Valeur != 0) {
                e.MatFloyd(i, j) = a.Valeur;
                e.MatFloyd2(i, j) = a.Valeur2;
            }
        }
}

void BoucleFloydCircuite(float* valeurs, float* secondes, std::size_t n, bool symetrique,
                         void (*parPivot)(void*, std::int64_t), void* contexte) {
    // The pivots go by blocks: the rows of a block's pivots are first brought to the state each
    // has when it is the pivot (the earlier pivots of the block applied, in order) and kept;
    // then every row takes the block's pivots in order while it stays in cache. Each row thus
    // meets every pivot in the same order and with the same pivot row as in the plain loops.
    // Row k and column k do not change at pivot k, so the rows are independent within a
    // pivot. The matrix is symmetric in the non-oriented case: every full row gives what the
    // half rows written both ways give.
    (void)symetrique;
    constexpr std::size_t kBloc = 64;
    const std::size_t c = n + 1;
    Equipe equipe(Equipe::TaillePour(static_cast<std::int64_t>(n)));
    const unsigned membres = equipe.Taille();
    std::vector<float> pivots(kBloc * c), pivots2(kBloc * c);
    auto applique = [&](std::size_t i, std::size_t k, const float* fk, const float* f2k) {
        float* f = valeurs + i * c;
        const float fik = f[k];
        if (!(fik < kInfini)) return;
        LigneCircuite(f, secondes + i * c, fk, f2k, fik, secondes[i * c + k], 1, c);
    };
    for (std::size_t k0 = 1; k0 <= n; k0 += kBloc) {
        const std::size_t k1 = std::min(n, k0 + kBloc - 1);
        for (std::size_t k = k0; k <= k1; ++k) {
            if (parPivot) parPivot(contexte, static_cast<std::int64_t>(k));
            for (std::size_t p = k0; p < k; ++p)
                applique(k, p, pivots.data() + (p - k0) * c, pivots2.data() + (p - k0) * c);
            std::copy(valeurs + k * c, valeurs + (k + 1) * c,
                      pivots.begin() + static_cast<std::ptrdiff_t>((k - k0) * c));
            std::copy(secondes + k * c, secondes + (k + 1) * c,
                      pivots2.begin() + static_cast<std::ptrdiff_t>((k - k0) * c));
        }
        equipe.Execute([&](unsigned m) {
            float fik[kBloc], f2ik[kBloc];
            for (std::size_t i = 1 + m; i <= n; i += membres) {
                float* f = valeurs + i * c;
                float* f2 = secondes + i * c;
                // A pivot row has taken the block's earlier pivots already; its own changes
                // nothing.
                const std::size_t depuis = i >= k0 && i <= k1 ? i + 1 : k0;
                // First the block's own columns, pivot after pivot, which gives the value of
                // column k that each pivot k reads; then the other columns tile by tile, each
                // tile taking the pivots in order with those values.
                for (std::size_t k = depuis; k <= k1; ++k) {
                    fik[k - k0] = f[k];
                    f2ik[k - k0] = f2[k];
                    if (!(f[k] < kInfini)) continue;
                    LigneCircuite(f, f2, pivots.data() + (k - k0) * c,
                                  pivots2.data() + (k - k0) * c, fik[k - k0], f2ik[k - k0], k0,
                                  k1 + 1);
                }
                // Wide tiles on large networks; narrow ones below, where rows are short.
                const std::size_t kTuile = n >= 1500 ? 2048 : 96;
                for (std::size_t t = 1; t < c; t += kTuile) {
                    const std::size_t fin = std::min(c, t + kTuile);
                    // The block's columns are done: the tile goes round them.
                    const std::size_t morceaux[2][2] = {{t, std::min(fin, k0)},
                                                        {std::max(t, k1 + 1), fin}};
                    for (const auto& mo : morceaux) {
                        if (mo[0] >= mo[1]) continue;
                        for (std::size_t k = depuis; k <= k1; ++k) {
                            if (!(fik[k - k0] < kInfini)) continue;
                            LigneCircuite(f, f2, pivots.data() + (k - k0) * c,
                                          pivots2.data() + (k - k0) * c, fik[k - k0], f2ik[k - k0],
                                          mo[0], mo[1]);
                        }
                    }
                }
            }
        });
    }
}

void FloydCircuiteOriente(Etat& e) {
    FloydCircuite(e, false);
}

void FloydCircuiteNonOriente(Etat& e) {
    FloydCircuite(e, true);
}

void CheminsCircuite(Etat& e) {
    InitialisationFloydCircuite(e);
    if (e.Oriente)
        FloydCircuiteOriente(e);
    else
        FloydCircuiteNonOriente(e);
}

void CalculDegreCircuite(Etat& e, const std::string& reference) {
    const std::int32_t n = e.NbNoeuds;
    const bool seconde = reference == "Valeur2";
    const bool longueurs = e.ValuCircuite != "ATTRACTIONS";
    const ParametresGravite& g = e.Gravite;
    e.ValeursNoeuds.assign(static_cast<std::size_t>(std::max(n, 0)) + 1, 0.0);
    std::int64_t sansChemin = 0, nuls = 0;
    for (std::int32_t i = 1; i <= n; ++i) {
        AfficheProgression(e, n, i, "Calcul du degré de circuité...");
        const double masse = static_cast<double>(g.EchellePoidsVille) *
                             std::pow(static_cast<double>(g.EchellePopulation) *
                                          e.Noeuds[static_cast<std::size_t>(i)].Population,
                                      static_cast<double>(g.ElasticitePopulation));
        auto G = [&](float x) {
            return masse / (static_cast<double>(g.EchelleAccessibilite) *
                            std::pow(static_cast<double>(g.EchelleLongueur * x),
                                     static_cast<double>(g.ElasticiteDistance)));
        };
        double s = 0;
        std::int64_t paires = 0;
        for (std::int32_t j = 1; j <= n; ++j) {
            if (j == i) continue;
            const float p =
                e.MatCircuite(static_cast<std::size_t>(i), static_cast<std::size_t>(j)).Valeur;
            const CelluleChemin& c =
                e.CheminsMin(static_cast<std::size_t>(i), static_cast<std::size_t>(j));
            const float r = seconde ? c.Valeur2 : c.Valeur;
            if (!(p < kInfini) || !(r < kInfini)) {
                ++sansChemin;
                continue;
            }
            if (longueurs) {
                const double d = static_cast<double>(p) - r;
                s += d * d;
            } else {
                if (p == 0 || r == 0) {
                    ++nuls;
                    continue;
                }
                s += G(r) - G(p);
            }
            ++paires;
        }
        e.ValeursNoeuds[static_cast<std::size_t>(i)] =
            paires > 0 ? s / static_cast<double>(paires) : 0;
    }
    if (sansChemin > 0 || nuls > 0) {
        std::string t;
        if (sansChemin > 0)
            t = TexteNombre(sansChemin) + " paire(s) de noeuds sans chemin sont laissées de côté.";
        if (nuls > 0)
            t += std::string(t.empty() ? "" : "\n") + TexteNombre(nuls) +
                 " paire(s) de longueur nulle sont laissées de côté (leur attraction n'est pas "
                 "définie).";
        e.Ihm.Message(t + "\nLa moyenne de chaque noeud porte sur les autres paires.", Boutons::Ok,
                      Icone::Information, kTitreVek);
    }
    // The matrices read are released.
    if (seconde) {
        e.CheminsMin.Libere();
        e.MatArcsMin.Libere();
    } else {
        e.MatCircuite.Libere();
        e.CheminsMin.Libere();
    }
    ++e.GenerationReseau;
}

void menLCK_LE(Etat& e) {
    CommandeCircuite(e, [&] {
        Distance(e);
        Copie(e, false);
        e.MatArcsMin.Libere();
        ReferenceDroite(e);
        Termine(e, "Valeur");
    });
}

void menLCK_LECK(Etat& e) {
    CommandeCircuite(e, [&] {
        CalculDistancesEuclidiennesArcs(e);
        Distance(e);
        Copie(e, false);
        Libere(e);
        Circuite(e, "Distance2DistEuclid");
        Termine(e, "Valeur2");
    });
}

void menLECK_LE(Etat& e) {
    CommandeCircuite(e, [&] {
        CalculDistancesEuclidiennesArcs(e);
        Circuite(e, "Distance2DistEuclid");
        Copie(e, true);
        Libere(e);
        CreationMatriceDistancesEuclidiennes(e);
        PlusCourtsChemins(e);
        Termine(e, "Valeur");
    });
}

void menLCT_LE(Etat& e) {
    CommandeCircuite(e, [&] {
        Circuite(e, "Temps2Distance");
        Copie(e, true);
        e.MatArcsMin.Libere();
        ReferenceDroite(e);
        Termine(e, "Valeur");
    });
}

void menLCT_LECT(Etat& e) {
    CommandeCircuite(e, [&] {
        CalculDistancesEuclidiennesArcs(e);
        Circuite(e, "Temps2Distance");
        Copie(e, true);
        Libere(e);
        Circuite(e, "Temps2DistEuclid");
        Termine(e, "Valeur2");
    });
}

void menLECT_LE(Etat& e) {
    CommandeCircuite(e, [&] {
        CalculDistancesEuclidiennesArcs(e);
        Circuite(e, "Temps2DistEuclid");
        Copie(e, true);
        Libere(e);
        CreationMatriceDistancesEuclidiennes(e);
        PlusCourtsChemins(e);
        Termine(e, "Valeur");
    });
}

void menLCT_LCK(Etat& e) {
    CommandeCircuite(e, [&] {
        Circuite(e, "Temps2Distance");
        Copie(e, true);
        Libere(e);
        Distance(e);
        Termine(e, "Valeur");
    });
}

}  // namespace vek
