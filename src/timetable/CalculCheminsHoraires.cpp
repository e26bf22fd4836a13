#include "timetable/CalculCheminsHoraires.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <optional>
#include <stdexcept>

#include "network/Temps.h"
#include "network/ValeursNoeuds.h"
#include "paths/Floyd.h"
#include "shell/Fichiers.h"
#include "shell/Format.h"
#include "shell/Port.h"
#include "shell/Progression.h"
#include "shell/Texte.h"
#include "timetable/BalayageConnexions.h"
#include "timetable/EtatHoraires.h"
#include "timetable/FichiersHoraires.h"
#include "timetable/FloydHoraires.h"
#include "timetable/MatriceArcsMinHoraires.h"
#include "timetable/ModesHoraires.h"
#include "timetable/PreparationHoraires.h"

namespace vek {

namespace {

constexpr const char* kExemple = " (ex: 0920 pour 9 h. 20 min.)";

// Reads hhmm digits: minutes, or -1. Hours up to `heuresMax`, minutes below 60.
int LitHeure(const std::string& texte, int heuresMax) {
    std::size_t debut = 0, fin = texte.size();
    while (debut < fin && std::isspace(static_cast<unsigned char>(texte[debut]))) ++debut;
    while (fin > debut && std::isspace(static_cast<unsigned char>(texte[fin - 1]))) --fin;
    if (debut == fin || fin - debut > 4) return -1;
    int hhmm = 0;
    for (std::size_t k = debut; k < fin; ++k) {
        if (!std::isdigit(static_cast<unsigned char>(texte[k]))) return -1;
        hhmm = hhmm * 10 + (texte[k] - '0');
    }
    if (hhmm % 100 >= 60 || hhmm / 100 > heuresMax) return -1;
    return hhmm / 100 * 60 + hhmm % 100;
}

std::string Hhmm(double minutes) {
    return Format(MinutesEnHeuresMinutes(minutes), "0000");
}

// One prompt, asked again until its answer is a time the command accepts; nothing when it is
// cancelled.
std::optional<int> DemandeHeure(EtatHoraires& e, const std::string& invite,
                                const std::string& titre, double defaut, int heuresMax,
                                int minimum = 0, int maximum = std::numeric_limits<int>::max()) {
    for (;;) {
        auto r = e.Ihm.Saisie(invite, titre, Hhmm(defaut));
        if (!r) return std::nullopt;
        int m = LitHeure(*r, heuresMax);
        if (m < 0) {
            e.Ihm.Message("« " + *r +
                              " » n'est pas une heure en heures-minutes : entrez de une à quatre "
                              "chiffres, les minutes sous 60 (ex: 0920 pour 9 h. 20 min.).",
                          Boutons::Ok, Icone::Exclamation, titre);
            continue;
        }
        // An end earlier than the start is taken on the next day.
        if (m < minimum && m + kMinutesParJour <= maximum) m += kMinutesParJour;
        if (m < minimum || m > maximum) {
            e.Ihm.Message("L'heure de fin doit suivre l'heure de départ (" + Hhmm(minimum) +
                              ") d'au plus 24 heures.",
                          Boutons::Ok, Icone::Exclamation, titre);
            continue;
        }
        return m;
    }
}

// The times of the computation, asked or kept; false when a prompt was cancelled.
bool Heures(EtatHoraires& e, bool interactif) {
    float debut = e.HeureDebut, fin = e.HeureFin;
    std::int32_t depart = 0;
    if (e.ContrainteArrivee && !e.TempsMinimauxIntervalle) {
        if (interactif) {
            auto h = DemandeHeure(
                e, std::string("Entrez l'heure d'arrivée en heures-minutes") + kExemple, "Départ",
                fin, 23);
            if (!h) return false;
            fin = static_cast<float>(*h);
        }
        debut = 0;
        depart = static_cast<std::int32_t>(fin);
    } else {
        if (interactif) {
            auto h = DemandeHeure(
                e, std::string("Entrez votre heure de départ en heures-minutes") + kExemple,
                "Départ", debut, 23);
            if (!h) return false;
            debut = static_cast<float>(*h);
        }
        depart = static_cast<std::int32_t>(debut);
        if (!e.ContrainteDepart) {
            if (interactif) {
                auto h = DemandeHeure(e, "Entrez l'heure de fin de traitement", "Fin de traitement",
                                      debut, 47, static_cast<int>(debut),
                                      static_cast<int>(debut) + kMinutesParJour);
                if (!h) return false;
                fin = static_cast<float>(*h);
            }
            fin = std::clamp(fin, debut, debut + static_cast<float>(kMinutesParJour));
        } else {
            fin = debut;
        }
    }
    e.HeureDebut = debut;
    e.HeureFin = fin;
    e.HeureDepart = depart;
    return true;
}

// Appends or rewrites the record of (i, j) for the journey b.
void Retient(EtatHoraires& e, std::int32_t i, std::int32_t j, const Trajet& b) {
    IndexChem& x = e.ChemParPaire;
    for (std::int32_t p = x.Tete(i, j); p != 0; p = x.suivant[static_cast<std::size_t>(p)]) {
        ConnexionChem& c = e.Chem[static_cast<std::size_t>(p)];
        if (c.Arrivee != b.Arrivee) continue;
        c.Depart = b.Depart;
        c.Mode = b.Mode;
        c.Valeur = b.Valeur;
        c.Attente = b.Attente;
        c.Mission1 = b.MissionPremiere;
        c.Mission2 = b.MissionDerniere;
        return;
    }
    if (e.NbChem >= std::numeric_limits<std::int32_t>::max())
        throw std::length_error("trop de correspondances pour le tableau Chem");
    ConnexionChem c;
    c.Origine = i;
    c.Destination = j;
    c.Valeur = b.Valeur;
    c.Depart = b.Depart;
    c.Arrivee = b.Arrivee;
    c.Attente = b.Attente;
    c.Mission1 = b.MissionPremiere;
    c.Mission2 = b.MissionDerniere;
    c.Mode = b.Mode;
    e.Chem.push_back(c);
    e.NbChem = static_cast<std::int64_t>(e.Chem.size()) - 1;
    x.suivant.push_back(x.Tete(i, j));
    x.Tete(i, j) = static_cast<std::int32_t>(e.NbChem);
}

void RemplitTableauChem(EtatHoraires& e, bool arrivee) {
    const TrajetsHoraires& T = e.CheMin;
    const std::int32_t n = T.Noeuds();
    if (e.ChemParPaire.n != n) e.ChemParPaire.Dimensionne(n);
    const std::int32_t h = e.HeureDepart;
    for (std::int32_t i = 1; i <= n; ++i) {
        AfficheProgression(e, n, i, "remplis le tableau Chem...");
        for (std::int32_t j = 1; j <= n; ++j) {
            if (!T.Existe(i, j)) continue;
            const Trajet& b = T.Meilleur(i, j);
            if (!((arrivee ? b.Arrivee : b.Depart) <= h && b.Valeur != 0 &&
                  EstModeHoraireOuCombine(b.Mode)))
                continue;
            Retient(e, i, j, b);
        }
    }
}

// The progress of a sweep through its interval, at the reference time h.
void Avancement(EtatHoraires& e, std::int32_t debut, std::int32_t h, const std::string& texte) {
    const double etendue = std::max(1.0, static_cast<double>(e.HeureFin) - debut + 1);
    const auto pour1000 = static_cast<std::int64_t>(1000 * (h - debut + 1) / etendue);
    AfficheProgression(e, 1000, std::clamp<std::int64_t>(pour1000, 1, 999),
                       texte + Hhmm(h) + "...");
}

// The departure sweep as one profile: at each reference time h, the journeys leaving by the
// next one (ChercheProchainDepart's) are kept in Chem, exactly as the preparation, the scan and
// RemplitTableauChemDepart give them; then the journeys of the last reference time are made
// for the copy and the outputs.
void BalayageDepart(EtatHoraires& e) {
    const ProfilHoraire profil(e, false);
    e.ChemParPaire.Dimensionne(e.NbNoeuds);
    const std::int32_t debut = e.HeureDepart;
    std::int32_t h = debut, suivante = debut;
    for (;;) {
        const std::int32_t d = profil.ProchainDepart(h);
        suivante = d - 1 == h ? d : d - 1;
        Avancement(e, debut, h, "Balayage des départs de ");
        profil.Trajets(h, suivante, [&](std::int32_t i, std::int32_t j, const Trajet& b) {
            Retient(e, i, j, b);
        });
        if (suivante >= e.HeureFin) break;
        h = suivante;
    }
    FermeProgressions(e);
    e.HeureDepart = h;
    PreparationFloydHorairesDepart(e);
    FloydHorairesDepart(e);
    e.HeureDepart = suivante;
}

// The arrival sweep as one profile: at each arrival time of the interval, the journeys
// arriving by it kept in Chem, exactly as the preparation, the scan and
// RemplitTableauChemArrivee give them. The arrivals at the end of the interval belong to it.
void BalayageArrivee(EtatHoraires& e) {
    ProfilHoraire profil(e, true);
    e.ChemParPaire.Dimensionne(e.NbNoeuds);
    const std::int32_t debut = e.HeureDepart;
    std::int32_t h = debut;
    for (bool premier = true;; premier = false) {
        Avancement(e, debut, h, "Balayage des arrivées de ");
        profil.Arrivees(h, premier, [&](std::int32_t i, std::int32_t j, const Trajet& b) {
            Retient(e, i, j, b);
        });
        const std::int32_t a = profil.ProchainDepart(h);
        e.HeureDepart = a == kAucunTrajet ? kAucunTrajet - 1 : a;
        if (e.HeureDepart > e.HeureFin) break;
        h = e.HeureDepart;
    }
    FermeProgressions(e);
}

}  // namespace

int HeureSaisie(const std::string& texte) {
    return LitHeure(texte, 23);
}

void ChercheProchainDepart(EtatHoraires& e) {
    const TrajetsHoraires& T = e.CheMin;
    const std::int32_t h = e.HeureDepart;
    const bool arrivee = e.ContrainteArrivee;
    std::int32_t meilleur = kAucunTrajet;
    const std::int32_t n = T.Noeuds();
    for (std::int32_t i = 1; i <= n; ++i) {
        AfficheProgression(e, n, i, "Cherche le prochain départ...");
        for (const auto* o = T.DebutOptions(i); o != T.FinOptions(i); ++o) {
            // Under the arrival constraint the next event is an arrival; a service the
            // preparation took on the day before arrives on the reference day 1440 later.
            std::int32_t d = arrivee ? o->trajet.Arrivee : o->trajet.Depart;
            if (arrivee && d <= h) d += kMinutesParJour;
            if (d > h && d < meilleur) meilleur = d;
        }
    }
    FermeProgressions(e);
    if (arrivee)
        e.HeureDepart = meilleur == kAucunTrajet ? kAucunTrajet - 1 : meilleur;
    else
        e.HeureDepart = meilleur - 1 == h ? meilleur : meilleur - 1;
}

void ActualisePCheMin(EtatHoraires& e) {
    PreparationFloydHorairesDepart(e);
}

void RemplitTableauChemDepart(EtatHoraires& e) {
    RemplitTableauChem(e, false);
}

void RemplitTableauChemArrivee(EtatHoraires& e) {
    RemplitTableauChem(e, true);
}

void SelectionTempsMinimaux(EtatHoraires& e) {
    TrajetsHoraires& T = e.CheMin;
    const std::int32_t n = e.NbNoeuds;
    T.Dimensionne(n);
    T.Termine();
    const double debut = e.HeureDebut, fin = e.HeureFin;
    const std::int64_t total = static_cast<std::int64_t>(e.Chem.size()) - 1;
    for (std::int64_t p = 3; p <= total; ++p) {
        AfficheProgression(e, total, p, "Sélectionne les temps minimaux...");
        const ConnexionChem& c = e.Chem[static_cast<std::size_t>(p)];
        if (!(c.Arrivee >= debut && c.Arrivee <= fin)) continue;
        if (c.Origine < 1 || c.Origine > n || c.Destination < 1 || c.Destination > n) continue;
        const std::int32_t d = c.Arrivee - c.Depart;
        const float actuel = T.Existe(c.Origine, c.Destination)
                                 ? T.Meilleur(c.Origine, c.Destination).Valeur
                                 : static_cast<float>(kAucunTrajet);
        if (!(static_cast<float>(d) < actuel)) continue;
        Trajet t;
        t.Valeur = static_cast<float>(d);
        t.Depart = c.Depart;
        t.Arrivee = c.Arrivee;
        t.Attente = c.Attente;
        t.Mode = c.Mode;
        t.MissionPremiere = c.Mission1;
        t.MissionDerniere = c.Mission2;
        T.NbTrajets += T.Ecrit(c.Origine, c.Destination, t);
    }
    FermeProgressions(e);
}

void CopieCheminsHoraires(EtatHoraires& e) {
    const TrajetsHoraires& T = e.CheMin;
    const std::int32_t n = e.NbNoeuds;
    e.CheminsMin.Dimensionne(static_cast<std::size_t>(n));
    for (std::int32_t i = 1; i <= n; ++i)
        for (std::int32_t j = 1; j <= n; ++j) {
            CelluleChemin& c =
                e.CheminsMin(static_cast<std::size_t>(i), static_cast<std::size_t>(j));
            if (i == j || T.Noeuds() != n) continue;
            if (!T.Existe(i, j)) {
                c.Valeur = kInfini;  // no journey: unreachable, as everywhere else
                continue;
            }
            const Trajet& b = T.Meilleur(i, j);
            c.Valeur = static_cast<float>(b.Arrivee - b.Depart);
            c.Mode = b.Mode;
        }
    e.CheminsMinValuation = "Horaires";
    e.CheminsMinReseau = e.GenerationReseau;
}

bool CalculCheminsHoraires(EtatHoraires& e, bool interactif, bool* montrerSorties) {
    if (montrerSorties) *montrerSorties = false;
    if (!Heures(e, interactif)) return false;
    if (e.MatArcsMinValuation != "Horaires" ||
        e.MatArcsMin.Lignes() != static_cast<std::size_t>(e.NbNoeuds) + 1)
        CreeMatriceArcsMinHoraires(e, "Horaires");
    e.Chem.assign(3, ConnexionChem{});
    e.Chem[1] = SentinelleChem();
    e.NbChem = 2;
    e.ListeTrains.clear();
    e.ChemParPaire.Libere();
    const std::string s = Hhmm(e.HeureDebut), fin = Hhmm(e.HeureFin);
    FermeProgressions(e);
    const bool arrivee = e.ContrainteArrivee;
    bool balayage = false;
    if (arrivee ? !e.TempsMinimauxIntervalle : e.ContrainteDepart) {
        CalculTrajetsHoraires(e, arrivee);
    } else if (arrivee) {
        balayage = true;
        BalayageArrivee(e);
    } else {
        balayage = true;
        BalayageDepart(e);
    }
    e.ChemParPaire.Libere();
    FermeProgressions(e);
    if (s != fin) {
        const std::string p = s + "-" + fin;
        CreeFichierChem(e, p + "chem.dat");
        CalculTrainsEntrants(e);
        EcritureValeursNoeuds(e, p + "TrainsEntrants.dat");
        CalculTrainsSortants(e);
        EcritureValeursNoeuds(e, p + "TrainsSortants.dat");
        if (interactif) OuvreDansEditeur(e, p + "chem.dat");
    }
    if (e.TempsMinimauxIntervalle) SelectionTempsMinimaux(e);
    EcritureExportTrajets(e, balayage);
    CopieCheminsHoraires(e);
    e.TrajetsReseau = e.GenerationReseau;
    e.Menus.Active("menChemins");
    e.Menus.Active("menRécupTracés");
    e.Menus.Active("menVisuMatChMin");
    if (e.Valuation == "Temps") e.Menus.Active("menConnexions");
    if (montrerSorties) *montrerSorties = arrivee || s == fin;
    return true;
}

}  // namespace vek
