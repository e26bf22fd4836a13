#include "timetable/FichiersHoraires.h"

#include <charconv>
#include <string_view>
#include <unordered_set>

#include "network/Temps.h"
#include "shell/FichierTexte.h"
#include "shell/Fichiers.h"
#include "shell/Format.h"
#include "shell/Progression.h"
#include "shell/Texte.h"
#include "timetable/EtatHoraires.h"
#include "timetable/ModesHoraires.h"

namespace vek {

namespace {

constexpr int kModeAutorail = 41;

// Right-aligned on 4 characters; a longer text is written whole.
std::string Droite4(std::string texte) {
    if (texte.size() < 4) texte.insert(0, 4 - texte.size(), ' ');
    return texte;
}

// A whole number on at least `chiffres` digits (the patterns "00", "0000000000"); "####"
// (0 digits) writes nothing for 0. The chem file has millions of lines: no general pattern
// engine for these.
std::string Entier(std::int64_t v, int chiffres, std::string_view motif) {
    if (v < 0) return Format(static_cast<double>(v), motif);
    if (v == 0 && chiffres == 0) return {};
    char t[24];
    const auto r = std::to_chars(t, t + sizeof t, v);
    std::string texte(t, r.ptr);
    if (static_cast<int>(texte.size()) < chiffres)
        texte.insert(0, static_cast<std::size_t>(chiffres) - texte.size(), '0');
    return texte;
}

}  // namespace

std::string HeuresMinutes(std::int32_t minutes) {
    if (minutes < 0) return Format(MinutesEnHeuresMinutes(minutes), "00:00");
    std::string t = Entier(std::int64_t{minutes / 60} * 100 + minutes % 60, 4, "0000");
    t.insert(t.size() - 2, 1, ':');
    return t;
}

namespace {

const std::string& NomNoeud(const EtatHoraires& e, std::int32_t i) {
    return e.Noeuds[static_cast<std::size_t>(i)].Nom;
}

// The distinct (node, time) pairs of the railcar connections, counted per node.
void CompteTrains(EtatHoraires& e, bool sortants) {
    e.ListeTrains.clear();
    std::unordered_set<std::uint64_t> vus;
    const std::int64_t total = e.NbChem;
    for (std::int64_t p = 1; p <= total && p < static_cast<std::int64_t>(e.Chem.size()); ++p) {
        AfficheProgression(e, total, p,
                           sortants ? "Calcule le nombre de trains sortants..."
                                    : "Calcule le nombre de trains entrants...");
        const ConnexionChem& c = e.Chem[static_cast<std::size_t>(p)];
        if (c.Mode != kModeAutorail && c.Mode != kModeAutorails) continue;
        const std::int32_t noeud = sortants ? c.Origine : c.Destination;
        const std::int32_t heure = sortants ? c.Depart : c.Arrivee;
        // Each (node, time) once: several connections ride the same train.
        const std::uint64_t cle = (std::uint64_t{static_cast<std::uint32_t>(noeud)} << 32) |
                                  static_cast<std::uint32_t>(heure);
        if (vus.insert(cle).second) e.ListeTrains.emplace_back(noeud, heure);
    }
    FermeProgressions(e);
    e.ValeursNoeuds.assign(static_cast<std::size_t>(e.NbNoeuds) + 1, 0.0);
    for (const auto& [noeud, heure] : e.ListeTrains)
        if (noeud >= 1 && noeud <= e.NbNoeuds)
            e.ValeursNoeuds[static_cast<std::size_t>(noeud)] += 1;
}

}  // namespace

void CreeFichierChem(EtatHoraires& e, const std::string& nom) {
    EcrivainTexte f(CheminDe(e, nom), nom, e.EncodageNoeuds, e.MarqueNoeuds);
    const std::int64_t total = e.NbChem;
    for (std::int64_t p = 3; p <= total && p < static_cast<std::int64_t>(e.Chem.size()); ++p) {
        AfficheProgression(e, total, p, "Crée le fichier Chem...");
        const ConnexionChem& c = e.Chem[static_cast<std::size_t>(p)];
        // The day of the sweep only: a connection arriving after midnight, or leaving the day
        // before (an arrival computation takes the late services on the day before), is kept
        // in Chem but not written.
        if (!(c.Arrivee < kMinutesParJour && c.Depart >= 0 && c.Valeur < kAucunTrajet)) continue;
        f.Ligne(
            Cadre(NomNoeud(e, c.Origine), 20) + ' ' + Cadre(NomNoeud(e, c.Destination), 20) + ' ' +
            HeuresMinutes(c.Depart) + ' ' + HeuresMinutes(c.Arrivee) + ' ' +
            Droite4(Entier(c.Mode, 0, "####")) + ' ' + HeuresMinutes(c.Arrivee - c.Depart) + ' ' +
            HeuresMinutes(c.Attente) + ' ' + Format(c.Valeur, "0000.000", kChiffresSingle) + ' ' +
            Droite4(Entier(c.Mission1, 2, "00")) + ' ' + Droite4(Entier(c.Mission2, 2, "00")) +
            ' ' + Entier(e.Noeuds[static_cast<std::size_t>(c.Origine)].Code, 10, "0000000000") +
            ' ' + Entier(e.Noeuds[static_cast<std::size_t>(c.Destination)].Code, 10, "0000000000"));
    }
    FermeProgressions(e);
    f.Ferme();
}

void CalculTrainsSortants(EtatHoraires& e) {
    CompteTrains(e, true);
}

void CalculTrainsEntrants(EtatHoraires& e) {
    CompteTrains(e, false);
}

std::string HeureExport(std::int32_t minutes) {
    if (minutes < 0) return "-" + Format(MinutesEnHeuresMinutes(-minutes), "0000");
    return Format(MinutesEnHeuresMinutes(minutes), "0000");
}

void EcritureExportTrajets(EtatHoraires& e, bool balayage) {
    if (e.ExportTrajets.empty()) return;
    EcrivainTexte f(CheminDe(e, e.ExportTrajets), e.ExportTrajets);
    f.Ligne(
        "origine\tdestination\tdepart\tarrivee\tmission_premiere\tmission_derniere\tmode\tattente"
        "\tvaleur");
    auto code = [&](std::int32_t i) {
        return TexteNombre(static_cast<std::int64_t>(e.Noeuds[static_cast<std::size_t>(i)].Code));
    };
    auto ligne = [&](std::int32_t i, std::int32_t j, std::int32_t depart, std::int32_t arrivee,
                     std::int32_t m1, std::int32_t m2, std::int16_t mode, std::int32_t attente,
                     float valeur) {
        f.Ligne(code(i) + '\t' + code(j) + '\t' + HeureExport(depart) + '\t' +
                HeureExport(arrivee) + '\t' + TexteNombre(std::int64_t{m1}) + '\t' +
                TexteNombre(std::int64_t{m2}) + '\t' + TexteNombre(std::int64_t{mode}) + '\t' +
                TexteNombre(std::int64_t{attente}) + '\t' +
                TexteNombre(static_cast<double>(valeur), kChiffresSingle));
    };
    if (balayage) {
        for (std::size_t p = 3; p < e.Chem.size(); ++p) {
            const ConnexionChem& c = e.Chem[p];
            ligne(c.Origine, c.Destination, c.Depart, c.Arrivee, c.Mission1, c.Mission2, c.Mode,
                  c.Attente, c.Valeur);
        }
    } else {
        const TrajetsHoraires& T = e.CheMin;
        for (std::int32_t i = 1; i <= T.Noeuds(); ++i)
            for (std::int32_t j = 1; j <= T.Noeuds(); ++j) {
                if (i == j) continue;
                if (!T.Existe(i, j)) {
                    f.Ligne(code(i) + '\t' + code(j) + "\t\t\t\t\t\t\t");
                    continue;
                }
                const Trajet& t = T.Meilleur(i, j);
                ligne(i, j, t.Depart, t.Arrivee, t.MissionPremiere, t.MissionDerniere, t.Mode,
                      t.Attente, t.Valeur);
            }
    }
    f.Ferme();
}

}  // namespace vek
