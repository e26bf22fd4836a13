#include "accessibility/Circuite.h"

#include <immintrin.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "accessibility/EtatAccessibilite.h"
#include "network/Chargement.h"
#include "network/Mode.h"
#include "network/ValeursNoeuds.h"
#include "paths/Equipe.h"
#include "paths/Floyd.h"
#include "paths/MatriceArcsMin.h"
#include "shell/Fichiers.h"
#include "shell/Format.h"
#include "shell/Memoire.h"
#include "shell/Progression.h"
#include "validation/Suppression.h"

namespace vek {

namespace {

// The nodes of an arc: the last node of each end code met before both are found.
struct Extremites {
    std::int32_t origine = 0, destination = 0;
    int trouvees = 0;
};

Extremites ChercheNoeuds(const EtatAccessibilite& e, const Arc& a) {
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

FonctionLigne ChoisitLigne(Vectorisation v) {
    __builtin_cpu_init();
    const bool avx512 = __builtin_cpu_supports("avx512f"), avx2 = __builtin_cpu_supports("avx2");
    if (v == Vectorisation::Meilleure) v = avx512 ? Vectorisation::Avx512 : Vectorisation::Avx2;
    if (v == Vectorisation::Avx512 && avx512) return LigneCircuite512;
    if (v != Vectorisation::Simple && avx2) return LigneCircuite256;
    return LigneCircuiteSimple;
}

// Several rows under a block of pivots, in one pass: each cell takes the pivots in order,
// with d(i, k) as the earlier pivots of the block left it (+infinity where the pivot is
// skipped for that row), so that a chunk of the pivot rows read once serves every row of the
// group. Columns [1, c).
constexpr std::size_t kLignesGroupe = 4;
constexpr std::size_t kBloc = 64;  // pivots in a block

struct Groupe {
    float* lignes[kLignesGroupe];
    float* lignes2[kLignesGroupe];
    std::size_t nbLignes = 0;
    const float* pivots;  // the block's pivot rows, one after the other, c values each
    const float* pivots2;
    std::size_t c = 0;
    std::size_t lot = 0;
    // For pivot b: d(i, k) of the group's rows at 2 * kLignesGroupe * b + r, their secondary
    // values kLignesGroupe further on.
    const float* dik;
    float Dik(std::size_t r, std::size_t b) const { return dik[2 * kLignesGroupe * b + r]; }
    float D2ik(std::size_t r, std::size_t b) const {
        return dik[2 * kLignesGroupe * b + kLignesGroupe + r];
    }
};

void GroupeSimple(const Groupe& g, FonctionLigne ligne, std::size_t r0, std::size_t debut,
                  std::size_t fin) {
    for (std::size_t r = r0; r < g.nbLignes; ++r)
        for (std::size_t b = 0; b < g.lot; ++b) {
            const float fik = g.Dik(r, b);
            if (!(fik < kInfini)) continue;
            ligne(g.lignes[r], g.lignes2[r], g.pivots + b * g.c, g.pivots2 + b * g.c, fik,
                  g.D2ik(r, b), debut, fin);
        }
}

// A cell whose path through the pivot is no longer (`a`): a smaller value takes both values,
// an equal one the smaller secondary value.
__attribute__((target("avx512f"), always_inline)) inline void Met512(__m512& x, __m512& y, __m512 s,
                                                                     __mmask16 a, const float* e,
                                                                     __m512 q) {
    const __mmask16 lt = _mm512_cmp_ps_mask(s, x, _CMP_LT_OQ);
    const __m512 t = _mm512_add_ps(_mm512_set1_ps(*e), q);
    // Within `a`, a lane not shorter is an equal one.
    const __mmask16 prend = _kor_mask16(lt, _mm512_mask_cmp_ps_mask(a, t, y, _CMP_LT_OQ));
    y = _mm512_mask_mov_ps(y, prend, t);
    x = _mm512_mask_mov_ps(x, lt, s);
}

__attribute__((target("avx512f"))) void Groupe512(const Groupe& g) {
    if (g.nbLignes != kLignesGroupe) {
        GroupeSimple(g, LigneCircuite512, 0, 1, g.c);
        return;
    }
    const std::size_t lot = g.lot, c = g.c;
    const std::ptrdiff_t versSecondes = g.pivots2 - g.pivots;
    std::size_t j = 1;
    for (; j + 16 <= c; j += 16) {
        float *l0 = g.lignes[0] + j, *l1 = g.lignes[1] + j, *l2 = g.lignes[2] + j,
              *l3 = g.lignes[3] + j;
        float *m0 = g.lignes2[0] + j, *m1 = g.lignes2[1] + j, *m2 = g.lignes2[2] + j,
              *m3 = g.lignes2[3] + j;
        __m512 x0 = _mm512_loadu_ps(l0), x1 = _mm512_loadu_ps(l1), x2 = _mm512_loadu_ps(l2),
               x3 = _mm512_loadu_ps(l3);
        __m512 y0 = _mm512_loadu_ps(m0), y1 = _mm512_loadu_ps(m1), y2 = _mm512_loadu_ps(m2),
               y3 = _mm512_loadu_ps(m3);
        // First the pivots whose path is no longer than the chunk's values as they stand
        // before the block, with no branch: the values only go down, so that every pivot
        // that changes a cell is among them. Then those pivots in order, in full.
        std::uint8_t retenus[kBloc];
        std::size_t nb = 0;
        const float* colonnes = g.pivots + j;
        const float* d = g.dik;
        for (std::size_t b = 0; b < lot; ++b, d += 2 * kLignesGroupe) {
            const __m512 p = _mm512_loadu_ps(colonnes + b * c);
            const __mmask16 a0 =
                _mm512_cmp_ps_mask(_mm512_add_ps(_mm512_set1_ps(d[0]), p), x0, _CMP_LE_OQ);
            const __mmask16 a1 =
                _mm512_cmp_ps_mask(_mm512_add_ps(_mm512_set1_ps(d[1]), p), x1, _CMP_LE_OQ);
            const __mmask16 a2 =
                _mm512_cmp_ps_mask(_mm512_add_ps(_mm512_set1_ps(d[2]), p), x2, _CMP_LE_OQ);
            const __mmask16 a3 =
                _mm512_cmp_ps_mask(_mm512_add_ps(_mm512_set1_ps(d[3]), p), x3, _CMP_LE_OQ);
            retenus[nb] = static_cast<std::uint8_t>(b);
            nb += !_kortestz_mask16_u8(_kor_mask16(a0, a1), _kor_mask16(a2, a3));
        }
        for (std::size_t t = 0; t < nb; ++t) {
            const std::size_t b = retenus[t];
            const float* pivot = colonnes + b * c;
            d = g.dik + 2 * kLignesGroupe * b;
            const __m512 p = _mm512_loadu_ps(pivot);
            const __m512 s0 = _mm512_add_ps(_mm512_set1_ps(d[0]), p);
            const __m512 s1 = _mm512_add_ps(_mm512_set1_ps(d[1]), p);
            const __m512 s2 = _mm512_add_ps(_mm512_set1_ps(d[2]), p);
            const __m512 s3 = _mm512_add_ps(_mm512_set1_ps(d[3]), p);
            const __mmask16 a0 = _mm512_cmp_ps_mask(s0, x0, _CMP_LE_OQ);
            const __mmask16 a1 = _mm512_cmp_ps_mask(s1, x1, _CMP_LE_OQ);
            const __mmask16 a2 = _mm512_cmp_ps_mask(s2, x2, _CMP_LE_OQ);
            const __mmask16 a3 = _mm512_cmp_ps_mask(s3, x3, _CMP_LE_OQ);
            const __m512 q = _mm512_loadu_ps(pivot + versSecondes);
            const float* e = d + kLignesGroupe;
            Met512(x0, y0, s0, a0, e, q);
            Met512(x1, y1, s1, a1, e + 1, q);
            Met512(x2, y2, s2, a2, e + 2, q);
            Met512(x3, y3, s3, a3, e + 3, q);
        }
        _mm512_storeu_ps(l0, x0);
        _mm512_storeu_ps(l1, x1);
        _mm512_storeu_ps(l2, x2);
        _mm512_storeu_ps(l3, x3);
        _mm512_storeu_ps(m0, y0);
        _mm512_storeu_ps(m1, y1);
        _mm512_storeu_ps(m2, y2);
        _mm512_storeu_ps(m3, y3);
    }
    if (j < c) GroupeSimple(g, LigneCircuiteSimple, 0, j, c);
}

__attribute__((target("avx2"))) void Groupe256(const Groupe& g) {
    if (g.nbLignes != kLignesGroupe) {
        GroupeSimple(g, LigneCircuite256, 0, 1, g.c);
        return;
    }
    const std::size_t lot = g.lot, c = g.c;
    std::size_t j = 1;
    for (; j + 8 <= c; j += 8) {
        __m256 x[kLignesGroupe], y[kLignesGroupe];
        for (std::size_t r = 0; r < kLignesGroupe; ++r) {
            x[r] = _mm256_loadu_ps(g.lignes[r] + j);
            y[r] = _mm256_loadu_ps(g.lignes2[r] + j);
        }
        for (std::size_t b = 0; b < lot; ++b) {
            const __m256 p = _mm256_loadu_ps(g.pivots + b * c + j);
            __m256 s[kLignesGroupe], a[kLignesGroupe];
            for (std::size_t r = 0; r < kLignesGroupe; ++r) {
                s[r] = _mm256_add_ps(_mm256_set1_ps(g.Dik(r, b)), p);
                a[r] = _mm256_cmp_ps(s[r], x[r], _CMP_LE_OQ);
            }
            const __m256 une = _mm256_or_ps(_mm256_or_ps(a[0], a[1]), _mm256_or_ps(a[2], a[3]));
            if (!_mm256_movemask_ps(une)) continue;
            const __m256 q = _mm256_loadu_ps(g.pivots2 + b * c + j);
            for (std::size_t r = 0; r < kLignesGroupe; ++r) {
                const __m256 lt = _mm256_cmp_ps(s[r], x[r], _CMP_LT_OQ);
                const __m256 eq = _mm256_andnot_ps(lt, a[r]);
                const __m256 t = _mm256_add_ps(_mm256_set1_ps(g.D2ik(r, b)), q);
                const __m256 prend =
                    _mm256_or_ps(lt, _mm256_and_ps(eq, _mm256_cmp_ps(t, y[r], _CMP_LT_OQ)));
                y[r] = _mm256_blendv_ps(y[r], t, prend);
                x[r] = _mm256_blendv_ps(x[r], s[r], lt);
            }
        }
        for (std::size_t r = 0; r < kLignesGroupe; ++r) {
            _mm256_storeu_ps(g.lignes[r] + j, x[r]);
            _mm256_storeu_ps(g.lignes2[r] + j, y[r]);
        }
    }
    if (j < c) GroupeSimple(g, LigneCircuiteSimple, 0, j, c);
}

using FonctionGroupe = void (*)(const Groupe&);

void GroupeSimpleComplet(const Groupe& g) {
    GroupeSimple(g, LigneCircuiteSimple, 0, 1, g.c);
}

FonctionGroupe ChoisitGroupe(FonctionLigne ligne) {
    if (ligne == LigneCircuite512) return Groupe512;
    if (ligne == LigneCircuite256) return Groupe256;
    return GroupeSimpleComplet;
}

bool Symetriques(const float* f, const float* f2, std::size_t n) {
    const std::size_t c = n + 1;
    for (std::size_t i = 1; i <= n; ++i)
        for (std::size_t j = i + 1; j <= n; ++j)
            if (std::memcmp(&f[i * c + j], &f[j * c + i], sizeof(float)) != 0 ||
                std::memcmp(&f2[i * c + j], &f2[j * c + i], sizeof(float)) != 0)
                return false;
    return true;
}

// The loops one cell after the other: oriented, every row in full; non-oriented, the half
// row beyond the diagonal, each change written both ways.
void BoucleCircuiteSimple(float* f, float* f2, std::size_t n, bool symetrique,
                          void (*parPivot)(void*, std::int64_t), void* contexte) {
    const std::size_t c = n + 1;
    for (std::size_t k = 1; k <= n; ++k) {
        if (parPivot) parPivot(contexte, static_cast<std::int64_t>(k));
        for (std::size_t i = 1; i <= n; ++i) {
            if (!(f[i * c + k] < kInfini)) continue;
            for (std::size_t j = symetrique ? i + 1 : 1; j <= n; ++j) {
                const float s = f[i * c + k] + f[k * c + j];
                const float s2 = f2[i * c + k] + f2[k * c + j];
                const bool plusPetit = s < f[i * c + j];
                if (!plusPetit && !(s == f[i * c + j] && s2 < f2[i * c + j])) continue;
                if (plusPetit) f[i * c + j] = s;
                f2[i * c + j] = s2;
                if (symetrique) {
                    f[j * c + i] = f[i * c + j];
                    f2[j * c + i] = f2[i * c + j];
                }
            }
        }
    }
}

struct Progres {
    EtatAccessibilite* e;
    const char* message;
};

void AppelProgres(void* c, std::int64_t k) {
    auto* p = static_cast<Progres*>(c);
    AfficheTempsDeCalcul(*p->e, p->e->NbNoeuds, k, p->message);
}

void FloydCircuite(EtatAccessibilite& e, bool symetrique) {
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

void Copie(EtatAccessibilite& e, bool seconde) {
    const auto n = static_cast<std::size_t>(e.NbNoeuds);
    e.MatCircuite.Dimensionne(n);
    for (std::size_t i = 1; i <= n; ++i)
        for (std::size_t j = 1; j <= n; ++j)
            e.MatCircuite(i, j).Valeur =
                seconde ? e.CheminsMin(i, j).Valeur2 : e.CheminsMin(i, j).Valeur;
}

void Libere(EtatAccessibilite& e) {
    e.CheminsMin.Libere();
    e.MatArcsMin.Libere();
    ++e.GenerationReseau;  // whatever was computed from them no longer holds
}

// LE in CheminsMin.Valeur: the straight-line matrix itself.
void ReferenceDroite(EtatAccessibilite& e) {
    CreationMatriceDistancesEuclidiennes(e);
    const auto n = static_cast<std::size_t>(e.NbNoeuds);
    e.CheminsMin.Dimensionne(n);
    for (std::size_t i = 1; i <= n; ++i)
        for (std::size_t j = 1; j <= n; ++j) e.CheminsMin(i, j).Valeur = e.MatArcsMin(i, j).Valeur;
    e.MatArcsMin.Libere();
}

void Circuite(EtatAccessibilite& e, const std::string& valuation) {
    e.Valuation = valuation;
    CreationMatriceArcsMinCircuite(e, valuation);
    CheminsCircuite(e);
}

void Distance(EtatAccessibilite& e) {
    e.Valuation = "Distance";
    CreationMatriceArcsMin(e, "Distance");
    PlusCourtsChemins(e);
}

void Termine(EtatAccessibilite& e, const std::string& reference) {
    CalculDegreCircuite(e, reference);
    e.NomFichierResultat = CheminResultat(e, "\\NoeudVal.dat");
    EcritureValeursNoeuds(e, e.NomFichierResultat);
    OuvreDansEditeur(e, e.NomFichierResultat);
}

template <typename F>
void CommandeCircuite(EtatAccessibilite& e, F&& etapes) {
    Sablier sablier(e.Ihm);
    RecalculeOriente(e);
    e.MatCircuite.Dimensionne(static_cast<std::size_t>(std::max(e.NbNoeuds, 0)));
    etapes();
}

}  // namespace

void CalculDistancesEuclidiennesArcs(EtatAccessibilite& e) {
    for (std::int32_t k = 1; k <= e.NbArcs; ++k) {
        AfficheProgression(e, e.NbArcs, k, "Calcul de la distance euclidienne...");
        Arc& a = e.Arcs[static_cast<std::size_t>(k)];
        const Extremites x = ChercheNoeuds(e, a);
        if (x.trouvees == 2) {
            a.DistanceEuclidienne = static_cast<float>(
                DistanceVolOiseau(e.Noeuds[static_cast<std::size_t>(x.origine)],
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

void CreationMatriceDistancesEuclidiennes(EtatAccessibilite& e) {
    const auto n = static_cast<std::size_t>(e.NbNoeuds);
    VerifieMemoire((n + 1) * (n + 1) * sizeof(CelluleArcMin),
                   "la matrice des distances euclidiennes");
    e.MatArcsMin.Dimensionne(n);
    for (std::size_t i = 1; i <= n; ++i) {
        AfficheProgression(e, static_cast<std::int64_t>(n), static_cast<std::int64_t>(i),
                           "Création de la matrice des distances euclidiennes...");
        for (std::size_t j = 1; j <= n; ++j)
            e.MatArcsMin(i, j).Valeur =
                i == j ? 1.0f : static_cast<float>(DistanceVolOiseau(e.Noeuds[i], e.Noeuds[j]));
    }
    e.MatArcsMinValuation = "DistEuclid";
}

void CreationMatriceArcsMinCircuite(EtatAccessibilite& e, const std::string& valuation) {
    const auto n = static_cast<std::size_t>(e.NbNoeuds);
    VerifieMemoire((n + 1) * (n + 1) * sizeof(CelluleArcMin), "la matrice des arcs minimaux");
    ++e.GenerationReseau;
    e.MatArcsMin.Dimensionne(n);
    e.MatArcsMinValuation = valuation;
    ArcsEcartes ecartes;
    for (std::int32_t k = 1; k <= e.NbArcs; ++k) {
        AfficheProgression(e, e.NbArcs, k,
                           "Création de la matrice des arcs minimaux (circuité)...");
        const Arc& a = e.Arcs[static_cast<std::size_t>(k)];
        if (a.Origine == 0 || a.Destination == 0) continue;
        const Extremites x = ChercheNoeuds(e, a);
        if (x.origine == 0 || x.destination == 0) continue;  // an end that no node has
        float v1, v2;
        Valeurs(a, valuation, v1, v2);
        if (ecartes.Ecarte(e, k, v1)) continue;  // 0 would read as no arc there
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
    ecartes.Signale(e, valuation);
}

void InitialisationFloydCircuite(EtatAccessibilite& e) {
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
                         void (*parPivot)(void*, std::int64_t), void* contexte, Vectorisation v) {
    // The pivots go by blocks of 64. The rows of a block's pivots are first copied and brought
    // to the state each has when it is the pivot (the earlier pivots of the block applied, in
    // order). Then the rows, by groups of four, take the block's pivots in order in one pass,
    // a chunk of columns at a time held in registers; the value of row i in the column of
    // pivot k is the one the earlier pivots of the block left, worked out beforehand. Each
    // cell thus meets every pivot in the same order, with the same pivot row, as in the plain
    // loops. Row k and column k do not change at pivot k (zero diagonal, no negative value),
    // so the rows are independent within a pivot. The matrix is symmetric in the non-oriented
    // case: every full row gives what the half rows written both ways give. Other matrices
    // (a negative value read from an arc file, one not symmetric) go through the loops as they
    // stand.
    if (!DiagonaleNulleSansNegatif(valeurs, n) || !DiagonaleNulleSansNegatif(secondes, n) ||
        (symetrique && !Symetriques(valeurs, secondes, n))) {
        BoucleCircuiteSimple(valeurs, secondes, n, symetrique, parPivot, contexte);
        return;
    }
    const std::size_t c = n + 1;
    const FonctionLigne ligne = ChoisitLigne(v);
    const FonctionGroupe groupe = ChoisitGroupe(ligne);
    Equipe equipe(Equipe::TaillePour(static_cast<std::int64_t>(n)));
    const unsigned membres = equipe.Taille();
    std::vector<float> pivots(kBloc * c), pivots2(kBloc * c);
    float carre[kBloc * kBloc], carre2[kBloc * kBloc];
    const float inf = std::numeric_limits<float>::infinity();
    for (std::size_t k0 = 1; k0 <= n; k0 += kBloc) {
        const std::size_t lot = std::min(kBloc, n + 1 - k0);
        for (std::size_t b = 0; b < lot; ++b) {
            if (parPivot) parPivot(contexte, static_cast<std::int64_t>(k0 + b));
            float* p = pivots.data() + b * c;
            float* p2 = pivots2.data() + b * c;
            std::copy(valeurs + (k0 + b) * c, valeurs + (k0 + b + 1) * c, p);
            std::copy(secondes + (k0 + b) * c, secondes + (k0 + b + 1) * c, p2);
            for (std::size_t a = 0; a < b; ++a)
                if (p[k0 + a] < kInfini)
                    ligne(p, p2, pivots.data() + a * c, pivots2.data() + a * c, p[k0 + a],
                          p2[k0 + a], 1, c);
        }
        // The pivot rows in the block's columns, side by side.
        for (std::size_t b = 0; b < lot; ++b) {
            const float* p = pivots.data() + b * c + k0;
            const float* p2 = pivots2.data() + b * c + k0;
            std::copy(p, p + lot, carre + b * kBloc);
            std::copy(p2, p2 + lot, carre2 + b * kBloc);
        }
        equipe.Execute([&](unsigned m) {
            const std::size_t debut = 1 + n * m / membres, fin = n * (m + 1) / membres;
            float dik[2 * kLignesGroupe * kBloc];
            Groupe g;
            g.pivots = pivots.data();
            g.pivots2 = pivots2.data();
            g.c = c;
            g.dik = dik;
            g.lot = lot;
            for (std::size_t i0 = debut; i0 <= fin; i0 += kLignesGroupe) {
                g.nbLignes = std::min(kLignesGroupe, fin + 1 - i0);
                for (std::size_t r = 0; r < g.nbLignes; ++r) {
                    const std::size_t i = i0 + r;
                    g.lignes[r] = valeurs + i * c;
                    g.lignes2[r] = secondes + i * c;
                    // The row in the block's columns, as each pivot finds it.
                    float col[kBloc], col2[kBloc];
                    std::copy(g.lignes[r] + k0, g.lignes[r] + k0 + lot, col);
                    std::copy(g.lignes2[r] + k0, g.lignes2[r] + k0 + lot, col2);
                    for (std::size_t b = 0; b < lot; ++b) {
                        const bool actif = i != k0 + b && col[b] < kInfini;
                        dik[2 * kLignesGroupe * b + r] = actif ? col[b] : inf;
                        dik[2 * kLignesGroupe * b + kLignesGroupe + r] = col2[b];
                        if (!actif) continue;
                        ligne(col, col2, carre + b * kBloc, carre2 + b * kBloc, col[b], col2[b],
                              b + 1, lot);
                    }
                }
                groupe(g);
            }
        });
    }
}

void FloydCircuiteOriente(EtatAccessibilite& e) {
    FloydCircuite(e, false);
}

void FloydCircuiteNonOriente(EtatAccessibilite& e) {
    FloydCircuite(e, true);
}

void CheminsCircuite(EtatAccessibilite& e) {
    InitialisationFloydCircuite(e);
    if (e.Oriente)
        FloydCircuiteOriente(e);
    else
        FloydCircuiteNonOriente(e);
}

void CalculDegreCircuite(EtatAccessibilite& e, const std::string& reference) {
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

void menLCK_LE(EtatAccessibilite& e) {
    CommandeCircuite(e, [&] {
        Distance(e);
        Copie(e, false);
        e.MatArcsMin.Libere();
        ReferenceDroite(e);
        Termine(e, "Valeur");
    });
}

void menLCK_LECK(EtatAccessibilite& e) {
    CommandeCircuite(e, [&] {
        CalculDistancesEuclidiennesArcs(e);
        Distance(e);
        Copie(e, false);
        Libere(e);
        Circuite(e, "Distance2DistEuclid");
        Termine(e, "Valeur2");
    });
}

void menLECK_LE(EtatAccessibilite& e) {
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

void menLCT_LE(EtatAccessibilite& e) {
    CommandeCircuite(e, [&] {
        Circuite(e, "Temps2Distance");
        Copie(e, true);
        e.MatArcsMin.Libere();
        ReferenceDroite(e);
        Termine(e, "Valeur");
    });
}

void menLCT_LECT(EtatAccessibilite& e) {
    CommandeCircuite(e, [&] {
        CalculDistancesEuclidiennesArcs(e);
        Circuite(e, "Temps2Distance");
        Copie(e, true);
        Libere(e);
        Circuite(e, "Temps2DistEuclid");
        Termine(e, "Valeur2");
    });
}

void menLECT_LE(EtatAccessibilite& e) {
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

void menLCT_LCK(EtatAccessibilite& e) {
    CommandeCircuite(e, [&] {
        Circuite(e, "Temps2Distance");
        Copie(e, true);
        Libere(e);
        Distance(e);
        Termine(e, "Valeur");
    });
}

}  // namespace vek
