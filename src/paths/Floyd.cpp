#include "paths/Floyd.h"

#include <algorithm>
#include <barrier>
#include <thread>
#include <vector>

#include "network/Temps.h"
#include "paths/MatriceArcsMin.h"
#include "shell/Etat.h"
#include "shell/Fichiers.h"
#include "shell/Format.h"
#include "shell/Progression.h"

namespace vek {

namespace {

// One row under one pivot: d(i, j) = min(d(i, j), d(i, k) + d(k, j)), the comparison strict.
// Cloned for the vector units the processor has, chosen when the program starts.
__attribute__((target_clones("avx512f", "avx2", "default"))) void RelaxeLigne(
    float* __restrict ligne, const float* __restrict pivot, float dik, std::size_t n) {
    for (std::size_t j = 1; j <= n; ++j) {
        float s = dik + pivot[j];
        ligne[j] = s < ligne[j] ? s : ligne[j];
    }
}

// The matrix allows rows to be relaxed in parallel: a zero diagonal and no negative value,
// so that a pivot never changes its own row or column.
bool DiagonaleNulleSansNegatif(const float* m, std::size_t n) {
    const std::size_t c = n + 1;
    for (std::size_t i = 1; i <= n; ++i) {
        if (m[i * c + i] != 0) return false;
        for (std::size_t j = 1; j <= n; ++j)
            if (m[i * c + j] < 0) return false;
    }
    return true;
}

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

// Rows shared between the cores, pivot by pivot; the calling thread reports progress.
void BoucleParallele(float* m, std::size_t n, void (*parPivot)(void*, std::int64_t), void* ctx) {
    const std::size_t c = n + 1;
    unsigned nb = std::max(1u, std::min(std::thread::hardware_concurrency(), 8u));
    if (n < 128) nb = 1;
    std::barrier synchro(static_cast<std::ptrdiff_t>(nb));
    auto travail = [&](unsigned t) {
        const std::size_t debut = 1 + n * t / nb, fin = n * (t + 1) / nb;
        for (std::size_t k = 1; k <= n; ++k) {
            synchro.arrive_and_wait();
            if (t == 0) parPivot(ctx, static_cast<std::int64_t>(k));
            const float* pivot = m + k * c;
            for (std::size_t i = debut; i <= fin; ++i) {
                float dik = m[i * c + k];
                if (i == k || !(dik < kInfini)) continue;  // the pivot's own row stays
                RelaxeLigne(m + i * c, pivot, dik, n);
            }
        }
    };
    std::vector<std::thread> fils;
    for (unsigned t = 1; t < nb; ++t) fils.emplace_back(travail, t);
    travail(0);
    for (auto& f : fils) f.join();
}

}  // namespace

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

void InitialisationFloyd(Etat& e) {
    Sablier sablier(e.Ihm);
    const std::size_t n = static_cast<std::size_t>(e.NbNoeuds);
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
    Etat* e;
    const char* message;
    std::int64_t total;
};

void Progres(void* c, std::int64_t k) {
    auto* p = static_cast<ContexteProgression*>(c);
    AfficheTempsDeCalcul(*p->e, p->total, k, p->message);
}

void Floyd(Etat& e, bool symetrique) {
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

void FloydOriente(Etat& e) {
    Floyd(e, false);
}
void FloydNonOriente(Etat& e) {
    Floyd(e, true);
}

bool CheminsMinCourants(const Etat& e) {
    return !e.CheminsMin.Vide() && e.CheminsMinReseau == e.GenerationReseau &&
           e.CheminsMinValuation == e.Valuation &&
           e.CheminsMin.Lignes() == static_cast<std::size_t>(e.NbNoeuds) + 1;
}

bool CalculCheminsMinimaux(Etat& e) {
    const std::string& v = e.Valuation;
    if (v == "Temps" || v == "Distance") {
        if (e.MatArcsMin.Lignes() != static_cast<std::size_t>(e.NbNoeuds) + 1 ||
            e.MatArcsMinValuation != v)
            CalculMatriceArcsMin(e);
        InitialisationFloyd(e);
        if (e.Oriente)
            FloydOriente(e);
        else
            FloydNonOriente(e);
        return true;
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

void SommeCheminsMinimaux(Etat& e) {
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

void menUneFois(Etat& e) {
    if (!CalculCheminsMinimaux(e)) return;
    e.Menus.Active("menRécupTracés");
    e.Menus.Active("menVisuMatChMin");
    e.Menus.Active("menGravit");
    if (e.Valuation == "Temps") e.Menus.Active("menConnexions");
}

void menSomChem(Etat& e) {
    if (!CalculCheminsMinimaux(e)) return;
    SommeCheminsMinimaux(e);
    e.NomFichierResultat = CheminResultat(e, "\\NoeudVal.dat");
    EcrivainTexte f(CheminDe(e, e.NomFichierResultat), e.NomFichierResultat, e.EncodageNoeuds);
    f.Ligne(TexteNombre(e.SommeChemins));
    f.Ferme();
    OuvreDansEditeur(e, e.NomFichierResultat);
}

}  // namespace vek
