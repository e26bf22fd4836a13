#pragma once
// Matrices as an open matrix file (HDF5): the root attributes OMX_VERSION ("0.2") and SHAPE
// (rows, columns), each matrix as the table /data/NAME (64-bit floats, row i the origin of
// the node i of /lookup/zones), and /lookup/zones the node codes in the network's order. A
// pair out of reach is NaN, and a table that has some says so in its attribute
// `inaccessible`. The file is written beside and put in place whole.

#include <cstdint>
#include <string>
#include <vector>

namespace vek {

struct TableOmx {
    std::string nom;
    std::vector<double> valeurs;  // n x n, row-major, NaN out of reach
};

// False, with the reason, when there is nothing to write or the file cannot be written.
bool EcritOmx(const std::string& fichier, const std::vector<std::int64_t>& codes,
              const std::vector<TableOmx>& tables, std::string& erreur);

}  // namespace vek
