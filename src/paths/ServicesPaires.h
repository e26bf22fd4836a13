#pragma once
// The timetabled services of each ordered pair of nodes: only the pairs that have one are
// stored, each with the indices of its arcs in the order they were recorded.

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace vek {

inline constexpr std::int32_t kMaxServicesParPaire = 110;

class TableServices {
  public:
    void Vide(std::int32_t nbNoeuds) {
        n_ = static_cast<std::int64_t>(nbNoeuds) + 1;
        paires_.clear();
    }
    // Records arc `a` for (i, j); false when the pair already holds `maximum` arcs.
    bool Ajoute(std::int32_t i, std::int32_t j, std::int32_t a,
                std::int32_t maximum = kMaxServicesParPaire) {
        auto& l = paires_[Cle(i, j)];
        if (static_cast<std::int32_t>(l.size()) >= maximum) return false;
        l.push_back(a);
        return true;
    }
    const std::vector<std::int32_t>& De(std::int32_t i, std::int32_t j) const {
        static const std::vector<std::int32_t> vide;
        auto it = paires_.find(Cle(i, j));
        return it == paires_.end() ? vide : it->second;
    }
    std::int32_t NbServicesPaires(std::int32_t i, std::int32_t j) const {
        return static_cast<std::int32_t>(De(i, j).size());
    }
    std::size_t NombrePaires() const { return paires_.size(); }

  private:
    std::int64_t Cle(std::int32_t i, std::int32_t j) const { return i * n_ + j; }
    std::int64_t n_ = 1;
    std::unordered_map<std::int64_t, std::vector<std::int32_t>> paires_;
};

}  // namespace vek
