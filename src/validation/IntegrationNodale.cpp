#include "validation/IntegrationNodale.h"

#include <unordered_set>

#include "network/IndexCodes.h"
#include "network/TablesLues.h"
#include "shell/Progression.h"
#include "validation/EtatValidation.h"
#include "validation/Suppression.h"

namespace vek {

namespace {

// Removes, in one sweep, the arcs touching one of the codes, then the nodes chosen, the arc
// indices renumbered as successive removals would leave them.
void RetireZone(EtatValidation& e, const std::unordered_set<std::int64_t>& codes,
                bool premierSeulement) {
    std::size_t place = 1;
    for (std::size_t k = 1; k < e.Arcs.size(); ++k) {
        const Arc& a = e.Arcs[k];
        if (codes.count(a.Origine) || codes.count(a.Destination)) continue;
        // A record kept in its place is not moved onto itself, which would empty its texts.
        if (place != k) e.Arcs[place] = std::move(e.Arcs[k]);
        ++place;
    }
    e.Arcs.resize(place);
    e.NbArcs = static_cast<std::int32_t>(place) - 1;

    // nouveau[p]: the position node p takes; a node removed takes that of the next one kept.
    std::vector<std::int32_t> nouveau(e.Noeuds.size() + 1, 0);
    std::unordered_set<std::int64_t> vus;
    place = 1;
    for (std::size_t p = 1; p < e.Noeuds.size(); ++p) {
        nouveau[p] = static_cast<std::int32_t>(place);
        const std::int64_t code = e.Noeuds[p].Code;
        const bool retire = codes.count(code) && (!premierSeulement || vus.insert(code).second);
        if (retire) continue;
        if (place != p) e.Noeuds[place] = std::move(e.Noeuds[p]);
        ++place;
    }
    nouveau[e.Noeuds.size()] = static_cast<std::int32_t>(place);
    e.Noeuds.resize(place);
    e.NbNoeuds = static_cast<std::int32_t>(place) - 1;
    for (std::int32_t a = 1; a <= e.NbArcs; ++a) {
        Arc& arc = e.Arcs[static_cast<std::size_t>(a)];
        if (arc.IndiceOrigine > 0)
            arc.IndiceOrigine = nouveau[static_cast<std::size_t>(arc.IndiceOrigine)];
        if (arc.IndiceDestination > 0)
            arc.IndiceDestination = nouveau[static_cast<std::size_t>(arc.IndiceDestination)];
    }
}

std::unordered_set<std::int64_t> Liste(const std::vector<std::int64_t>& codes,
                                       std::int32_t nombre) {
    std::unordered_set<std::int64_t> s;
    for (std::int32_t i = 1; i <= nombre && i < static_cast<std::int32_t>(codes.size()); ++i)
        s.insert(codes[static_cast<std::size_t>(i)]);
    return s;
}

}  // namespace

void IntegrationNodale(EtatValidation& e, std::int64_t code) {
    if (code == 0) {
        CopieTablesLues(e);
        return;
    }
    if (e.Noeuds.empty()) e.Noeuds.assign(1, Noeud{});
    if (e.Arcs.empty()) e.Arcs.assign(1, Arc{});
    RetireZone(e, {code}, true);
    AjouteTablesLues(e, e.NbNoeudsLus);
}

void IntegrationNodaleInverse(EtatValidation& e) {
    RetireZone(e, Liste(e.CodesZoneInverse, e.NbCodesZoneInverse), false);
    AjouteTablesLues(e, 1);
}

void IntegrationMultinodale(EtatValidation& e) {
    RetireZone(e, Liste(e.CodesZoneMultinodale, e.NbCodesZoneMultinodale), false);
    AjouteTablesLues(e, e.NbNoeudsLus);
}

}  // namespace vek
