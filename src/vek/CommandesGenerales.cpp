#include "vek/CommandesGenerales.h"

#include "network/FichierArcs.h"
#include "network/FichierNoeuds.h"
#include "shell/Fichiers.h"
#include "shell/Format.h"
#include "vek/Etat.h"

namespace vek {

void menEditNoeuds(Etat& e) {
    Sablier sablier(e.Ihm);
    EcritureFichierNoeuds(e, e.NomFichierNoeudsEcrits);
    e.RepNoeudsNivN = "c:\\";
    OuvreDansEditeur(e, e.NomFichierNoeudsEcrits);
}

void menEditArcs(Etat& e) {
    Sablier sablier(e.Ihm);
    EcritureFichierArcs(e, e.NomFichierArcsEcrits);
    OuvreDansEditeur(e, e.NomFichierArcsEcrits);
}

double IndiceAlpha(const Etat& e) {
    return static_cast<double>(e.NbArcs - e.NbNoeuds + 1) / static_cast<double>(2 * e.NbNoeuds - 5);
}

void menAlpha(Etat& e) {
    const double alpha = IndiceAlpha(e);
    e.NoteResultat(TablesResultats::Genre::Valeur, alpha);
    e.Ihm.Message("Indice Alpha du réseau :" + Str(alpha), Boutons::Ok, Icone::Information,
                  "Indice Alpha");
}

Dialogue DialogueAPropos(bool chargement) {
    Dialogue d;
    d.nom = "APropos";
    d.legende = chargement ? "Chargement de VEK..." : "A propos de VEK...";
    auto etiquette = [&](const char* nom, const char* texte) {
        Controle c;
        c.type = TypeControle::Etiquette;
        c.nom = nom;
        c.legende = texte;
        d.controles.push_back(c);
    };
    etiquette("Produit", "VEK");
    etiquette("Description", "Logiciel d'aide à la décision en planification des transports");
    etiquette("Version", "Version 0.1 du 9 décembre 2026");
    etiquette("Droits", "Tous droits réservés");
    etiquette("Auteurs", "Les développeurs de VEK");
    Controle ok;
    ok.type = TypeControle::Bouton;
    ok.nom = "OK";
    ok.legende = "OK";
    ok.visible = !chargement;
    ok.action = [](Dialogue& dlg) { dlg.Ferme(); };
    d.controles.push_back(ok);
    d.boutonAnnulation = "OK";
    return d;
}

void menAPropos(Etat& e) {
    Dialogue d = DialogueAPropos(false);
    e.Ihm.MontreDialogue(d, true);
    e.Ihm.Rafraichit();
}

void menPrintConfig(Etat& e) {
    e.Ihm.ImprimeFenetre("Config");
}

void menQuitter(Etat& e) {
    e.Quitter = true;
}

void AucuneAction(Etat&) {}

void CommandeNonDisponible(Etat& e) {
    e.Ihm.Message("Cette commande n'est pas disponible dans cette version de VEK.", Boutons::Ok,
                  Icone::Information, kTitreVek);
}

}  // namespace vek
