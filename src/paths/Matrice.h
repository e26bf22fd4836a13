#pragma once
// One dense table for every N x N matrix: one contiguous block, row-major, (i, j) access.
// Network matrices are sized (NbNoeuds + 1) x (NbNoeuds + 1): row and column 0 hold no node.

#include <cassert>
#include <cstddef>
#include <vector>

namespace vek {

template <typename T>
class Matrice {
  public:
    Matrice() = default;
    Matrice(std::size_t lignes, std::size_t colonnes, const T& valeur = T())
        : lignes_(lignes), colonnes_(colonnes), cellules_(lignes * colonnes, valeur) {}

    // Sized 0..n x 0..n, every cell at `valeur`.
    void Dimensionne(std::size_t n, const T& valeur = T()) {
        lignes_ = colonnes_ = n + 1;
        cellules_.assign(lignes_ * colonnes_, valeur);
    }
    void Libere() {
        lignes_ = colonnes_ = 0;
        cellules_.clear();
        cellules_.shrink_to_fit();
    }

    T& operator()(std::size_t i, std::size_t j) {
        assert(i < lignes_ && j < colonnes_);
        return cellules_[i * colonnes_ + j];
    }
    const T& operator()(std::size_t i, std::size_t j) const {
        assert(i < lignes_ && j < colonnes_);
        return cellules_[i * colonnes_ + j];
    }
    T* Ligne(std::size_t i) { return cellules_.data() + i * colonnes_; }
    const T* Ligne(std::size_t i) const { return cellules_.data() + i * colonnes_; }

    std::size_t Lignes() const { return lignes_; }
    std::size_t Colonnes() const { return colonnes_; }
    bool Vide() const { return cellules_.empty(); }

  private:
    std::size_t lignes_ = 0;
    std::size_t colonnes_ = 0;
    std::vector<T> cellules_;
};

}  // namespace vek
