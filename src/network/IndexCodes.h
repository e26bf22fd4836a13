#pragma once
// The node of a code: the first node of a table with that code, found through a map.

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "network/Noeud.h"

namespace vek {

class IndexCodes {
  public:
    // Indexes noeuds[1..nombre].
    IndexCodes(const std::vector<Noeud>& noeuds, std::int32_t nombre) {
        index_.reserve(static_cast<std::size_t>(nombre) * 2);
        for (std::int32_t k = 1; k <= nombre; ++k) index_.emplace(noeuds[k].Code, k);
    }
    // The index of the first node with that code, 0 when there is none.
    std::int32_t operator()(std::int64_t code) const {
        auto it = index_.find(code);
        return it == index_.end() ? 0 : it->second;
    }

  private:
    std::unordered_map<std::int64_t, std::int32_t> index_;
};

}  // namespace vek
