#include "location/SortiesCheminsMinimaux.h"

#include <string>
#include <string_view>
#include <vector>

#include "flows/Affectation.h"
#include "location/EcritureMatriceChemins.h"
#include "location/EtatLocalisation.h"
#include "location/FichiersChemins.h"
#include "location/FormulaireCheminsMinimaux.h"
#include "location/IndicateursChemins.h"
#include "location/LegislationSociale.h"
#include "location/Localisation.h"
#include "network/FichierArcs.h"
#include "network/ListeCouples.h"
#include "network/ValeursNoeuds.h"
#include "paths/Floyd.h"
#include "paths/Traces.h"
#include "shell/Fichiers.h"
#include "shell/Texte.h"

namespace vek {

namespace {

constexpr const char* kTitre = "Fichiers Chemins Minimaux";

struct Sorties {
    EtatLocalisation& e;
    Dialogue& d;
    std::vector<std::string> ecrits;
    std::string carte;  // the per-node or per-pair values written for a map
    bool perimesDits = false;

    void Dit(const std::string& texte) {
        e.Ihm.Message(texte, Boutons::Ok, Icone::Exclamation, kTitre);
    }
    void Ecrit(const std::string& chemin) {
        e.NomFichierResultat = chemin;
        ecrits.push_back(chemin);
    }
    // The 1-based node chosen in a list, 0 after a message when none is.
    std::int32_t Noeud(const char* liste, const char* role) {
        const Controle& l = d[liste];
        if (l.selection >= 0 && l.selection < e.NbNoeuds) return l.selection + 1;
        Dit(std::string("Choisissez ") + role + " dans la liste.");
        return 0;
    }
    bool Trajets() {
        if (TrajetsHorairesCourants(e)) return true;
        Dit("Aucun trajet horaire n'est calculé pour le réseau en cours : lancez d'abord un "
            "calcul sous contrainte horaire (Chemins minimaux, Calcul) avec la valuation "
            "« Horaires ».");
        return false;
    }
    // The outputs that read the shortest paths want those of the current network and
    // valuation; the first one refused says so for all.
    bool Chemins() {
        if (CheminsMinCourants(e)) return true;
        if (!perimesDits) VerifieCheminsMinCourants(e);
        perimesDits = true;
        return false;
    }
    // The traces of the current paths, computed when they are missing or stale.
    void Traces() {
        if (!TracesCourantes(e)) RecuperationTraces(e);
    }
    void ValeursNoeuds(const std::string& nom) {
        const std::string chemin = CheminResultat(e, nom);
        EcritureValeursNoeuds(e, chemin);
        Ecrit(chemin);
    }

    void Consultation() {
        if (!Trajets()) return;
        const std::string chemin = CheminResultat(e, "\\nCMin000.dat");
        EcritureConsultation(e, chemin);
        Ecrit(chemin);
    }
    void Predecesseurs() {
        if (!Chemins()) return;
        Traces();
        const std::string chemin = CheminResultat(e, "\\MatPrec0.dat");
        EcriturePredecesseurs(e, chemin);
        Ecrit(chemin);
    }
    void MatriceChemins() {
        if (!Chemins()) return;
        const std::string chemin = CheminResultat(e, "\\MatChem0.dat");
        EcritureMatriceChemins(e, chemin, DispositionMatrice::Chemins);
        e.NomFichierMatrice = chemin;
        Ecrit(chemin);
    }
    void TransportsRoutiers() {
        if (!Chemins()) return;
        const Matrice<float> temps = LegislationSocialeTransportsRoutiers(e);
        if (temps.Vide()) return;
        const std::string chemin = CheminResultat(e, "\\MatChPL0.dat");
        EcritureMatriceChemins(e, chemin, DispositionMatrice::Chemins, &temps);
        e.NomFichierMatrice = chemin;
        Ecrit(chemin);
    }
    void LocalisationEquipements() {
        if (!Chemins()) return;
        const bool efficacite = d["EfficacitéEq"].coche;
        if (e.NbEquipements == 1) {
            // The single facility by efficiency is the attraction sum, "Pondéré" included.
            if (!(efficacite ? CalculSVMA(e, d["Pond"].coche) : CalculEquiteAttraction(e))) return;
            ValeursNoeuds(efficacite ? "\\Loc1eff.dat" : "\\Loc1eq.dat");
            return;
        }
        const std::string chemin = Localisation(e, efficacite);
        if (!chemin.empty()) {
            e.NomFichierMatrice = chemin;
            Ecrit(chemin);
        }
    }
    void Description() {
        if (!d["DescriptionChemins"].coche) {
            Dit("Cochez « Description des Chemins » et choisissez l'origine et la destination.");
            return;
        }
        const std::int32_t o = Noeud("ListeNoeudsFormatArc1", "le noeud d'origine");
        if (!o) return;
        const std::int32_t de = Noeud("ListeNoeudsFormatArc2", "le noeud de destination");
        if (!de || !Chemins()) return;
        Traces();
        if (!(e.CheminsMin(static_cast<std::size_t>(o), static_cast<std::size_t>(de)).Valeur <
              kInfini)) {
            Dit("Aucun chemin ne relie " +
                SansBlancsFinaux(e.Noeuds[static_cast<std::size_t>(o)].Nom) + " à " +
                SansBlancsFinaux(e.Noeuds[static_cast<std::size_t>(de)].Nom) +
                " : la description est vide.");
        }
        const std::int32_t n = ArcsChemin(e, o, de);
        e.NomFichierArcsEcrits = CheminResultat(e, "\\Descrip0.dat");
        EcritureFichierArcs(e, e.NomFichierArcsEcrits, true, n);
        Ecrit(e.NomFichierArcsEcrits);
    }
    void ArcsValeurs() {
        e.VekForCM.Uni_polaire = d["Uni_polaire"].coche;
        e.VekForCM.MultipolaireNbRelations = !e.VekForCM.Uni_polaire;
        const std::int32_t s =
            e.VekForCM.Uni_polaire ? Noeud("ListeNoeudsFormatArcVal", "le noeud") : 0;
        if ((e.VekForCM.Uni_polaire && !s) || !Chemins()) return;
        Traces();
        std::string chemin;
        if (e.VekForCM.Uni_polaire) {
            NombreCheminsParArcOrigine(e, s);
            chemin = CheminResultat(e, "\\ATM000.dat");
        } else {
            NombreCheminsParArc(e);
            chemin = CheminResultat(e, "\\ARelatio.dat");
        }
        EcritureListeCouples(e, chemin);
        Ecrit(chemin);
    }
    void NoeudsValeurs() {
        if (d["Unipolaire"].coche) {
            const ValeurUnipolaire* choisie = nullptr;
            for (const ValeurUnipolaire& v : kValeursUnipolaires)
                if (d[v.nom].coche && d.EstVisible(v.nom)) {
                    choisie = &v;
                    break;
                }
            if (!choisie) {
                Dit("Cochez la valeur à écrire pour le noeud sélectionné.");
                return;
            }
            const std::string_view nom = choisie->nom;
            const bool horaire = nom != "ValTMDépartNoeudSélec" && nom != "ValTMVersNoeudSélec";
            if (horaire ? !Trajets() : !Chemins()) return;
            const std::int32_t s = Noeud("ListeNoeudsFormatNoeudVal", "le noeud");
            if (!s) return;
            ValeursUnipolaires(e, s, *choisie);
            ValeursNoeuds("\\NTM000.dat");
            return;
        }
        const IndicateurMultipolaire* choisi = nullptr;
        for (const IndicateurMultipolaire& i : IndicateursMultipolaires())
            if (d[i.Controle].coche) {
                choisi = &i;
                break;
            }
        if (!choisi) {
            Dit("Cochez l'indicateur multipolaire à calculer.");
            return;
        }
        if (!Chemins()) return;
        if (choisi->Controle == "NbConnex") Traces();
        if (!choisi->Calcul(e, d["Pond"].coche)) return;
        ValeursNoeuds(choisi->Fichier);
    }
    void PreCartographie() {
        if (d["Arc"].coche) {
            Description();
            return;
        }
        const std::size_t avant = ecrits.size();
        if (d["ArcVal"].coche)
            ArcsValeurs();
        else
            NoeudsValeurs();
        // The values meant for a map are the last result: the map shows them.
        if (ecrits.size() > avant) carte = ecrits.back();
    }
};

}  // namespace

void SortiesCheminsMinimaux(EtatLocalisation& e, Dialogue& d) {
    Sablier sablier(e.Ihm);
    Sorties s{e, d, {}, {}};
    bool choisie = false;
    for (const char* nom : kSortiesChemins) choisie = choisie || d[nom].coche;
    if (!choisie) {
        s.Dit("Aucune sortie n'est cochée : rien n'est écrit.");
        return;
    }
    if (d["Consult"].coche) s.Consultation();
    if (d["EditMatPreced"].coche) s.Predecesseurs();
    if (d["MatriceChem"].coche) s.MatriceChemins();
    if (d["TranspRoutPL"].coche) s.TransportsRoutiers();
    if (d["Loceq"].coche) s.LocalisationEquipements();
    if (d["Précarto"].coche) s.PreCartographie();
    for (const std::string& chemin : s.ecrits) OuvreDansEditeur(e, chemin);
    if (!s.carte.empty()) e.Ihm.MontreCarte(CheminDe(e, s.carte).string());
}

void menVisuMatChMin(EtatLocalisation& e) {
    std::shared_ptr<Dialogue> d = DialogueVekForCM(e);
    e.ChoixSortie = "Annule";
    e.Ihm.MontreDialogue(*d, true);
    if (e.ChoixSortie != "Fichier") return;
    SortiesCheminsMinimaux(e, *d);
}

}  // namespace vek
