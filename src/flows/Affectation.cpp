#include "flows/Affectation.h"

#include <algorithm>
#include <unordered_map>

#include "flows/EtatFlux.h"
#include "paths/Floyd.h"
#include "paths/Traces.h"
#include "shell/Fichiers.h"
#include "shell/Progression.h"

namespace vek {

namespace {

std::int64_t Cle(std::int32_t a, std::int32_t b) {
    return static_cast<std::int64_t>(std::min(a, b)) << 32 |
           static_cast<std::uint32_t>(std::max(a, b));
}

// The index of the links, built again when the list changed behind it.
void Indexe(EtatFlux& e) {
    if (e.IndexCouplesNb == e.NbCouples) return;
    e.IndexCouples.clear();
    for (std::int32_t p = e.NbCouples; p >= 1; --p) {
        const Couple& c = e.ListeCouples[static_cast<std::size_t>(p)];
        e.IndexCouples[Cle(c.I, c.J)] = p;  // the first entry of a link wins
    }
    e.IndexCouplesNb = e.NbCouples;
}

void Vide(EtatFlux& e) {
    e.ListeCouples.assign(1, Couple{});
    e.NbCouples = 0;
    e.IndexCouples.clear();
    e.IndexCouplesNb = 0;
}

void CheminsDepuis(EtatFlux& e, std::int32_t i) {
    const std::int64_t code = e.Noeuds[static_cast<std::size_t>(i)].Code;
    for (std::int32_t j = 1; j <= e.NbNoeuds; ++j) {
        if (e.Noeuds[static_cast<std::size_t>(j)].Code == code) continue;
        const std::vector<std::int32_t> chemin = TraceChemin(e, i, j);
        for (std::size_t k = 0; k + 1 < chemin.size(); ++k)
            AjouteCouple(e, chemin[k + 1], chemin[k], 1, "Ajoute");
    }
}

}  // namespace

void AjouteCouple(EtatFlux& e, std::int32_t a, std::int32_t b, double valeur,
                  const std::string& action) {
    if (e.ListeCouples.empty()) e.ListeCouples.assign(1, Couple{});
    Indexe(e);
    auto p = e.IndexCouples.find(Cle(a, b));
    if (p != e.IndexCouples.end()) {
        Couple& c = e.ListeCouples[static_cast<std::size_t>(p->second)];
        if (action == "Ajoute")
            c.Valeur += valeur;
        else if (action == "Remplace")
            c.Valeur = valeur;
        return;
    }
    e.ListeCouples.resize(static_cast<std::size_t>(e.NbCouples) + 1);
    e.ListeCouples.push_back(Couple{a, b, valeur});
    ++e.NbCouples;
    e.IndexCouples.emplace(Cle(a, b), e.NbCouples);
    e.IndexCouplesNb = e.NbCouples;
}

bool Affectation(EtatFlux& e) {
    if (!VerifieTracesCourantes(e)) return false;
    if (e.MatAttractions.Lignes() != static_cast<std::size_t>(e.NbNoeuds) + 1 ||
        e.AttractionsReseau != e.CheminsMinReseau) {
        e.Ihm.Message(
            "Les attractions ne correspondent pas aux plus courts chemins en cours : "
            "lancez d'abord le modèle gravitaire (Attractions, Démarrage).",
            Boutons::Ok, Icone::Exclamation, kTitreVek);
        return false;
    }
    e.FluxAffectes.Dimensionne(static_cast<std::size_t>(e.NbNoeuds), 0.0f);
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i) {
        AfficheProgression(e, e.NbNoeuds, i, "Affectation...");
        for (std::int32_t j = 1; j <= e.NbNoeuds; ++j) {
            if (j == i) continue;
            const double a =
                e.MatAttractions(static_cast<std::size_t>(i), static_cast<std::size_t>(j));
            if (a == 0) continue;
            const std::vector<std::int32_t> chemin = TraceChemin(e, i, j);
            for (std::size_t k = 0; k + 1 < chemin.size(); ++k) {
                float& f = e.FluxAffectes(static_cast<std::size_t>(chemin[k]),
                                          static_cast<std::size_t>(chemin[k + 1]));
                f = static_cast<float>(f + a);
            }
        }
    }
    e.Menus.Active("menEdition");
    return true;
}

void NombreCheminsParArc(EtatFlux& e) {
    Vide(e);
    if (!VerifieTracesCourantes(e)) return;
    for (std::int32_t i = 1; i <= e.NbNoeuds; ++i) {
        AfficheProgression(e, e.NbNoeuds, i, "Calcul du nombre de chemins par arc...");
        CheminsDepuis(e, i);
    }
}

void NombreCheminsParArcOrigine(EtatFlux& e, std::int32_t origine) {
    Vide(e);
    if (origine < 1 || origine > e.NbNoeuds || !VerifieTracesCourantes(e)) return;
    AfficheProgression(e, 1, 1, "Calcul du nombre de chemins par arc...");
    CheminsDepuis(e, origine);
}

void menDémarrage(EtatFlux& e) {
    Sablier sablier(e.Ihm);
    Affectation(e);
}

}  // namespace vek
