#include "vek/CommandesImport.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <string>

#include "formats/ImportGtfs.h"
#include "formats/ImportTntp.h"
#include "network/Chargement.h"
#include "network/Espaces.h"
#include "network/Mode.h"
#include "paths/MatriceArcsMin.h"
#include "shell/Fichiers.h"
#include "vek/Etat.h"

namespace vek {

namespace {

constexpr const char* kTitreGtfs = "Import GTFS";
constexpr const char* kTitreTntp = "Import TNTP";

void AjouteBoutons(Dialogue& d, bool& valide) {
    d.Ajoute(TypeControle::Bouton, "ImportOk", "OK").action = [&valide](Dialogue& dlg) {
        valide = true;
        dlg.Ferme();
    };
    d.Ajoute(TypeControle::Bouton, "ImportAnnule", "Annuler").action = [](Dialogue& dlg) {
        dlg.Ferme();
    };
    d.boutonAnnulation = "ImportAnnule";
}

// A path of the dialog as the system names it; empty stays empty.
std::string Chemin(const Etat& e, const std::string& texte) {
    return texte.empty() ? std::string() : CheminDe(e, texte).string();
}

template <typename T>
bool Lit(const std::string& texte, T& v) {
    auto [p, ec] = std::from_chars(texte.data(), texte.data() + texte.size(), v);
    return ec == std::errc{} && p == texte.data() + texte.size();
}

// Loads the imported network as "Ouvrir" does, then shows the report.
void Charge(Etat& e, const RapportImport& r, const std::string& dossier, const char* titre,
            bool gtfs) {
    if (!r.reussi) {
        e.Ihm.Message(r.message, Boutons::Ok, Icone::Exclamation, titre);
        return;
    }
    if (!OuvreFichiersReseau(e, (std::filesystem::path(dossier) / "noeuds.dat").string(),
                             (std::filesystem::path(dossier) / "arcs.dat").string(),
                             [&e] { CalculMatriceArcsMin(e); }))
        return;
    std::string texte = r.message;
    if (gtfs) texte += "\nTrajets circulant à la date : " + std::to_string(r.trajets) + ".";
    for (const auto& a : r.avertissements) texte += "\n" + a;
    e.Ihm.Message(texte, Boutons::Ok, Icone::Information, titre);
}

}  // namespace

Dialogue DialogueImportGtfs(bool& valide) {
    valide = false;
    Dialogue d;
    d.nom = "ImportGtfs";
    d.legende = "Importer un flux GTFS";
    d.Ajoute(TypeControle::Texte, "Flux", "Flux GTFS (dossier ou fichier .zip) :");
    d.Ajoute(TypeControle::Texte, "Date", "Date de circulation (AAAAMMJJ) :");
    d.Ajoute(TypeControle::Texte, "Sortie", "Dossier des fichiers noeuds.dat et arcs.dat :");
    d.Ajoute(TypeControle::Case, "GrouperNom", "Réunir les arrêts de même nom");
    d.Ajoute(TypeControle::Texte, "Epsg",
             "Code EPSG de la projection (vide : Mercator transverse local) :");
    d.Ajoute(TypeControle::Texte, "Marche",
             "Arcs de marche entre arrêts distants de moins de (mètres, vide : aucun) :");
    AjouteBoutons(d, valide);
    return d;
}

Dialogue DialogueImportTntp(bool& valide) {
    valide = false;
    Dialogue d;
    d.nom = "ImportTntp";
    d.legende = "Importer un réseau TNTP";
    d.Ajoute(TypeControle::Texte, "Reseau", "Fichier des liens (_net.tntp) :");
    d.Ajoute(TypeControle::Texte, "Noeuds", "Fichier des noeuds (_node.tntp) :");
    d.Ajoute(TypeControle::Texte, "Trajets", "Matrice des trajets (_trips.tntp, facultatif) :");
    d.Ajoute(TypeControle::Texte, "Debits", "Fichier des débits (_flow.tntp, facultatif) :");
    d.Ajoute(TypeControle::Texte, "Sortie", "Dossier des fichiers noeuds.dat et arcs.dat :");
    d.Ajoute(TypeControle::Texte, "Longueur", "Unité des longueurs (km, m, mi, ft) :").texte = "km";
    d.Ajoute(TypeControle::Texte, "Temps", "Unité des temps à vide (min, h, s) :").texte = "min";
    d.Ajoute(TypeControle::Texte, "Coordonnees",
             "Unité des coordonnées (km, m, mi, ft, deg ; vide : celle des longueurs) :");
    d.Ajoute(TypeControle::Texte, "Mode",
             "Code du mode de tous les liens (vide : selon la vitesse) :");
    AjouteBoutons(d, valide);
    return d;
}

void menImporterGtfs(Etat& e) {
    bool valide = false;
    Dialogue d = DialogueImportGtfs(valide);
    e.Ihm.MontreDialogue(d, true);
    if (!valide) return;
    OptionsGtfs o;
    o.flux = Chemin(e, d["Flux"].texte);
    o.date = d["Date"].texte;
    o.sortie = Chemin(e, d["Sortie"].texte);
    o.grouperParNom = d["GrouperNom"].coche;
    const std::string& epsg = d["Epsg"].texte;
    if (!epsg.empty() && (!Lit(epsg, o.epsg) || o.epsg <= 0)) {
        e.Ihm.Message("Code EPSG invalide : " + epsg + ".", Boutons::Ok, Icone::Exclamation,
                      kTitreGtfs);
        return;
    }
    const std::string& marche = d["Marche"].texte;
    if (!marche.empty() &&
        (!Lit(marche, o.marcheMetres) || !std::isfinite(o.marcheMetres) || o.marcheMetres < 0)) {
        e.Ihm.Message("Distance de marche invalide : " + marche + " (mètres).", Boutons::Ok,
                      Icone::Exclamation, kTitreGtfs);
        return;
    }
    Charge(e, ImporteGtfs(o), o.sortie, kTitreGtfs, true);
}

void menImporterTntp(Etat& e) {
    bool valide = false;
    Dialogue d = DialogueImportTntp(valide);
    e.Ihm.MontreDialogue(d, true);
    if (!valide) return;
    OptionsTntp o;
    o.reseau = Chemin(e, d["Reseau"].texte);
    o.noeuds = Chemin(e, d["Noeuds"].texte);
    o.trajets = Chemin(e, d["Trajets"].texte);
    o.flux = Chemin(e, d["Debits"].texte);
    o.sortie = Chemin(e, d["Sortie"].texte);
    o.longueur = d["Longueur"].texte;
    o.temps = d["Temps"].texte;
    o.coordonnees = d["Coordonnees"].texte;
    const std::string& mode = d["Mode"].texte;
    if (!mode.empty() && (!Lit(mode, o.mode) || o.mode <= 0)) {
        e.Ihm.Message("Code de mode invalide : " + mode + ".", Boutons::Ok, Icone::Exclamation,
                      kTitreTntp);
        return;
    }
    Charge(e, ImporteTntp(o), o.sortie, kTitreTntp, false);
}

}  // namespace vek
