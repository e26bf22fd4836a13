#include "location/Localisation.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <queue>
#include <type_traits>
#include <vector>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define VEK_X86 1
#endif

#include "location/EcritureMatriceChemins.h"
#include "location/EtatLocalisation.h"
#include "paths/Equipe.h"
#include "shell/Fichiers.h"
#include "shell/Format.h"
#include "shell/Memoire.h"
#include "shell/Port.h"
#include "shell/Progression.h"

namespace vek {

namespace {

constexpr const char* kMessageEfficacite =
    "Cumul des distances à parcourir par les individus pour se rendre à l'équipement le plus "
    "proche...";
constexpr const char* kMessageEquite =
    "Calcul de la distance à parcourir par l'individu le plus éloigné de l'équipement le plus "
    "proche...";
constexpr const char* kTitre = "LocEq";

// Candidates handled by one call of the kernel, and first candidates of the two-facility
// search that share one pass over the distances.
constexpr std::size_t kLargeur = 32;
constexpr std::size_t kGroupe = 64;

// The distances as the searches read them, 0-based: efficiency reads w(k) x d(k, c) in
// Double (w = 1 when not weighted, d(c, c) = 1), equity d(k, c) in Single. `lignes` holds
// them by blocks of kLargeur candidates c (the last one padded): in a block, row k holds the
// values of its candidates side by side and the rows follow each other, so that the kernel
// reads one block straight through. Row c of `colonnes` holds the column of candidate c.
//
// Rounding is monotonic: for w >= 0, w x min(x, y) rounded is the smaller of w x x and w x y
// rounded, so the weights are applied once here. A negative weight is applied as its
// magnitude, the term being then subtracted (-(|w| x v) is w x v, rounded alike).
template <typename T>
struct Distances {
    std::size_t n = 0;
    std::size_t blocs = 0;
    std::vector<T> lignes;
    std::vector<T> colonnes;
    std::vector<double> signes;  // -0.0 for a node of negative weight, else 0.0; may be empty
    const T* Colonne(std::size_t c) const { return colonnes.data() + c * n; }
    // The block whose first candidate is c0, a multiple of kLargeur.
    const T* Bloc(std::size_t c0) const { return lignes.data() + c0 * n; }
    const double* Signes() const { return signes.empty() ? nullptr : signes.data(); }
};

template <typename T>
Distances<T> Prepare(const EtatLocalisation& e) {
    constexpr bool efficacite = std::is_same_v<T, double>;
    const TablesChemins& r = e;
    Distances<T> d;
    d.n = static_cast<std::size_t>(std::max(e.NbNoeuds, 0));
    d.blocs = (d.n + kLargeur - 1) / kLargeur;
    d.lignes.assign(d.blocs * kLargeur * d.n, T(0));
    d.colonnes.assign(d.n * d.n, T(0));
    const bool ponderation = efficacite && e.PonderationPopulation;
    bool negatifs = false;
    for (std::size_t k = 0; k < d.n; ++k) {
        const CelluleChemin* ligne = &r.CheminsMin(k + 1, 1);
        const double w = ponderation ? e.Noeuds[k + 1].Population : 1;
        negatifs = negatifs || w < 0;
        for (std::size_t c = 0; c < d.n; ++c) {
            T v;
            if constexpr (efficacite)
                // A candidate's own node counts at distance 1.
                v = std::abs(w) * static_cast<double>(c == k ? 1.0f : ligne[c].Valeur);
            else
                v = ligne[c].Valeur;
            d.lignes[(c / kLargeur * d.n + k) * kLargeur + c % kLargeur] = v;
            d.colonnes[c * d.n + k] = v;
        }
    }
    if (negatifs) {
        d.signes.resize(d.n);
        for (std::size_t k = 0; k < d.n; ++k)
            d.signes[k] = e.Noeuds[k + 1].Population < 0 ? -0.0 : 0.0;
    }
    return d;
}

// The kernel: for the kLargeur candidates c of a block, with m(k) the value of node k at its
// nearest facility among the others, the value of each candidate added to them. Efficiency:
// the sum over k of min(m(k), d(k, c)), the others being the nearest on a tie; equity: the
// largest min over k, from 0, the new candidate being the nearest on a tie. The sum over k runs
// in order for each candidate: the vector lanes are candidates, never nodes.
template <typename T>
using Noyau = void (*)(const T* m, const T* bloc, std::size_t n, const double* signes,
                       float* sortie);

void EfficaciteGenerique(const double* m, const double* bloc, std::size_t n, const double* signes,
                         float* sortie) {
    double s[kLargeur] = {};
    for (std::size_t k = 0; k < n; ++k) {
        const double mk = m[k];
        const double* r = bloc + k * kLargeur;
        const bool moins = signes && std::signbit(signes[k]);
        for (std::size_t j = 0; j < kLargeur; ++j) {
            const double v = r[j] < mk ? r[j] : mk;
            s[j] = moins ? s[j] - v : s[j] + v;
        }
    }
    for (std::size_t j = 0; j < kLargeur; ++j) sortie[j] = static_cast<float>(s[j]);
}

void EquiteGenerique(const float* m, const float* bloc, std::size_t n, const double*,
                     float* sortie) {
    float x[kLargeur] = {};
    for (std::size_t k = 0; k < n; ++k) {
        const float mk = m[k];
        const float* r = bloc + k * kLargeur;
        for (std::size_t j = 0; j < kLargeur; ++j) {
            const float v = mk < r[j] ? mk : r[j];
            if (v > x[j]) x[j] = v;
        }
    }
    for (std::size_t j = 0; j < kLargeur; ++j) sortie[j] = x[j];
}

#ifdef VEK_X86
// The same with AVX2 lanes: 4 candidates per Double register, 8 per Single register.
template <bool Signes>
__attribute__((target("avx2"))) void EfficaciteAvx2(const double* m, const double* bloc,
                                                    std::size_t n, const double* signes,
                                                    float* sortie) {
    __m256d s[8];
    for (auto& x : s) x = _mm256_setzero_pd();
    for (std::size_t k = 0; k < n; ++k) {
        const __m256d mk = _mm256_set1_pd(m[k]);
        const double* r = bloc + k * kLargeur;
        // min_pd(x, y) is x < y ? x : y: the candidate only when strictly nearer.
        if constexpr (Signes) {
            const __m256d sk = _mm256_set1_pd(signes[k]);
#pragma GCC unroll 8
            for (int i = 0; i < 8; ++i)
                s[i] = _mm256_add_pd(
                    s[i], _mm256_xor_pd(_mm256_min_pd(_mm256_loadu_pd(r + 4 * i), mk), sk));
        } else {
#pragma GCC unroll 8
            for (int i = 0; i < 8; ++i)
                s[i] = _mm256_add_pd(s[i], _mm256_min_pd(_mm256_loadu_pd(r + 4 * i), mk));
        }
    }
    for (int i = 0; i < 8; ++i) _mm_storeu_ps(sortie + 4 * i, _mm256_cvtpd_ps(s[i]));
}

__attribute__((target("avx2"))) void EquiteAvx2(const float* m, const float* bloc, std::size_t n,
                                                const double*, float* sortie) {
    // Two chains, even and odd nodes, so that one need not wait for the other: a maximum does
    // not round, so they may be joined at the end. min_ps(m, d) keeps the new candidate on a
    // tie; max_ps(v, x) changes x only when v is larger.
    __m256 x[2][4];
    for (auto& c : x)
        for (auto& v : c) v = _mm256_setzero_ps();
    std::size_t k = 0;
    auto plus = [&](int c, std::size_t kk) __attribute__((target("avx2"))) {
        const __m256 mk = _mm256_set1_ps(m[kk]);
        const float* r = bloc + kk * kLargeur;
#pragma GCC unroll 4
        for (int i = 0; i < 4; ++i)
            x[c][i] = _mm256_max_ps(_mm256_min_ps(mk, _mm256_loadu_ps(r + 8 * i)), x[c][i]);
    };
    for (; k + 1 < n; k += 2) {
        plus(0, k);
        plus(1, k + 1);
    }
    if (k < n) plus(0, k);
    for (int i = 0; i < 4; ++i) _mm256_storeu_ps(sortie + 8 * i, _mm256_max_ps(x[1][i], x[0][i]));
}
#endif

}  // namespace

bool LocalisationSansVecteurs = false;

namespace {

Noyau<double> ChoixNoyau(const Distances<double>& d) {
#ifdef VEK_X86
    if (!LocalisationSansVecteurs && __builtin_cpu_supports("avx2"))
        return d.signes.empty() ? EfficaciteAvx2<false> : EfficaciteAvx2<true>;
#endif
    return EfficaciteGenerique;
}

Noyau<float> ChoixNoyau(const Distances<float>&) {
#ifdef VEK_X86
    if (!LocalisationSansVecteurs && __builtin_cpu_supports("avx2")) return EquiteAvx2;
#endif
    return EquiteGenerique;
}

// The value of each node at the nearer of a and b, with the tie rule of the criterion.
template <typename T>
void Paire(const Distances<T>& d, std::size_t a, std::size_t b, T* m) {
    const T* ca = d.Colonne(a);
    const T* cb = d.Colonne(b);
    if constexpr (std::is_same_v<T, double>)
        for (std::size_t k = 0; k < d.n; ++k) m[k] = cb[k] < ca[k] ? cb[k] : ca[k];
    else
        for (std::size_t k = 0; k < d.n; ++k) m[k] = ca[k] < cb[k] ? ca[k] : cb[k];
}

// Reports the progress of the first candidates done since the last call.
class Avancement {
  public:
    Avancement(EtatLocalisation& e, bool efficacite)
        : e_(e), message_(efficacite ? kMessageEfficacite : kMessageEquite) {
        total_ = e.NbNoeuds;
        AfficheTempsDeCalcul(e_, total_, etape_, message_);
    }
    void Faits(std::size_t nombre) {
        for (std::size_t i = 0; i < nombre; ++i)
            if (++etape_ <= total_) AfficheTempsDeCalcul(e_, total_, etape_, message_);
    }

  private:
    EtatLocalisation& e_;
    const char* message_;
    std::int64_t total_ = 0;
    std::int64_t etape_ = 0;
};

template <typename T>
void LocalisationDeux(EtatLocalisation& e) {
    constexpr bool efficacite = std::is_same_v<T, double>;
    const Distances<T> d = Prepare<T>(e);
    const std::size_t n = d.n;
    Matrice<float>& sortie = e.MatLocalisation2;
    sortie.Dimensionne(n, 0.0f);
    if (n == 0) return;
    const Noyau<T> noyau = ChoixNoyau(d);
    Avancement avancement(e, efficacite);
    Equipe equipe(Equipe::TaillePour(static_cast<std::int64_t>(n)));
    for (std::size_t a0 = 0; a0 < n; a0 += kGroupe) {
        const std::size_t a1 = std::min(n, a0 + kGroupe);
        // The candidates b >= a of this group of first candidates, a block at a time: a block
        // stays in cache for every a of the group.
        const std::size_t debut = a0 / kLargeur * kLargeur;
        const std::size_t blocs = (n - debut + kLargeur - 1) / kLargeur;
        std::atomic<std::size_t> prochain{0};
        equipe.Execute([&](unsigned) {
            float v[kLargeur];
            for (std::size_t t; (t = prochain.fetch_add(1)) < blocs;) {
                const std::size_t c0 = debut + t * kLargeur;
                for (std::size_t a = a0; a < a1 && a < c0 + kLargeur; ++a) {
                    noyau(d.Colonne(a), d.Bloc(c0), n, d.Signes(), v);
                    for (std::size_t j = 0; j < kLargeur; ++j) {
                        const std::size_t b = c0 + j;
                        if (b < a || b >= n) continue;
                        sortie(a + 1, b + 1) = v[j];
                        sortie(b + 1, a + 1) = v[j];
                    }
                }
            }
        });
        avancement.Faits(a1 - a0);
    }
}

// Computes the block of the first candidate a (0-based) into `bloc`.
template <typename T>
void BlocTriples(const Distances<T>& d, Noyau<T> noyau, Equipe& equipe, std::size_t a,
                 float* bloc) {
    const std::size_t n = d.n;
    TableTriples forme;
    forme.n = static_cast<std::int32_t>(n);
    const std::size_t debut = a / kLargeur * kLargeur;
    const std::size_t blocs = (n - debut + kLargeur - 1) / kLargeur;
    std::atomic<std::size_t> prochain{0};
    equipe.Execute([&](unsigned) {
        std::vector<T> m(n);
        float v[kLargeur];
        // The last blocks of third candidates have the most pairs (a, b): handed out first.
        for (std::size_t t; (t = prochain.fetch_add(1)) < blocs;) {
            const std::size_t c0 = debut + (blocs - 1 - t) * kLargeur;
            const std::size_t fin = std::min(n, c0 + kLargeur);
            for (std::size_t b = a; b < fin; ++b) {
                Paire(d, a, b, m.data());
                noyau(m.data(), d.Bloc(c0), n, d.Signes(), v);
                const std::int64_t ligne = forme.DansBloc(static_cast<std::int32_t>(a + 1),
                                                          static_cast<std::int32_t>(b + 1),
                                                          static_cast<std::int32_t>(b + 1));
                for (std::size_t c = std::max(b, c0); c < fin; ++c)
                    bloc[static_cast<std::size_t>(ligne) + (c - b)] = v[c - c0];
            }
        }
    });
}

template <typename T>
void Triples(EtatLocalisation& e, const RecepteurTriples& recepteur) {
    const Distances<T> d = Prepare<T>(e);
    const std::size_t n = d.n;
    if (n == 0) return;
    const Noyau<T> noyau = ChoixNoyau(d);
    Avancement avancement(e, std::is_same_v<T, double>);
    Equipe equipe(Equipe::TaillePour(static_cast<std::int64_t>(n)));
    std::vector<float> bloc(n * (n + 1) / 2);
    for (std::size_t a = 0; a < n; ++a) {
        BlocTriples(d, noyau, equipe, a, bloc.data());
        recepteur(static_cast<std::int32_t>(a + 1), bloc.data());
        avancement.Faits(1);
    }
}

// Seconds of one call of the kernel on the network's own values.
template <typename T>
double DureeNoyau(const EtatLocalisation& e) {
    using Horloge = std::chrono::steady_clock;
    const Distances<T> d = Prepare<T>(e);
    const Noyau<T> noyau = ChoixNoyau(d);
    std::vector<T> m(d.n);
    float v[kLargeur];
    const auto debut = Horloge::now();
    std::int64_t appels = 0;
    double ecoule = 0;
    do {
        Paire(d, static_cast<std::size_t>(appels) % d.n, 0, m.data());
        noyau(m.data(), d.Bloc(static_cast<std::size_t>(appels) % d.blocs * kLargeur), d.n,
              d.Signes(), v);
        ++appels;
        ecoule = std::chrono::duration<double>(Horloge::now() - debut).count();
    } while (ecoule < 0.02 && appels < 100000);
    return ecoule / static_cast<double>(appels);
}

void RemplitTriples(EtatLocalisation& e, bool efficacite) {
    TableTriples& t = e.MatLocalisation3;
    t = TableTriples{};
    VerifieMemoire(static_cast<std::uint64_t>(TableTriples::Nombre(e.NbNoeuds)) * sizeof(float),
                   "la table des triplets d'équipements");
    t.n = e.NbNoeuds;
    t.valeurs.assign(static_cast<std::size_t>(TableTriples::Nombre(t.n)), 0.0f);
    LocalisationTrois(e, efficacite, [&t](std::int32_t a, const float* bloc) {
        std::copy(bloc, bloc + t.TailleBloc(a), t.valeurs.begin() + t.DebutBloc(a));
    });
}

// One combination of the best ones, ordered by value and then by its candidates.
struct Combinaison {
    float valeur;
    std::int32_t a, b, c;
    bool operator<(const Combinaison& o) const {
        if (valeur != o.valeur) return valeur < o.valeur;
        if (a != o.a) return a < o.a;
        if (b != o.b) return b < o.b;
        return c < o.c;
    }
};

// Keeps the `taille` smallest combinations it is shown.
class Meilleures {
  public:
    explicit Meilleures(std::int64_t taille) : taille_(static_cast<std::size_t>(taille)) {}
    void Propose(const Combinaison& x) {
        if (taille_ == 0) return;
        if (tas_.size() < taille_) {
            tas_.push(x);
        } else if (x < tas_.top()) {
            tas_.pop();
            tas_.push(x);
        }
    }
    // Best first.
    std::vector<Combinaison> Liste() {
        std::vector<Combinaison> l;
        for (; !tas_.empty(); tas_.pop()) l.push_back(tas_.top());
        std::reverse(l.begin(), l.end());
        return l;
    }

  private:
    std::size_t taille_;
    std::priority_queue<Combinaison> tas_;
};

std::string Nombre(std::int64_t v) {
    std::string s = std::to_string(v), r;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (i > 0 && (s.size() - i) % 3 == 0) r += ' ';
        r += s[i];
    }
    return r;
}

std::string Duree(double secondes) {
    const auto s = static_cast<std::int64_t>(std::ceil(secondes));
    if (s < 60) return std::to_string(s) + " s";
    if (s < 3600) return std::to_string(s / 60) + " min " + std::to_string(s % 60) + " s";
    if (s < 86400) return std::to_string(s / 3600) + " h " + std::to_string(s % 3600 / 60) + " min";
    return std::to_string(s / 86400) + " j " + std::to_string(s % 86400 / 3600) + " h";
}

std::string Taille(double octets) {
    const char* unites[] = {"octets", "Ko", "Mo", "Go", "To"};
    int u = 0;
    while (octets >= 1024 && u < 4) {
        octets /= 1024;
        ++u;
    }
    std::string t =
        u == 0 ? std::to_string(static_cast<std::int64_t>(octets)) : Format(octets, "0.0");
    std::replace(t.begin(), t.end(), '.', ',');
    return t + " " + unites[u];
}

}  // namespace

void LocalisationDeuxEfficacite(EtatLocalisation& e) {
    LocalisationDeux<double>(e);
}
void LocalisationDeuxEquite(EtatLocalisation& e) {
    LocalisationDeux<float>(e);
}
void LocalisationTroisEfficacite(EtatLocalisation& e) {
    RemplitTriples(e, true);
}
void LocalisationTroisEquite(EtatLocalisation& e) {
    RemplitTriples(e, false);
}

void LocalisationTrois(EtatLocalisation& e, bool efficacite, const RecepteurTriples& recepteur) {
    efficacite ? Triples<double>(e, recepteur) : Triples<float>(e, recepteur);
}

EstimationLocalisation EstimeLocalisation(EtatLocalisation& e, int equipements, bool efficacite) {
    using Horloge = std::chrono::steady_clock;
    EstimationLocalisation r;
    const std::int64_t n = std::max(e.NbNoeuds, 0);
    if (n == 0 || (equipements != 2 && equipements != 3)) return r;
    r.combinaisons = equipements == 2 ? n * (n + 1) / 2 : TableTriples::Nombre(n);
    std::int64_t octetsNoms = 0;
    for (std::int64_t i = 1; i <= n; ++i)
        octetsNoms += static_cast<std::int64_t>(e.Noeuds[static_cast<std::size_t>(i)].Nom.size());
    // The names of a line: `equipements` names of the mean length, rounded up.
    r.octetsParLigne = OctetsLigneCombinaison(equipements, (octetsNoms * equipements + n - 1) / n);

    // The kernel on some blocks of the network's own distances.
    const double parAppel = efficacite ? DureeNoyau<double>(e) : DureeNoyau<float>(e);
    // Calls of the whole search: one per pair (a, b) and block of candidates c >= b (or per
    // first candidate and block for two facilities), the workers sharing them.
    const double blocs = static_cast<double>(n) / kLargeur + 1;
    const double total = equipements == 2 ? static_cast<double>(n) * blocs / 2
                                          : static_cast<double>(n) * n * blocs / 6;
    const unsigned membres = Equipe::TaillePour(n);
    r.secondesCalcul = parAppel * total / membres;

    // Formatting and writing some lines of the file.
    {
        const auto t0 = Horloge::now();
        std::string ligne;
        const int lignes = 2000;
        for (int i = 0; i < lignes; ++i) {
            ligne = Champ(static_cast<std::int64_t>(i % 1000), "0000") + " " +
                    Champ(static_cast<std::int64_t>(i % 999), "0000") + " " +
                    Champ(static_cast<float>(i) * 1234.567f, "000000000000000.0000") + " " +
                    e.Noeuds[static_cast<std::size_t>(1 + i % n)].Nom + " " +
                    e.Noeuds[static_cast<std::size_t>(1 + (i * 7) % n)].Nom;
        }
        const double t = std::chrono::duration<double>(Horloge::now() - t0).count();
        // The disk takes its share: some 200 MB a second.
        r.secondesParLigne = t / lignes + static_cast<double>(r.octetsParLigne) / 200e6;
    }
    return r;
}

std::string Localisation(EtatLocalisation& e, bool efficacite, const SeuilsLocalisation& seuils) {
    const int equipements = e.NbEquipements;
    if (equipements != 2 && equipements != 3) return "";
    const std::string chemin =
        CheminResultat(e, std::string("\\Loc") + (equipements == 2 ? "2" : "3") +
                              (efficacite ? "eff" : "eq") + ".dat");
    const EstimationLocalisation est = EstimeLocalisation(e, equipements, efficacite);
    std::uint64_t libre = static_cast<std::uint64_t>(-1);
    if (seuils.espaceLibre) {
        libre = *seuils.espaceLibre;
    } else {
        std::error_code ec;
        const auto s = std::filesystem::space(CheminDe(e, chemin).parent_path(), ec);
        if (!ec) libre = s.available;
    }
    const double octets = static_cast<double>(est.combinaisons) * est.octetsParLigne;
    const std::string probleme = "La localisation de " + std::to_string(equipements) +
                                 " équipements parmi " + Nombre(e.NbNoeuds) + " noeuds examine " +
                                 Nombre(est.combinaisons) + " combinaisons.\n";
    bool seulementMeilleures = false;
    if (octets > static_cast<double>(libre)) {
        const std::int64_t k = std::min(seuils.meilleures, est.combinaisons);
        std::string texte = probleme + "Le fichier " + CheminDe(e, chemin).generic_string() +
                            " occuperait environ " + Taille(octets) +
                            ", mais le disque du répertoire des résultats n'a que " +
                            Taille(static_cast<double>(libre)) + " de libre.\n";
        const double duree = est.Secondes(k);
        if (duree > seuils.secondesSansQuestion)
            texte += "Durée estimée du calcul : " + Duree(duree) + ".\n";
        texte += "\nVoulez-vous n'écrire que les " + Nombre(k) +
                 " meilleures combinaisons, la meilleure en premier ?";
        if (e.Ihm.Message(texte, Boutons::OuiNon, Icone::Question, kTitre) != Reponse::Oui)
            return "";
        seulementMeilleures = true;
    } else {
        const double duree = est.Secondes(est.combinaisons);
        if (duree > seuils.secondesSansQuestion) {
            const std::string texte = probleme +
                                      "Durée estimée du calcul et de l'écriture : " + Duree(duree) +
                                      ".\nTaille estimée du fichier " + chemin + " : " +
                                      Taille(octets) + ".\n\nVoulez-vous continuer ?";
            if (e.Ihm.Message(texte, Boutons::OuiNon, Icone::Question, kTitre) != Reponse::Oui)
                return "";
        }
    }

    if (equipements == 2) {
        efficacite ? LocalisationDeux<double>(e) : LocalisationDeux<float>(e);
        if (!seulementMeilleures) {
            EcritureMatriceChemins(e, chemin, DispositionMatrice::Localisation2);
            return chemin;
        }
        Meilleures meilleures(seuils.meilleures);
        for (std::int32_t a = 1; a <= e.NbNoeuds; ++a)
            for (std::int32_t b = a; b <= e.NbNoeuds; ++b)
                meilleures.Propose({e.MatLocalisation2(a, b), a, b, 0});
        EcrivainCombinaisons f(e, chemin);
        for (const Combinaison& x : meilleures.Liste()) f.Paire(x.a, x.b, x.valeur);
        f.Ferme();
        return chemin;
    }

    // Three facilities: the values are written (or sifted) as each block comes.
    e.MatLocalisation3 = TableTriples{};
    e.MatLocalisation3.n = e.NbNoeuds;
    TableTriples forme;
    forme.n = e.NbNoeuds;
    if (seulementMeilleures) {
        Meilleures meilleures(seuils.meilleures);
        LocalisationTrois(e, efficacite, [&](std::int32_t a, const float* bloc) {
            const float* v = bloc;
            for (std::int32_t b = a; b <= forme.n; ++b)
                for (std::int32_t c = b; c <= forme.n; ++c, ++v) meilleures.Propose({*v, a, b, c});
        });
        EcrivainCombinaisons f(e, chemin);
        for (const Combinaison& x : meilleures.Liste()) f.Triple(x.a, x.b, x.c, x.valeur);
        f.Ferme();
        return chemin;
    }
    EcrivainCombinaisons f(e, chemin);
    LocalisationTrois(e, efficacite, [&](std::int32_t a, const float* bloc) {
        const float* v = bloc;
        for (std::int32_t b = a; b <= forme.n; ++b)
            for (std::int32_t c = b; c <= forme.n; ++c, ++v) f.Triple(a, b, c, *v);
    });
    f.Ferme();
    return chemin;
}

}  // namespace vek
