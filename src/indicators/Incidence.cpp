#include "indicators/Incidence.h"

#include <algorithm>
#include <numeric>

namespace vek {

Incidence::Incidence(const std::vector<Noeud>& noeuds, std::int32_t nbNoeuds,
                     const std::vector<Arc>& arcs, std::int32_t nbArcs) {
    // Nodes sorted by code (then by position), so that each arc end finds its nodes.
    noeudsTries_.resize(static_cast<std::size_t>(std::max(nbNoeuds, 0)));
    std::iota(noeudsTries_.begin(), noeudsTries_.end(), 1);
    std::stable_sort(noeudsTries_.begin(), noeudsTries_.end(), [&](std::int32_t a, std::int32_t b) {
        return noeuds[static_cast<std::size_t>(a)].Code < noeuds[static_cast<std::size_t>(b)].Code;
    });
    codesTries_.resize(noeudsTries_.size());
    for (std::size_t p = 0; p < noeudsTries_.size(); ++p)
        codesTries_[p] = noeuds[static_cast<std::size_t>(noeudsTries_[p])].Code;

    // Two passes: count, then fill in arc order.
    debut_.assign(static_cast<std::size_t>(std::max(nbNoeuds, 0)) + 2, 0);
    auto pourChaqueNoeud = [&](const Arc& a, auto&& f) {
        for (std::int32_t i : NoeudsDeCode(a.Origine)) f(i);
        if (a.Destination != a.Origine)
            for (std::int32_t i : NoeudsDeCode(a.Destination)) f(i);
    };
    for (std::int32_t k = 1; k <= nbArcs; ++k)
        pourChaqueNoeud(arcs[static_cast<std::size_t>(k)],
                        [&](std::int32_t i) { ++debut_[i + 1]; });
    for (std::size_t i = 1; i < debut_.size(); ++i) debut_[i] += debut_[i - 1];
    arcs_.resize(static_cast<std::size_t>(debut_.back()));
    std::vector<std::int32_t> place(debut_.begin(), debut_.end() - 1);
    for (std::int32_t k = 1; k <= nbArcs; ++k)
        pourChaqueNoeud(arcs[static_cast<std::size_t>(k)],
                        [&](std::int32_t i) { arcs_[static_cast<std::size_t>(place[i]++)] = k; });
}

Incidence::Plage Incidence::NoeudsDeCode(std::int64_t code) const {
    auto [bas, haut] = std::equal_range(codesTries_.begin(), codesTries_.end(), code);
    const std::int32_t* base = noeudsTries_.data();
    return {base + (bas - codesTries_.begin()), base + (haut - codesTries_.begin())};
}

}  // namespace vek
