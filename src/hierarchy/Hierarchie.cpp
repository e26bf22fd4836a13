#include "hierarchy/Hierarchie.h"

#include <cmath>
#include <string>
#include <vector>

#include "flows/HierarchieSuppression.h"
#include "hierarchy/EtatHierarchie.h"
#include "network/ListeCouples.h"
#include "network/ValeursNoeuds.h"
#include "shell/Fichiers.h"
#include "shell/Format.h"
#include "shell/Progression.h"

namespace vek {

namespace {

constexpr double kSecondesSansQuestion = 60;

std::string Duree(double secondes) {
    const auto s = static_cast<std::int64_t>(std::ceil(std::max(secondes, 1.0)));
    if (s < 60) return TexteNombre(s) + " s";
    if (s < 3600) return TexteNombre(s / 60) + " min " + TexteNombre(s % 60) + " s";
    return TexteNombre(s / 3600) + " h " + TexteNombre(s / 60 % 60) + " min";
}

// The engine on the working network, or nothing (said) when the hierarchy cannot be made or
// would mean nothing.
std::unique_ptr<HierarchieSuppression> Prepare(EtatHierarchie& e) {
    if (e.Valuation == "Horaires" || e.Valuation == "JoursEtHeures") {
        e.Ihm.Message(
            "La hiérarchisation par suppression ne se calcule pas sur les horaires de "
            "circulation (elle demanderait une heure de départ pour chaque arc supprimé) : "
            "choisissez la valuation par les temps ou par les distances.",
            Boutons::Ok, Icone::Exclamation, kTitreVek);
        return nullptr;
    }
    if (e.NbNoeuds < 2) {
        e.Ihm.Message("Le réseau compte moins de deux noeuds : rien à hiérarchiser.", Boutons::Ok,
                      Icone::Exclamation, kTitreVek);
        return nullptr;
    }
    Sablier sablier(e.Ihm);
    auto h = std::make_unique<HierarchieSuppression>(e);
    if (!h->Calculable()) {
        e.Ihm.Message(
            "La hiérarchisation par suppression se calcule sous la valuation par les "
            "temps ou par les distances, pas sous la valuation « " +
                e.Valuation + " ».",
            Boutons::Ok, Icone::Exclamation, kTitreVek);
        return nullptr;
    }
    if (h->S0() == 0) {
        e.Ihm.Message(
            "Des paires de noeuds du réseau n'ont aucun chemin : la somme des chemins minimaux "
            "est nulle et la hiérarchisation n'aurait pas de sens. Rendez le réseau connexe "
            "(Tester la validité des fichiers) avant de la lancer.",
            Boutons::Ok, Icone::Exclamation, kTitreVek);
        return nullptr;
    }
    return h;
}

// Says a long estimate and asks whether to go on; true to go on.
bool Accepte(EtatHierarchie& e, double secondes, const std::string& quoi) {
    if (secondes <= kSecondesSansQuestion) return true;
    return e.Ihm.Message("La hiérarchisation " + quoi + " prendra environ " + Duree(secondes) +
                             ". La lancer ?",
                         Boutons::OuiNon, Icone::Question, kTitreVek) == Reponse::Oui;
}

// The progress of the engine in the timed window, which shows the elapsed and estimated times.
std::function<bool(std::int64_t, std::int64_t)> Progression(EtatHierarchie& e,
                                                            const std::string& texte) {
    OuvreTempsDeCalcul(e, texte);
    return [&e, texte](std::int64_t fait, std::int64_t total) {
        std::int64_t courant = fait;
        AfficheTempsDeCalcul(e, total, courant, texte);
        return true;
    };
}

}  // namespace

Dialogue DialogueCritOptArcs(bool& valide) {
    valide = false;
    Dialogue d;
    d.nom = "CritOptArcs";
    d.legende = "Critères d'optimisation pour la hiérarchisation";
    d.Ajoute(TypeControle::Cadre, "ChoixCritère", "Choisissez votre critère d'optimisation");
    d.Ajoute(TypeControle::Option, "SomCheMin",
             "Somme des chemins minimaux (en km ou min selon la valuation choisie)", "ChoixCritère")
        .coche = true;
    d.Ajoute(TypeControle::Bouton, "CritOptOk", "OK").action = [&valide](Dialogue& dlg) {
        valide = true;
        dlg.Ferme();
    };
    d.Ajoute(TypeControle::Bouton, "CritAnnule", "Annuler").action = [](Dialogue& dlg) {
        dlg.Ferme();
    };
    d.boutonAnnulation = "CritAnnule";
    return d;
}

bool HierarchieArcs(EtatHierarchie& e) {
    const auto h = Prepare(e);
    if (!h) return false;
    if (!Accepte(e, h->EstimationArcs(), "des arcs")) return false;
    const std::vector<double> sommes =
        h->SansChaqueArc(Progression(e, "Calcul Hiérarchie Arcs..."));
    FermeProgressions(e);
    if (sommes.size() != static_cast<std::size_t>(e.NbArcs) + 1) return false;
    const double s0 = h->S0();
    std::vector<Couple> couples;
    for (std::int32_t a = 1; a <= e.NbArcs; ++a) {
        const Arc& arc = e.Arcs[static_cast<std::size_t>(a)];
        if (arc.IndiceOrigine < 1 || arc.IndiceOrigine > e.NbNoeuds || arc.IndiceDestination < 1 ||
            arc.IndiceDestination > e.NbNoeuds)
            continue;  // an arc no node holds is in no path
        couples.push_back(
            {arc.IndiceOrigine, arc.IndiceDestination, sommes[static_cast<std::size_t>(a)] - s0});
    }
    DimensionneListeCouples(e, static_cast<std::int32_t>(couples.size()));
    std::copy(couples.begin(), couples.end(), e.ListeCouples.begin() + 1);
    e.NomFichierResultat = CheminResultat(e, "\\ArcVal.dat");
    EcritureListeCouples(e, e.NomFichierResultat);
    OuvreDansEditeur(e, e.NomFichierResultat);
    return true;
}

bool HierarchieNoeuds(EtatHierarchie& e) {
    const auto h = Prepare(e);
    if (!h) return false;
    if (!Accepte(e, h->EstimationNoeuds(), "des noeuds")) return false;
    e.NbNoeudsInitial = e.NbNoeuds;
    const std::vector<double> sommes =
        h->SansChaqueNoeud(Progression(e, "Calcul Hiérarchie Noeuds..."));
    FermeProgressions(e);
    if (sommes.size() != static_cast<std::size_t>(e.NbNoeudsInitial) + 1) return false;
    e.ValeursNoeuds.assign(sommes.begin(), sommes.end());
    e.ValeursNoeuds[0] = 0;
    e.NomFichierResultat = CheminResultat(e, "\\NoeudVal.dat");
    EcritureValeursNoeuds(e, e.NomFichierResultat);
    OuvreDansEditeur(e, e.NomFichierResultat);
    return true;
}

void menDestructionRes(EtatHierarchie& e) {
    bool valide = false;
    Dialogue d = DialogueCritOptArcs(valide);
    e.Ihm.MontreDialogue(d, true);
    if (valide) HierarchieArcs(e);
}

void menHiérarchNoeuds(EtatHierarchie& e) {
    bool valide = false;
    Dialogue d = DialogueCritOptArcs(valide);
    e.Ihm.MontreDialogue(d, true);
    if (valide) HierarchieNoeuds(e);
}

}  // namespace vek
