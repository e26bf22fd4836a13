#include "network/FichierArcs.h"

#include <utility>

#include "network/EtatReseau.h"
#include "network/IndexCodes.h"
#include "network/Lecture.h"
#include "network/Mode.h"
#include "network/Temps.h"
#include "shell/Champs.h"
#include "shell/Fichiers.h"
#include "shell/Format.h"
#include "shell/Progression.h"
#include "shell/Texte.h"

namespace vek {

namespace {
constexpr const char* kTitreErreurArcs = "Erreur dans le fichier des arcs";
// Converts the times just read and checks the schedule of arc i.
// `i` is the line of the arc in the file.
void ConvertitTemps(EtatReseau& e, Arc& a, std::size_t i) {
    a.Temps = static_cast<float>(HeuresMinutesEnMinutes(a.Temps));
    if (EstModeHoraire(a.Mode)) {
        if (a.HeureDepart < 1 && a.HeureArrivee < 1) {
            // no schedule: the file time stands
        } else if (a.HeureArrivee > a.HeureDepart) {
            a.HeureDepart = static_cast<std::int32_t>(HeuresMinutesEnMinutes(a.HeureDepart));
            a.HeureArrivee = static_cast<std::int32_t>(HeuresMinutesEnMinutes(a.HeureArrivee));
            a.Temps = static_cast<float>(a.HeureArrivee - a.HeureDepart);
        } else {
            a.HeureArrivee =
                static_cast<std::int32_t>(HeuresMinutesEnMinutes(a.HeureArrivee)) + 1440;
            a.HeureDepart = static_cast<std::int32_t>(HeuresMinutesEnMinutes(a.HeureDepart));
            if (a.HeureArrivee > a.HeureDepart) {
                a.Temps = static_cast<float>(a.HeureArrivee - a.HeureDepart);
                a.HeureArrivee -= 1440;
            } else {
                e.Ihm.Message("T.C." + Str(a.Origine) + "  - " + Str(a.Destination) + " (ligne" +
                                  Str(static_cast<std::int64_t>(i)) +
                                  " du fichier arcs) :\nHeure de départ =" + Str(a.HeureDepart) +
                                  "\nHeure d'arrivée =" + Str(a.HeureArrivee) +
                                  "\nPrière de corriger cette erreur",
                              Boutons::Ok, Icone::Critique, kTitreErreurArcs);
            }
        }
    } else if (a.Distance != 0) {
        RechercheMode(e, a.Mode);
        a.Temps = a.Distance * 60 / e.ModeCourant.Vitesse;
    }
    if (a.Distance == 0 && a.Temps != 0) {
        RechercheMode(e, a.Mode);
        a.Distance = e.ModeCourant.Vitesse * a.Temps / 60;
    }
    if (a.Distance == 0 && a.Temps == 0) {
        e.Ihm.Message("Ligne" + Str(static_cast<std::int64_t>(i)) +
                          " du fichier arcs :\nLa distance et le temps de trajet ont une valeur "
                          "nulle !\nPrière de corriger cette erreur",
                      Boutons::Ok, Icone::Critique, kTitreErreurArcs);
    }
    if (a.Debit != 0) e.Menus.Active("menTempsDébit");
}

}  // namespace

std::optional<std::int32_t> LectureFichierArcs(EtatReseau& e, const std::string& chemin,
                                               std::int32_t maximum) {
    if (!FichierExiste(e, chemin)) {
        IndexationArcsLus(e);
        return std::nullopt;
    }
    std::vector<Arc> lus(1);
    std::vector<std::size_t> lignesDesArcs(1);
    std::int32_t k = 1;
    LignesRejetees inconnus, tropGrands, sansCode, negatifs;
    std::string detailTropGrand;
    std::size_t ligne = 0, longueurPrecedente = 0, tronquee = 0;
    auto traite = [&](const LigneLue& lue) {
        if (k >= maximum) return false;
        ++ligne;
        const std::u32string_view l = lue.texte;
        const std::size_t numero = lue.numero;
        const std::size_t precedente = std::exchange(longueurPrecedente, l.size());
        if (lue.derniere && !lue.finie &&
            LigneTronquee(l.size(), precedente, {10, 21, 26, 35, 40, 45, 50, 58, 65, 72, 116})) {
            tronquee = numero;
            return true;
        }
        auto mode = EntierArrondi<std::int16_t>(ChampNumerique(l, 23, 4));
        RechercheMode(e, mode.value_or(0));
        if (!mode || e.ModeCourant.Nom.empty()) {
            inconnus.Ajoute(numero);
            return true;
        }
        if (!e.ModeCourant.Selectionne) return true;
        if (!ChampEstNombre(l, 1, 10) || !ChampEstNombre(l, 12, 10)) {
            sansCode.Ajoute(numero);
            return true;
        }
        Arc a;
        auto origine = EntierArrondi<std::int64_t>(ChampNumerique(l, 1, 10));
        auto destination = EntierArrondi<std::int64_t>(ChampNumerique(l, 12, 10));
        auto depart = EntierArrondi<std::int32_t>(ChampNumerique(l, 42, 4));
        auto arrivee = EntierArrondi<std::int32_t>(ChampNumerique(l, 47, 4));
        auto jours = EntierArrondi<std::int16_t>(ChampNumerique(l, 52, 7));
        auto debit = EntierArrondi<std::int32_t>(ChampNumerique(l, 60, 6));
        auto capacite = EntierArrondi<std::int32_t>(ChampNumerique(l, 67, 6));
        auto attribut = EntierArrondi<std::int32_t>(ChampNumerique(l, 112, 5));
        if (!origine || !destination || !depart || !arrivee || !jours || !debit || !capacite ||
            !attribut) {
            if (tropGrands.nombre == 0)
                detailTropGrand =
                    !jours ? "jours de circulation " + SousChaine(l, 52, 7) : "valeur hors limites";
            tropGrands.Ajoute(numero);
            return true;
        }
        const double distance = ChampNumerique(l, 28, 8), temps = ChampNumerique(l, 37, 4);
        if (distance < 0 || temps < 0) {
            negatifs.Ajoute(numero);
            return true;
        }
        a.Origine = *origine;
        a.Destination = *destination;
        a.Mode = *mode;
        a.Distance = static_cast<float>(distance);
        a.Temps = static_cast<float>(temps);
        a.HeureDepart = *depart;
        a.HeureArrivee = *arrivee;
        a.Jours = *jours;
        a.Debit = *debit;
        a.CapaciteHoraire = *capacite;
        a.EtiquetteOrigine = Cadre(SousChaine(l, 94, 8), kLongueurEtiquette);
        a.EtiquetteDestination = Cadre(SousChaine(l, 103, 8), kLongueurEtiquette);
        a.Attribut = *attribut;
        a.Vitesse = e.ModeCourant.Vitesse;
        a.VitesseMax = e.ModeCourant.VitesseMax;
        lus.push_back(std::move(a));
        lignesDesArcs.push_back(numero);
        ++k;
        return true;
    };
    TexteLu texte;
    if (!ParcourtFichierTexte(CheminDe(e, chemin), texte, 116, traite)) {
        e.Ihm.Message("Impossible de lire le fichier : " + chemin, Boutons::Ok, Icone::Exclamation,
                      kTitreErreurArcs);
        IndexationArcsLus(e);
        return std::nullopt;
    }
    if (texte.utf16 != Utf16::Non) {
        e.Ihm.Message(MessageUtf16(chemin, texte.utf16), Boutons::Ok, Icone::Critique,
                      kTitreErreurArcs);
        IndexationArcsLus(e);
        return std::nullopt;
    }
    e.ArcsLus = std::move(lus);
    e.NbArcsLus = k - 1;
    e.EncodageArcs = texte.encodage;
    e.MarqueArcs = texte.marqueUtf8;

    if (inconnus.nombre > 0)
        e.Ihm.Message(std::to_string(inconnus.nombre) +
                          " arc(s) d'un mode inconnu ont été ignorés (ligne(s) " +
                          inconnus.Citees() + " du fichier arcs)",
                      Boutons::Ok, Icone::Exclamation, kTitreErreurArcs);
    if (tropGrands.nombre > 0)
        e.Ihm.Message(std::to_string(tropGrands.nombre) +
                          " arc(s) dont une valeur dépasse la capacité de son champ ont été "
                          "ignorés (ligne(s) " +
                          tropGrands.Citees() + " du fichier arcs ; " + detailTropGrand + ")",
                      Boutons::Ok, Icone::Critique, kTitreErreurArcs);
    if (sansCode.nombre > 0)
        e.Ihm.Message(std::to_string(sansCode.nombre) +
                          " arc(s) dont le code d'origine ou de destination n'est pas un nombre "
                          "ont été ignorés (ligne(s) " +
                          sansCode.Citees() + " du fichier arcs)",
                      Boutons::Ok, Icone::Critique, kTitreErreurArcs);
    if (negatifs.nombre > 0)
        e.Ihm.Message(std::to_string(negatifs.nombre) +
                          " arc(s) de longueur ou de temps négatif ont été ignorés (ligne(s) " +
                          negatifs.Citees() + " du fichier arcs)",
                      Boutons::Ok, Icone::Critique, kTitreErreurArcs);
    if (tronquee > 0)
        e.Ihm.Message(MessageLigneTronquee(tronquee, "fichier arcs"), Boutons::Ok, Icone::Critique,
                      kTitreErreurArcs);
    if (ligne < texte.nombreLignes)
        e.Ihm.Message("Le fichier des arcs " + chemin + " compte " +
                          std::to_string(texte.nombreLignes) + " lignes : seuls les " +
                          std::to_string(maximum - 1) + " premiers arcs ont été lus, " +
                          std::to_string(texte.nombreLignes - ligne) + " ligne(s) ignorée(s).",
                      Boutons::Ok, Icone::Exclamation, kTitreErreurArcs);

    for (std::int32_t i = 1; i <= e.NbArcsLus; ++i)
        ConvertitTemps(e, e.ArcsLus[i], lignesDesArcs[static_cast<std::size_t>(i)]);
    IndexationArcsLus(e);
    return e.NbArcsLus;
}

void IndexationArcsLus(EtatReseau& e) {
    if (e.ArcsLus.empty()) e.ArcsLus.resize(1);
    if (e.NoeudsLus.empty()) e.NoeudsLus.resize(1);
    const IndexCodes index(e.NoeudsLus, e.NbNoeudsLus);
    for (std::int32_t a = 1; a <= e.NbArcsLus; ++a) {
        if (a % 10 == 0)
            AfficheProgression(e, e.NbArcsLus, a, "Implémente les indices des arcs provisoires...");
        Arc& arc = e.ArcsLus[a];
        arc.IndiceOrigine = index(arc.Origine);
        arc.IndiceDestination = index(arc.Destination);
    }
    AfficheProgression(e, e.NbArcsLus, e.NbArcsLus,
                       "Implémente les indices des arcs provisoires...");
}

namespace {

std::string ChampHeures(ControleChamps& c, double minutes, std::string_view nom) {
    return c.Reel(static_cast<float>(MinutesEnHeuresMinutes(minutes)), "0000", nom);
}

const Noeud& NoeudDeCode(const EtatReseau& e, std::int64_t code) {
    for (std::int32_t k = 1; k <= e.NbNoeuds; ++k)
        if (e.Noeuds[k].Code == code) return e.Noeuds[k];
    return e.Noeuds[0];
}

}  // namespace

void EcritureFichierArcs(EtatReseau& e, const std::string& chemin, bool provisoires,
                         std::int32_t nombre) {
    const std::vector<Arc>& arcs = provisoires ? e.ArcsProvisoires : e.Arcs;
    const std::int32_t total = provisoires ? nombre : e.NbArcs;
    if (e.Noeuds.empty()) e.Noeuds.resize(1);
    EcrivainTexte f(CheminDe(e, chemin), chemin, e.EncodageArcs, e.MarqueArcs);
    ControleChamps c;
    for (std::int32_t i = 1; i <= total && i < static_cast<std::int32_t>(arcs.size()); ++i) {
        AfficheProgression(e, total, i, "Création du fichier des arcs après intégration...");
        const Arc& a = arcs[i];
        c.Ligne(i);
        std::string l = c.Entier(a.Origine, "0000000000", "Origine");
        l += ' ' + c.Entier(a.Destination, "0000000000", "Destination");
        l += ' ' + c.Entier(a.Mode, "0000", "Mode");
        if (!provisoires) {
            l += ' ' + c.Reel(a.Distance, "0000.000", "Distance");
            l += ' ' + ChampHeures(c, a.Temps, "Temps");
        } else if (e.Valuation == "Temps") {
            l += ' ' + c.Reel(DistanceDepuisTemps(e, a.Temps, a.Mode), "0000.000", "Distance");
            l += ' ' + ChampHeures(c, a.Temps, "Temps");
        } else {
            l += ' ' + c.Reel(a.Temps, "0000.000", "Distance");
            l += ' ' + c.Reel(TempsDepuisDistance(e, a.Mode, a.Temps), "0000", "Temps");
        }
        l += ' ' + ChampHeures(c, a.HeureDepart, "HeureDepart");
        l += ' ' + ChampHeures(c, a.HeureArrivee, "HeureArrivee");
        l += ' ' + c.Entier(a.Jours, "0000000", "Jours");
        l += ' ' + c.Entier(a.Debit, "000000", "Debit");
        l += ' ' + c.Entier(a.CapaciteHoraire, "000000", "CapaciteHoraire");
        if (!provisoires) {
            auto nom = [&](std::int32_t k) -> const std::string& {
                return e.Noeuds[k >= 0 && k < static_cast<std::int32_t>(e.Noeuds.size()) ? k : 0]
                    .Nom;
            };
            l += ' ' + Cadre(nom(a.IndiceOrigine), 10) + ' ' + Cadre(nom(a.IndiceDestination), 10);
        } else {
            l += ' ' + Cadre(NoeudDeCode(e, a.Origine).Nom, 20) + ' ' +
                 Cadre(NoeudDeCode(e, a.Destination).Nom, 20);
        }
        f.Ligne(l);
    }
    f.Ferme();
    c.Signale(e, chemin);
}

}  // namespace vek
