#include "flows/Debits.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "flows/EtatFlux.h"
#include "network/Mode.h"
#include "paths/MatriceArcsMin.h"
#include "shell/Fichiers.h"
#include "shell/Format.h"
#include "shell/Texte.h"

namespace vek {

namespace {

constexpr int kFerry = 2;
constexpr float kTempsFerry = 15;  // minutes of boarding added to every ferry crossing

// A row of the speed-flow law: the factor of every r up to the bound.
struct Palier {
    double borne;
    float facteur;
};

// The three classes of road, each with its five bounds, then the factor beyond the last.
struct Classe {
    int modes[3];
    Palier paliers[5];
    float auDela;
};

const Classe kClasses[] = {
    {{6, 61, 63},
     {{0.318, 0.86f}, {0.509, 0.81f}, {0.747, 0.77f}, {0.916, 0.66f}, {1, 0.43f}},
     0.33f},
    {{62, 74, 75}, {{0.25, 0.90f}, {0.49, 0.70f}, {0.6, 0.50f}, {0.8, 0.40f}, {1, 0.30f}}, 0.24f},
    {{7, 71, 72}, {{0.25, 0.92f}, {0.4, 0.83f}, {0.6, 0.75f}, {0.8, 0.67f}, {1, 0.54f}}, 0.33f},
};

bool Parmi(int mode, std::initializer_list<int> modes) {
    for (int m : modes)
        if (m == mode) return true;
    return false;
}

// The percentage of the daily traffic of a mode's class of road; nothing outside the classes.
const float* PourcentageDe(const EtatFlux& e, int mode) {
    if (Parmi(mode, {6, 61})) return &e.PourcAutoroutes;
    if (Parmi(mode, {62, 63, 74, 75})) return &e.PourcUrbain;
    if (Parmi(mode, {7, 71, 72})) return &e.PourcAutres;
    return nullptr;
}

// Keeps every arc's values as read, the first time they are about to change.
void GardeTout(EtatFlux& e) {
    for (std::int32_t a = 1; a <= e.NbArcs; ++a)
        GardeValeursLues(e.Arcs[static_cast<std::size_t>(a)]);
}

// The arcs carrying a flow (`lus`: the flow as read) on a mode without capacity whose record
// gives none: one message names them all. True when there is none.
bool VerifieCapacites(EtatFlux& e, bool lus) {
    std::vector<std::int32_t> fautifs;
    for (std::int32_t a = 1; a <= e.NbArcs; ++a) {
        const Arc& arc = e.Arcs[static_cast<std::size_t>(a)];
        const std::int32_t debit = lus && arc.ValeursGardees ? arc.DebitLu : arc.Debit;
        if (debit == 0 || EstModeHoraire(arc.Mode)) continue;
        if (arc.CapaciteHoraire == 0 && CapaciteParMode(arc.Mode) == 0) fautifs.push_back(a);
    }
    if (fautifs.empty()) return true;
    constexpr std::size_t kLignesMontrees = 20;
    std::string texte;
    for (std::size_t k = 0; k < fautifs.size() && k < kLignesMontrees; ++k)
        texte += (k ? "\n" : "") + std::string("Erreur fichier ligne") + Str(fautifs[k]) +
                 " : débit non autorisé pour ce mode, veuillez le supprimer";
    if (fautifs.size() > kLignesMontrees)
        texte += "\n(et " +
                 TexteNombre(static_cast<std::int64_t>(fautifs.size() - kLignesMontrees)) +
                 " autres arcs)";
    texte += "\nAucun temps n'a été modifié.";
    e.Ihm.Message(texte, Boutons::Ok, Icone::Exclamation, kTitreVek);
    return false;
}

// What follows a run: the valuation rebuilt on the new times, the congestion commands open.
void Termine(EtatFlux& e) {
    CalculMatriceArcsMin(e);
    e.Menus.Active("mencongglob");
    e.Menus.Active("menCongLoc");
}

}  // namespace

std::int32_t CapaciteParMode(int mode) {
    if (Parmi(mode, {6, 61, 63})) return 1800;
    if (Parmi(mode, {62, 7, 74})) return 1250;
    if (Parmi(mode, {71, 72, 75})) return 1000;
    return 0;
}

std::optional<float> LoiDebitVitesse(int mode, double r) {
    for (const Classe& c : kClasses) {
        if (!Parmi(mode, {c.modes[0], c.modes[1], c.modes[2]})) continue;
        for (const Palier& p : c.paliers)
            if (r <= p.borne) return p.facteur;
        return c.auDela;
    }
    return std::nullopt;
}

std::int32_t DebitDeLHeure(std::int32_t debitJournalier, float pourcentage) {
    const double d = std::nearbyint(static_cast<double>(pourcentage) * debitJournalier / 100.0);
    // The percentages are bounded by the dialog; a value no Long holds stays the flow read.
    if (!(std::fabs(d) <= std::numeric_limits<std::int32_t>::max())) return debitJournalier;
    return static_cast<std::int32_t>(d);
}

void ConvertitDebitsJournaliers(EtatFlux& e) {
    GardeTout(e);
    for (std::int32_t a = 1; a <= e.NbArcs; ++a) {
        Arc& arc = e.Arcs[static_cast<std::size_t>(a)];
        const float* pourcentage = PourcentageDe(e, arc.Mode);
        arc.Debit = pourcentage ? DebitDeLHeure(arc.DebitLu, *pourcentage) : arc.DebitLu;
    }
}

std::optional<float> TempsLibre(const Arc& a) {
    if (a.VitesseMax <= 0 || EstModeHoraire(a.Mode)) return std::nullopt;
    return static_cast<float>(static_cast<double>(a.Distance) * 60.0 /
                              static_cast<double>(a.VitesseMax));
}

std::int64_t TempsLibres(EtatFlux& e) {
    std::int64_t sans = 0;
    for (std::int32_t a = 1; a <= e.NbArcs; ++a) {
        Arc& arc = e.Arcs[static_cast<std::size_t>(a)];
        if (EstModeHoraire(arc.Mode)) continue;
        GardeValeursLues(arc);
        const std::optional<float> libre = TempsLibre(arc);
        if (!libre) ++sans;
        arc.TempsHorsConnexion = libre ? *libre : arc.TempsLu;
        RecomposeTemps(arc);
    }
    return sans;
}

namespace {

// The speeds and times from the flows, every arc kept and checked.
void Applique(EtatFlux& e, bool tempsLibres) {
    std::int64_t horsClasse = 0, sansVitesseMax = 0;
    for (std::int32_t a = 1; a <= e.NbArcs; ++a) {
        Arc& arc = e.Arcs[static_cast<std::size_t>(a)];
        if (EstModeHoraire(arc.Mode)) continue;
        arc.Vitesse = arc.VitesseLue;
        const std::optional<float> libre = tempsLibres ? TempsLibre(arc) : std::nullopt;
        float temps = libre ? *libre : arc.TempsLu;
        if (arc.Debit != 0) {
            e.Capacite = static_cast<float>(arc.CapaciteHoraire != 0 ? arc.CapaciteHoraire
                                                                     : CapaciteParMode(arc.Mode));
            const double r = static_cast<double>(arc.Debit) / static_cast<double>(e.Capacite);
            const std::optional<float> facteur = LoiDebitVitesse(arc.Mode, r);
            if (!facteur) {
                ++horsClasse;  // no law for its road: its speed and time stay
            } else if (arc.VitesseMax <= 0) {
                ++sansVitesseMax;  // no free-flow speed to scale: its time stays
            } else {
                e.FacteurVitesse = *facteur;
                arc.Vitesse = static_cast<float>(arc.VitesseMax) * e.FacteurVitesse;
                temps = static_cast<float>(static_cast<double>(arc.Distance) * 60.0 /
                                           static_cast<double>(arc.Vitesse));
            }
        }
        if (arc.Mode == kFerry) temps += kTempsFerry;
        arc.TempsHorsConnexion = temps;
        RecomposeTemps(arc);
    }
    std::string notes;
    if (horsClasse)
        notes += TexteNombre(horsClasse) +
                 " arc(s) avec un débit sur un mode sans loi débit-vitesse : temps inchangé.";
    if (sansVitesseMax)
        notes += std::string(notes.empty() ? "" : "\n") + TexteNombre(sansVitesseMax) +
                 " arc(s) avec un débit sur un mode sans vitesse maximale (VMax) : temps "
                 "inchangé.";
    if (!notes.empty()) e.Ihm.Message(notes, Boutons::Ok, Icone::Information, kTitreVek);
}

}  // namespace

bool AppliqueDebits(EtatFlux& e, bool tempsLibres) {
    GardeTout(e);
    if (!VerifieCapacites(e, false)) return false;
    Applique(e, tempsLibres);
    return true;
}

Dialogue DialogueDebits(EtatFlux& e, bool& valide) {
    struct Champ {
        const char* nom;
        const char* legende;
        float TablesFlux::*pourcentage;
    };
    static const Champ kChamps[] = {
        {"PourcAVExp", "Autoroutes et voies express", &TablesFlux::PourcAutoroutes},
        {"PourcRVUrb", "Rocades et voiries urbaines", &TablesFlux::PourcUrbain},
        {"PourcAutres", "Autres routes", &TablesFlux::PourcAutres},
    };
    valide = false;
    Dialogue d;
    d.nom = "Débits";
    d.legende = "Débits";
    d.Ajoute(TypeControle::Cadre, "Pourcentages", "Pourcentages");
    d.Ajoute(TypeControle::Etiquette, "Consigne",
             "Entrez par types de routes la proportion de trafic journalier correspondant à la "
             "tranche horaire retenue (ex : 5.5)",
             "Pourcentages");
    for (const Champ& c : kChamps)
        d.Ajoute(TypeControle::Texte, c.nom, c.legende, "Pourcentages").texte =
            Str(e.*c.pourcentage);
    d.Ajoute(TypeControle::Bouton, "DebOk", "OK").action = [&e, &valide](Dialogue& dlg) {
        // A share of the daily traffic: a number from 0 to 100, all three before any is kept.
        float lus[3];
        for (std::size_t k = 0; k < 3; ++k) {
            const Champ& c = kChamps[k];
            const std::optional<double> v = LitNombre(dlg[c.nom].texte);
            if (!v || !(*v >= 0 && *v <= 100)) {
                e.Ihm.Message("Le pourcentage « " + std::string(c.legende) +
                                  " » doit être un nombre de 0 à 100 : " + dlg[c.nom].texte,
                              Boutons::Ok, Icone::Exclamation, "Débits");
                return;
            }
            lus[k] = static_cast<float>(*v);
        }
        for (std::size_t k = 0; k < 3; ++k) e.*kChamps[k].pourcentage = lus[k];
        valide = true;
        dlg.Ferme();
    };
    d.Ajoute(TypeControle::Bouton, "DebAnnule", "Annuler").action = [](Dialogue& dlg) {
        dlg.Ferme();
    };
    d.boutonAnnulation = "DebAnnule";
    return d;
}

void menDébitsHoraires(EtatFlux& e) {
    Sablier sablier(e.Ihm);
    GardeTout(e);
    if (!VerifieCapacites(e, true)) return;
    for (std::int32_t a = 1; a <= e.NbArcs; ++a) {
        Arc& arc = e.Arcs[static_cast<std::size_t>(a)];
        arc.Debit = arc.DebitLu;
    }
    e.DebitsHoraires = true;
    Applique(e, false);
    Termine(e);
}

void menDébitsJournaliers(EtatFlux& e) {
    bool valide = false;
    Dialogue d = DialogueDebits(e, valide);
    e.Ihm.MontreDialogue(d, true);
    if (!valide) return;
    Sablier sablier(e.Ihm);
    GardeTout(e);
    if (!VerifieCapacites(e, true)) return;
    ConvertitDebitsJournaliers(e);
    Applique(e, false);
    Termine(e);
}

}  // namespace vek
