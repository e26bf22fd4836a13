#include "formats/ExportOmx.h"

#include <hdf5.h>
#include <unistd.h>

#include <atomic>
#include <cmath>
#include <filesystem>

namespace vek {

namespace {

std::atomic<unsigned> numero{0};

// An HDF5 handle closed with the function that goes with it.
class Poignee {
  public:
    Poignee(hid_t id, herr_t (*ferme)(hid_t)) : id_(id), ferme_(ferme) {}
    ~Poignee() {
        if (id_ >= 0) ferme_(id_);
    }
    Poignee(const Poignee&) = delete;
    Poignee& operator=(const Poignee&) = delete;
    operator hid_t() const { return id_; }
    bool Valide() const { return id_ >= 0; }

  private:
    hid_t id_;
    herr_t (*ferme_)(hid_t);
};

bool AttributTexte(hid_t objet, const char* nom, const std::string& valeur) {
    Poignee type(H5Tcopy(H5T_C_S1), H5Tclose);
    H5Tset_size(type, valeur.size());
    H5Tset_strpad(type, H5T_STR_NULLTERM);
    Poignee espace(H5Screate(H5S_SCALAR), H5Sclose);
    Poignee a(H5Acreate2(objet, nom, type, espace, H5P_DEFAULT, H5P_DEFAULT), H5Aclose);
    return a.Valide() && H5Awrite(a, type, valeur.data()) >= 0;
}

}  // namespace

bool EcritOmx(const std::string& fichier, const std::vector<std::int64_t>& codes,
              const std::vector<TableOmx>& tables, std::string& erreur) {
    const hsize_t n = codes.size();
    if (n == 0 || tables.empty()) {
        erreur = "aucune matrice à écrire";
        return false;
    }
    for (const TableOmx& t : tables)
        if (t.valeurs.size() != n * n) {
            erreur = "la matrice " + t.nom + " n'a pas la taille du réseau";
            return false;
        }
    std::filesystem::path cible(fichier), ecrit(fichier);
    ecrit.replace_filename(cible.stem().string() + ".vek-" + std::to_string(::getpid()) + "-" +
                           std::to_string(numero.fetch_add(1)) + cible.extension().string());
    H5Eset_auto2(H5E_DEFAULT, nullptr, nullptr);  // failures are told here, not printed
    bool ok = false;
    {
        Poignee f(H5Fcreate(ecrit.c_str(), H5F_ACC_TRUNC, H5P_DEFAULT, H5P_DEFAULT), H5Fclose);
        if (!f.Valide()) {
            erreur = "le fichier " + fichier + " ne peut pas être créé";
            return false;
        }
        ok = AttributTexte(f, "OMX_VERSION", "0.2");
        {
            const hsize_t un = 2;
            const std::int32_t forme[2] = {static_cast<std::int32_t>(n),
                                           static_cast<std::int32_t>(n)};
            Poignee espace(H5Screate_simple(1, &un, nullptr), H5Sclose);
            Poignee a(H5Acreate2(f, "SHAPE", H5T_STD_I32LE, espace, H5P_DEFAULT, H5P_DEFAULT),
                      H5Aclose);
            ok = ok && a.Valide() && H5Awrite(a, H5T_NATIVE_INT32, forme) >= 0;
        }
        Poignee data(H5Gcreate2(f, "data", H5P_DEFAULT, H5P_DEFAULT, H5P_DEFAULT), H5Gclose);
        Poignee lookup(H5Gcreate2(f, "lookup", H5P_DEFAULT, H5P_DEFAULT, H5P_DEFAULT), H5Gclose);
        ok = ok && data.Valide() && lookup.Valide();
        {
            Poignee espace(H5Screate_simple(1, &n, nullptr), H5Sclose);
            Poignee zones(H5Dcreate2(lookup, "zones", H5T_STD_I64LE, espace, H5P_DEFAULT,
                                     H5P_DEFAULT, H5P_DEFAULT),
                          H5Dclose);
            ok =
                ok && zones.Valide() &&
                H5Dwrite(zones, H5T_NATIVE_INT64, H5S_ALL, H5S_ALL, H5P_DEFAULT, codes.data()) >= 0;
        }
        const hsize_t dims[2] = {n, n};
        for (const TableOmx& t : tables) {
            if (!ok) break;
            Poignee espace(H5Screate_simple(2, dims, nullptr), H5Sclose);
            Poignee d(H5Dcreate2(data, t.nom.c_str(), H5T_IEEE_F64LE, espace, H5P_DEFAULT,
                                 H5P_DEFAULT, H5P_DEFAULT),
                      H5Dclose);
            ok = d.Valide() && H5Dwrite(d, H5T_NATIVE_DOUBLE, H5S_ALL, H5S_ALL, H5P_DEFAULT,
                                        t.valeurs.data()) >= 0;
            bool trous = false;
            for (double v : t.valeurs) trous = trous || std::isnan(v);
            if (ok && trous) ok = AttributTexte(d, "inaccessible", "NaN : pas de chemin");
        }
        ok = ok && H5Fflush(f, H5F_SCOPE_GLOBAL) >= 0;
    }
    std::error_code ec;
    if (!ok) {
        std::filesystem::remove(ecrit, ec);
        erreur = "le fichier " + fichier + " n'a pas pu être écrit";
        return false;
    }
    std::filesystem::rename(ecrit, cible, ec);
    if (ec) {
        std::filesystem::remove(ecrit, ec);
        erreur = "le fichier " + fichier + " n'a pas pu être mis en place";
        return false;
    }
    return true;
}

}  // namespace vek
