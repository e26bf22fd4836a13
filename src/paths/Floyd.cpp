#include "paths/Floyd.h"

#include <algorithm>
#include <exception>

#if defined(__x86_64__)
#include <immintrin.h>
#endif
#include <barrier>
#include <limits>
#include <thread>
#include <vector>

#include "network/Temps.h"
#include "paths/EtatChemins.h"
#include "paths/MatriceArcsMin.h"
#include "paths/Valuation.h"
#include "shell/Fichiers.h"
#include "shell/Format.h"
#include "shell/Memoire.h"
#include "shell/Progression.h"

namespace vek {

namespace {

// One row under one pivot: d(i, j) = min(d(i, j), d(i, k) + d(k, j)), the comparison strict
// (an ordered "less than": a NaN never replaces a value). One version for each kind of vector
// unit, chosen when the program starts, so that it runs on any x86-64.
// Columns debut..n, one at a time: the plain version, and the end of a row for the others.
inline void RelaxeColonnes(float* __restrict ligne, const float* __restrict pivot, float dik,
                           std::size_t debut, std::size_t n) {
    for (std::size_t j = debut; j <= n; ++j) {
        float s = dik + pivot[j];
        if (s < ligne[j]) ligne[j] = s;
    }
}

void RelaxeLigneSimple(float* __restrict ligne, const float* __restrict pivot, float dik,
                       std::size_t n) {
    RelaxeColonnes(ligne, pivot, dik, 1, n);
}

#if defined(__x86_64__)
// GCC 12 warns inside its own AVX-512 min intrinsic (a false positive); Clang has no such
// warning.
#if !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
__attribute__((target("avx512f"))) void RelaxeLigne512(float* __restrict ligne,
                                                       const float* __restrict pivot, float dik,
                                                       std::size_t n) {
    const __m512 d = _mm512_set1_ps(dik);
    std::size_t j = 1;
    for (; j + 15 <= n; j += 16) {
        // min(a, b) is "a < b ? a : b", NaN and equality included: the strict update.
        __m512 somme = _mm512_add_ps(d, _mm512_loadu_ps(pivot + j));
        _mm512_storeu_ps(ligne + j, _mm512_min_ps(somme, _mm512_loadu_ps(ligne + j)));
    }
    RelaxeColonnes(ligne, pivot, dik, j, n);
}

__attribute__((target("avx2"))) void RelaxeLigne256(float* __restrict ligne,
                                                    const float* __restrict pivot, float dik,
                                                    std::size_t n) {
    const __m256 d = _mm256_set1_ps(dik);
    std::size_t j = 1;
    for (; j + 7 <= n; j += 8) {
        __m256 somme = _mm256_add_ps(d, _mm256_loadu_ps(pivot + j));
        _mm256_storeu_ps(ligne + j, _mm256_min_ps(somme, _mm256_loadu_ps(ligne + j)));
    }
    RelaxeColonnes(ligne, pivot, dik, j, n);
}
#endif

using Relaxation = void (*)(float*, const float*, float, std::size_t);

Relaxation ChoisitRelaxation() {
#if defined(__x86_64__)
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f")) return RelaxeLigne512;
    if (__builtin_cpu_supports("avx2")) return RelaxeLigne256;
#endif
    return RelaxeLigneSimple;
}

const Relaxation RelaxeLigne = ChoisitRelaxation();

// Several rows under a batch of pivots, in one pass: each cell takes the pivots in order,
// min(d(i, j), d(i, k) + d(k, j)) with d(i, k) as the earlier pivots of the batch left it
// (given in `dik`, +infinity where the pivot is skipped for that row), so that a pivot row
// chunk read once serves every row of the block.
constexpr std::size_t kLignesBloc = 4;

void PasseBlocSimple(float* const* lignes, std::size_t nbLignes, const float* const* pivots,
                     const float* dik, std::size_t lot, std::size_t n) {
    for (std::size_t r = 0; r < nbLignes; ++r)
        for (std::size_t b = 0; b < lot; ++b)
            RelaxeColonnes(lignes[r], pivots[b], dik[r * lot + b], 1, n);
}

#if defined(__x86_64__)
__attribute__((target("avx512f"))) void PasseBloc512(float* const* lignes, std::size_t nbLignes,
                                                     const float* const* pivots, const float* dik,
                                                     std::size_t lot, std::size_t n) {
    if (nbLignes != kLignesBloc) {
        PasseBlocSimple(lignes, nbLignes, pivots, dik, lot, n);
        return;
    }
    std::size_t j = 1;
    for (; j + 15 <= n; j += 16) {
        __m512 x0 = _mm512_loadu_ps(lignes[0] + j), x1 = _mm512_loadu_ps(lignes[1] + j);
        __m512 x2 = _mm512_loadu_ps(lignes[2] + j), x3 = _mm512_loadu_ps(lignes[3] + j);
        for (std::size_t b = 0; b < lot; ++b) {
            const __m512 p = _mm512_loadu_ps(pivots[b] + j);
            x0 = _mm512_min_ps(_mm512_add_ps(_mm512_set1_ps(dik[b]), p), x0);
            x1 = _mm512_min_ps(_mm512_add_ps(_mm512_set1_ps(dik[lot + b]), p), x1);
            x2 = _mm512_min_ps(_mm512_add_ps(_mm512_set1_ps(dik[2 * lot + b]), p), x2);
            x3 = _mm512_min_ps(_mm512_add_ps(_mm512_set1_ps(dik[3 * lot + b]), p), x3);
        }
        _mm512_storeu_ps(lignes[0] + j, x0);
        _mm512_storeu_ps(lignes[1] + j, x1);
        _mm512_storeu_ps(lignes[2] + j, x2);
        _mm512_storeu_ps(lignes[3] + j, x3);
    }
    for (std::size_t r = 0; r < nbLignes; ++r)
        for (std::size_t b = 0; b < lot; ++b)
            RelaxeColonnes(lignes[r], pivots[b], dik[r * lot + b], j, n);
}
#endif

using PasseBloc = void (*)(float* const*, std::size_t, const float* const*, const float*,
                           std::size_t, std::size_t);

PasseBloc ChoisitPasseBloc() {
#if defined(__x86_64__)
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f")) return PasseBloc512;
#endif
    return nullptr;  // the row-by-row pass with the vector units there are
}

const PasseBloc PasseBlocRapide = ChoisitPasseBloc();

bool SymetriqueEntre0Et32000(const float* m, std::size_t n) {
    const std::size_t c = n + 1;
    for (std::size_t i = 1; i <= n; ++i)
        for (std::size_t j = i; j <= n; ++j) {
            float v = m[i * c + j];
            if (!(v >= 0 && v <= kInfini) || v != m[j * c + i]) return false;
        }
    return true;
}

void BoucleSimpleOrientee(float* m, std::size_t n, void (*parPivot)(void*, std::int64_t),
                          void* ctx) {
    const std::size_t c = n + 1;
    for (std::size_t k = 1; k <= n; ++k) {
        parPivot(ctx, static_cast<std::int64_t>(k));
        for (std::size_t i = 1; i <= n; ++i) {
            if (!(m[i * c + k] < kInfini)) continue;
            for (std::size_t j = 1; j <= n; ++j) {
                float s = m[i * c + k] + m[k * c + j];
                if (s < m[i * c + j]) m[i * c + j] = s;
            }
        }
    }
}

void BoucleSimpleSymetrique(float* m, std::size_t n, void (*parPivot)(void*, std::int64_t),
                            void* ctx) {
    const std::size_t c = n + 1;
    for (std::size_t k = 1; k <= n; ++k) {
        parPivot(ctx, static_cast<std::int64_t>(k));
        for (std::size_t i = 1; i <= n; ++i) {
            if (!(m[i * c + k] < kInfini)) continue;
            for (std::size_t j = i + 1; j <= n; ++j) {
                float s = m[i * c + k] + m[k * c + j];
                if (s < m[i * c + j]) m[i * c + j] = m[j * c + i] = s;
            }
        }
    }
}

// Rows shared between the cores, and several consecutive pivots applied in one pass over a
// row. Each cell still sees the same operations in the same order as in the plain loop: the
// rows of the pivots of a batch are first brought up to date and kept as they stand at their
// own pivot; then each row takes the pivots in order, its value in the pivot's column being
// the one the earlier pivots left. The calling thread reports progress.
void BoucleParallele(float* m, std::size_t n, void (*parPivot)(void*, std::int64_t), void* ctx) {
    const std::size_t c = n + 1;
    constexpr std::size_t kLot = 64;
    unsigned nb = std::max(1u, std::min(std::thread::hardware_concurrency(), 8u));
    if (n < 128) nb = 1;
    std::vector<float> pivots(kLot * c);
    std::barrier synchro(static_cast<std::ptrdiff_t>(nb));
    // A progress step that stops the computation (a cancelled command) is thrown on once
    // every thread has left the loop at the same batch.
    std::exception_ptr erreur;
    bool abandon = false;
    auto travail = [&](unsigned t) {
        const std::size_t debut = 1 + n * t / nb, fin = n * (t + 1) / nb;
        for (std::size_t k0 = 1; k0 <= n; k0 += kLot) {
            const std::size_t lot = std::min(kLot, n + 1 - k0);
            synchro.arrive_and_wait();  // the previous batch is done in every row
            if (t == 0) {
                try {
                    for (std::size_t b = 0; b < lot; ++b) {
                        parPivot(ctx, static_cast<std::int64_t>(k0 + b));
                        float* p = pivots.data() + b * c;
                        std::copy(m + (k0 + b) * c, m + (k0 + b + 1) * c, p);
                        for (std::size_t a = 0; a < b; ++a) {
                            float dik = p[k0 + a];
                            if (dik < kInfini) RelaxeLigne(p, pivots.data() + a * c, dik, n);
                        }
                    }
                } catch (...) {
                    erreur = std::current_exception();
                    abandon = true;
                }
            }
            synchro.arrive_and_wait();  // the pivot rows of the batch are ready
            if (abandon) return;
            if (!PasseBlocRapide) {
                for (std::size_t i = debut; i <= fin; ++i) {
                    float* ligne = m + i * c;
                    for (std::size_t b = 0; b < lot; ++b) {
                        float dik = ligne[k0 + b];
                        if (i == k0 + b || !(dik < kInfini)) continue;  // own row stays
                        RelaxeLigne(ligne, pivots.data() + b * c, dik, n);
                    }
                }
                continue;
            }
            const float* lignesPivots[kLot];
            for (std::size_t b = 0; b < lot; ++b) lignesPivots[b] = pivots.data() + b * c;
            for (std::size_t i0 = debut; i0 <= fin; i0 += kLignesBloc) {
                const std::size_t nbLignes = std::min(kLignesBloc, fin + 1 - i0);
                float* lignes[kLignesBloc];
                float dik[kLignesBloc * kLot];
                for (std::size_t r = 0; r < nbLignes; ++r) {
                    const std::size_t i = i0 + r;
                    lignes[r] = m + i * c;
                    // The row's values in the pivot columns, as each pivot finds them.
                    float colonnes[kLot];
                    for (std::size_t b = 0; b < lot; ++b) colonnes[b] = lignes[r][k0 + b];
                    for (std::size_t b = 0; b < lot; ++b) {
                        const float d = colonnes[b];
                        const bool actif = i != k0 + b && d < kInfini;
                        dik[r * lot + b] = actif ? d : std::numeric_limits<float>::infinity();
                        if (!actif) continue;
                        for (std::size_t a = b + 1; a < lot; ++a) {
                            float s = d + lignesPivots[b][k0 + a];
                            if (s < colonnes[a]) colonnes[a] = s;
                        }
                    }
                }
                PasseBlocRapide(lignes, nbLignes, lignesPivots, dik, lot, n);
            }
        }
    };
    std::vector<std::thread> fils;
    for (unsigned t = 1; t < nb; ++t) fils.emplace_back(travail, t);
    travail(0);
    for (auto& f : fils) f.join();
    if (erreur) std::rethrow_exception(erreur);
}

}  // namespace

bool DiagonaleNulleSansNegatif(const float* m, std::size_t n) {
    const std::size_t c = n + 1;
    for (std::size_t i = 1; i <= n; ++i) {
        if (m[i * c + i] != 0) return false;
        for (std::size_t j = 1; j <= n; ++j)
            if (m[i * c + j] < 0) return false;
    }
    return true;
}

void BoucleFloyd(float* m, std::size_t n, bool symetrique, void (*parPivot)(void*, std::int64_t),
                 void* ctx) {
    if (!DiagonaleNulleSansNegatif(m, n)) {
        (symetrique ? BoucleSimpleSymetrique : BoucleSimpleOrientee)(m, n, parPivot, ctx);
        return;
    }
    if (symetrique && !SymetriqueEntre0Et32000(m, n)) {
        BoucleSimpleSymetrique(m, n, parPivot, ctx);
        return;
    }
    BoucleParallele(m, n, parPivot, ctx);
}

void InitialisationFloyd(EtatChemins& e) {
    Sablier sablier(e.Ihm);
    const std::size_t n = static_cast<std::size_t>(e.NbNoeuds);
    const std::uint64_t cellules = static_cast<std::uint64_t>(n + 1) * (n + 1);
    const std::uint64_t dejaLa =
        e.MatFloyd.Lignes() * e.MatFloyd.Colonnes() *
        (sizeof(float) + sizeof(CelluleChemin) + sizeof(CellulePredecesseur));
    const std::uint64_t besoin =
        cellules * (sizeof(float) + sizeof(CelluleChemin) + sizeof(CellulePredecesseur));
    VerifieMemoire(besoin > dejaLa ? besoin - dejaLa : 0, "les matrices des chemins minimaux");
    e.CheminsMin.Dimensionne(n);
    e.MatPredecesseurs.Dimensionne(n);
    e.MatFloyd.Dimensionne(n, 0.0f);
    for (std::size_t i = 1; i <= n; ++i)
        for (std::size_t j = 1; j <= n; ++j) {
            const CelluleArcMin& a = e.MatArcsMin(i, j);
            if (a.Valeur == 0) {
                e.MatFloyd(i, j) = kInfini;
            } else {
                e.CheminsMin(i, j).Mode = a.Mode;
                e.MatPredecesseurs(i, j) =
                    CellulePredecesseur{static_cast<std::int32_t>(i), a.Mode, a.Valeur};
                e.MatFloyd(i, j) = a.Valeur;
            }
            if (i == j) e.MatFloyd(i, i) = 0;  // a loop arc is ignored
        }
}

namespace {
struct ContexteProgression {
    EtatChemins* e;
    const char* message;
    std::int64_t total;
};

void Progres(void* c, std::int64_t k) {
    auto* p = static_cast<ContexteProgression*>(c);
    AfficheTempsDeCalcul(*p->e, p->total, k, p->message);
}

void Floyd(EtatChemins& e, bool symetrique) {
    const std::size_t n = static_cast<std::size_t>(e.NbNoeuds);
    ContexteProgression p{
        &e, symetrique ? "Calcul Floyd non orienté..." : "Calcul Floyd orienté...", e.NbNoeuds};
    if (n > 0) BoucleFloyd(e.MatFloyd.Ligne(0), n, symetrique, Progres, &p);
    Sablier sablier(e.Ihm);
    for (std::size_t i = 1; i <= n; ++i)
        for (std::size_t j = 1; j <= n; ++j)
            if (!symetrique || i != j) e.CheminsMin(i, j).Valeur = e.MatFloyd(i, j);
    e.CheminsMinValuation = e.Valuation;
    e.CheminsMinReseau = e.GenerationReseau;
    e.Ihm.Rafraichit();
}
}  // namespace

void FloydOriente(EtatChemins& e) {
    Floyd(e, false);
}
void FloydNonOriente(EtatChemins& e) {
    Floyd(e, true);
}

void PlusCourtsChemins(EtatChemins& e) {
    InitialisationFloyd(e);
    if (e.Oriente)
        FloydOriente(e);
    else
        FloydNonOriente(e);
}

bool CheminsMinCourants(const EtatChemins& e) {
    return !e.CheminsMin.Vide() && e.CheminsMinReseau == e.GenerationReseau &&
           e.CheminsMinValuation == e.Valuation &&
           e.CheminsMin.Lignes() == static_cast<std::size_t>(e.NbNoeuds) + 1;
}

bool VerifieCheminsMinCourants(EtatChemins& e) {
    if (CheminsMinCourants(e)) return true;
    e.Ihm.Message(
        "Les chemins minimaux ne correspondent plus au réseau ou à la valuation : "
        "calculez-les d'abord (Chemins minimaux, Calcul).",
        Boutons::Ok, Icone::Exclamation, kTitreVek);
    return false;
}

bool CalculCheminsMinimaux(EtatChemins& e) {
    const std::string& v = e.Valuation;
    if (v == "Temps" || v == "Distance") {
        if (e.MatArcsMin.Lignes() != static_cast<std::size_t>(e.NbNoeuds) + 1 ||
            e.MatArcsMinValuation != v)
            CalculMatriceArcsMin(e);
        PlusCourtsChemins(e);
        return true;
    }
    auto variante = e.VariantesValuation.find(v);
    if (variante != e.VariantesValuation.end() && variante->second.CheminsMinimaux)
        return variante->second.CheminsMinimaux();
    if (v != "Horaires" && v != "JoursEtHeures") {
        // A valuation the circuity or average-speed commands left (minutes per km) has no
        // shortest paths of its own: one of the dialog's must be chosen.
        SignaleValuationSansSens(e, "les chemins minimaux");
        return false;
    }
    if (v == "JoursEtHeures") {
        auto heure = e.Ihm.Saisie(
            "Entrez votre heure de départ en heures-minutes (ex: 0920 pour 9 h. 20 min.)", "Départ",
            "");
        if (!heure) return false;
        try {
            e.HeureDepart = std::stoi(*heure);
        } catch (const std::exception&) {
            e.Ihm.Message("Heure de départ non valable : " + *heure, Boutons::Ok,
                          Icone::Exclamation, "Départ");
            return false;
        }
        if (!e.Ihm.Saisie("Entrez votre jour de départ (ex: lundi)", "JDépart", "")) return false;
    }
    e.Ihm.Message("Les chemins minimaux de la valuation \"" + v +
                      "\" ne sont pas calculables dans cette version de VEK.",
                  Boutons::Ok, Icone::Information, kTitreVek);
    return false;
}

void SommeCheminsMinimaux(EtatChemins& e) {
    e.SommeChemins = 0;
    const std::size_t n = static_cast<std::size_t>(e.NbNoeuds);
    double somme = 0;
    for (std::size_t i = 1; i <= n; ++i)
        for (std::size_t j = 1; j <= n; ++j) {
            float v = e.CheminsMin(i, j).Valeur;
            if (v == kInfini) return;
            somme += v;
        }
    e.SommeChemins = somme;
}

void menUneFois(EtatChemins& e) {
    if (!CalculCheminsMinimaux(e)) return;
    e.Menus.Active("menRécupTracés");
    e.Menus.Active("menVisuMatChMin");
    e.Menus.Active("menGravit");
    if (e.Valuation == "Temps") e.Menus.Active("menConnexions");
}

void menSomChem(EtatChemins& e) {
    if (!CalculCheminsMinimaux(e)) return;
    SommeCheminsMinimaux(e);
    e.NomFichierResultat = CheminResultat(e, "\\NoeudVal.dat");
    EcrivainTexte f(CheminDe(e, e.NomFichierResultat), e.NomFichierResultat, e.EncodageNoeuds);
    f.Ligne(TexteNombre(e.SommeChemins));
    f.Ferme();
    e.NoteResultat(TablesResultats::Genre::Valeur, e.SommeChemins);
    OuvreDansEditeur(e, e.NomFichierResultat);
}

}  // namespace vek
