#include "network/Configuration.h"

#include "network/EtatReseau.h"
#include "network/Temps.h"
#include "shell/Format.h"

namespace vek {

void VideConfiguration(EtatReseau& e) {
    e.Configuration = {
        {"NombreNoeuds", "Noeuds", "NombreDeNoeuds", ""},
        {"NombreArcs", "Arcs", "NombreDArcs", ""},
        {"NombreModes", "Réseaux partiels", "NombreDeModes", ""},
        {"NombreNiveaux", "Niveaux modélisés", "NombreDeNiveaux", ""},
        {"ZoomsNodaux", "Zooms nodaux", "NombreZoomsNodaux", ""},
        {"ZoomsMultinodaux", "Zooms multinodaux", "NombreZoomsMultinodaux", ""},
        {"FichNoeudNivn", "Fichier noeuds :", "FichNoeudsNivn", ""},
        {"FichArcNivn", "Fichier arcs :", "FichArcsNivn", ""},
        {"Habitants", "Habitants", "PopulationTotale", ""},
        {"Kilomètres", "Kilomètres", "NombreDeKilomètres", ""},
        {"JoursHeures", "Horaires T.C. :", "ChoixJoursHeures", ""},
        {"Missions", "Missions ferroviaires :", "ChoixMissions", ""},
    };
}

void AfficheConfiguration(EtatReseau& e) {
    CalculTotaux(e);
    if (e.Configuration.size() != 12) VideConfiguration(e);
    const std::string valeurs[12] = {
        Str(e.NbNoeuds),         Str(e.NbArcs),        Str(e.NbModes),
        Str(e.NbNiveaux),        Str(e.NbZoomsNodaux), Str(e.NbZoomsMultinodaux),
        e.NomFichierNoeuds,      e.NomFichierArcs,     Str(e.PopulationTotale),
        Str(e.NombreKilometres), e.HorairesTC,         e.MissionsFerroviaires};
    for (std::size_t k = 0; k < 12; ++k) e.Configuration[k].valeur = valeurs[k];
    e.Ihm.Rafraichit();
}

}  // namespace vek
