#pragma once
// A planned variant of the network loaded beside the working one (the base), so that what a
// change does can be read off one file. While the comparison lasts, every command run on the
// base is run again on the variant with the answers the base's command took (the same dialog
// choices, files and input), after the base's settings have been copied to it; the files the
// variant's run writes are put back as they were. When the command gave a result, the two are
// compared in the result folder:
//   per node   NoeudValComparaison.csv  code,nom,base,variante,ecart,ecart_relatif,statut
//   per pair   ArcValComparaison.csv    code_origine,code_destination,base,variante,ecart,
//                                       ecart_relatif,statut
//   network    ReseauComparaison.csv    indicateur,base,variante,ecart,ecart_relatif
// Nodes are matched by code, pairs by the codes of their ends; those of one network only come
// after the others, with the status base_seule or variante_seule. A value of 32000 (the
// shortest paths' "no path") or one that is not a number is `inaccessible`: it has no
// difference. The relative difference is (variant - base) / base, empty when the base is 0.

#include <cstdint>
#include <memory>
#include <string>

namespace vek {

struct Etat;

// "Comparer à une variante...": asks for the variant's node and arc files and loads them
// beside the base (a comparison already running is replaced).
void menComparerVariante(Etat& e);
// "Fin de la comparaison": the variant is released.
void menFinComparaison(Etat& e);

// Called by the command's edge after a command that ran on the base: runs it on the variant
// and compares their results. `numero` is the base's result number before the command.
void ApresCommandeComparee(Etat& e, const std::string& commande, std::uint64_t numero);

// The variant and what it keeps; released with the comparison.
struct Variante;
struct VarianteSupprimee {
    void operator()(Variante* v) const;
};
using PtrVariante = std::unique_ptr<Variante, VarianteSupprimee>;

// The variant's state, for the tests; null without a comparison.
const Etat* EtatVariante(const Etat& e);

}  // namespace vek
