#include "validation/IntegrationNodale.h"

#include <unordered_set>

#include "network/IndexCodes.h"
#include "shell/Etat.h"
#include "shell/Progression.h"
#include "validation/Suppression.h"

namespace vek {

namespace {

// Removes, in one sweep, the arcs touching one of the codes, then the nodes chosen, the arc
// indices renumbered as successive removals would leave them.
void RetireZone(Etat& e, const std::unordered_set<std::int64_t>& codes, bool premierSeulement) {
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

// Appends the nodes read (the first `nombreNoeuds` of them) and every arc read, without
// node indices, then indexes them and releases the read tables.
void AjouteLus(Etat& e, std::int32_t nombreNoeuds) {
    for (std::int32_t i = 1; i <= nombreNoeuds && i <= e.NbNoeudsLus; ++i)
        e.Noeuds.push_back(e.NoeudsLus[static_cast<std::size_t>(i)]);
    for (std::int32_t a = 1; a <= e.NbArcsLus; ++a) {
        Arc arc = e.ArcsLus[static_cast<std::size_t>(a)];
        arc.DistanceEuclidienne = 0;
        arc.IndiceOrigine = arc.IndiceDestination = 0;
        e.Arcs.push_back(std::move(arc));
    }
    e.NbNoeuds = static_cast<std::int32_t>(e.Noeuds.size()) - 1;
    e.NbArcs = static_cast<std::int32_t>(e.Arcs.size()) - 1;
    IndexationArcs(e);
    e.NoeudsLus.assign(1, Noeud{});
    e.NbNoeudsLus = 0;
    e.ArcsLus.assign(1, Arc{});
    e.NbArcsLus = 0;
}

std::unordered_set<std::int64_t> Liste(const std::vector<std::int64_t>& codes,
                                       std::int32_t nombre) {
    std::unordered_set<std::int64_t> s;
    for (std::int32_t i = 1; i <= nombre && i < static_cast<std::int32_t>(codes.size()); ++i)
        s.insert(codes[static_cast<std::size_t>(i)]);
    return s;
}

}  // namespace

void IndexationArcs(Etat& e) {
    const IndexCodes index(e.Noeuds, e.NbNoeuds);
    for (std::int32_t a = 1; a <= e.NbArcs; ++a) {
        if (a % 10 == 0) AfficheProgression(e, e.NbArcs, a, "Implémente les indices des arcs...");
        Arc& arc = e.Arcs[static_cast<std::size_t>(a)];
        if (arc.IndiceOrigine != 0 && arc.IndiceDestination != 0) continue;
        arc.IndiceOrigine = index(arc.Origine);
        arc.IndiceDestination = index(arc.Destination);
    }
    AfficheProgression(e, e.NbArcs, e.NbArcs, "Implémente les indices des arcs...");
}

void IntegrationNodale(Etat& e, std::int64_t code) {
    if (e.Noeuds.empty()) e.Noeuds.assign(1, Noeud{});
    if (e.Arcs.empty()) e.Arcs.assign(1, Arc{});
    if (code == 0) {
        e.Noeuds.resize(1);
        e.Arcs.resize(1);
        e.NbNoeuds = e.NbArcs = 0;
    } else {
        RetireZone(e, {code}, true);
    }
    AjouteLus(e, e.NbNoeudsLus);
}

void IntegrationNodaleInverse(Etat& e) {
    RetireZone(e, Liste(e.CodesZoneInverse, e.NbCodesZoneInverse), false);
    AjouteLus(e, 1);
}

void IntegrationMultinodale(Etat& e) {
    RetireZone(e, Liste(e.CodesZoneMultinodale, e.NbCodesZoneMultinodale), false);
    AjouteLus(e, e.NbNoeudsLus);
}

}  // namespace vek
