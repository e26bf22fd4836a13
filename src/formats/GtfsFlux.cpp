#include "formats/GtfsFlux.h"

#include <zip.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "formats/Csv.h"

namespace vek {

namespace {

struct FermeZip {
    void operator()(zip_t* z) const { zip_discard(z); }
};
using Zip = std::unique_ptr<zip_t, FermeZip>;

Zip OuvreZip(const std::string& chemin) {
    int erreur = 0;
    Zip z(zip_open(chemin.c_str(), ZIP_RDONLY, &erreur));
    if (!z)
        throw ErreurFlux("Le flux GTFS " + chemin +
                         " n'est ni un dossier ni une archive zip lisible.");
    return z;
}

}  // namespace

FluxGtfs::FluxGtfs(const std::string& chemin) : chemin_(chemin) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::is_directory(chemin, ec)) return;
    if (!fs::exists(chemin, ec)) throw ErreurFlux("Le flux GTFS " + chemin + " est introuvable.");
    archive_ = true;
    Zip z = OuvreZip(chemin);
    // The files at the root; failing that, those of a single folder.
    const zip_int64_t n = zip_get_num_entries(z.get(), 0);
    std::map<std::string, std::string> dansUnDossier;
    for (zip_int64_t i = 0; i < n; ++i) {
        const char* nom = zip_get_name(z.get(), static_cast<zip_uint64_t>(i), 0);
        if (!nom) continue;
        const std::string entree = nom;
        const auto barre = entree.find('/');
        if (barre == std::string::npos)
            entrees_.emplace(entree, entree);
        else if (entree.find('/', barre + 1) == std::string::npos && barre + 1 < entree.size())
            dansUnDossier.emplace(entree.substr(barre + 1), entree);
    }
    for (const auto& [fichier, entree] : dansUnDossier) entrees_.emplace(fichier, entree);
}

bool FluxGtfs::Existe(const std::string& nom) const {
    std::error_code ec;
    return archive_ ? entrees_.count(nom) != 0
                    : std::filesystem::is_regular_file(std::filesystem::path(chemin_) / nom, ec);
}

std::optional<std::string> FluxGtfs::Lit(const std::string& nom) const {
    if (!archive_) {
        const std::filesystem::path p = std::filesystem::path(chemin_) / nom;
        std::error_code ec;
        if (!std::filesystem::is_regular_file(p, ec)) return std::nullopt;
        std::ifstream f(p, std::ios::binary);
        if (!f) throw ErreurFlux("Impossible de lire le fichier : " + p.string());
        return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    }
    const auto k = entrees_.find(nom);
    if (k == entrees_.end()) return std::nullopt;
    Zip z = OuvreZip(chemin_);
    zip_stat_t st;
    zip_stat_init(&st);
    zip_file_t* f = nullptr;
    if (zip_stat(z.get(), k->second.c_str(), 0, &st) == 0 && (st.valid & ZIP_STAT_SIZE))
        f = zip_fopen(z.get(), k->second.c_str(), 0);
    if (!f) throw ErreurFlux("Impossible de lire " + nom + " dans l'archive " + chemin_ + ".");
    std::string octets(static_cast<std::size_t>(st.size), '\0');
    const zip_int64_t lus = zip_fread(f, octets.data(), st.size);
    zip_fclose(f);
    if (lus < 0 || static_cast<zip_uint64_t>(lus) != st.size)
        throw ErreurFlux("Impossible de lire " + nom + " dans l'archive " + chemin_ + ".");
    return octets;
}

}  // namespace vek
