#pragma once
// The files of the fuzz targets: the readers take paths, so each input is written to a
// folder of the process's own, made once and removed at exit.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace vek::fuzz {

class DossierFuzz {
  public:
    DossierFuzz()
        : chemin_(std::filesystem::temp_directory_path() /
                  ("vek-fuzz-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(chemin_);
    }
    ~DossierFuzz() {
        std::error_code ec;
        std::filesystem::remove_all(chemin_, ec);
    }
    const std::filesystem::path& Chemin() const { return chemin_; }
    // Writes `octets` to the file `nom` of the folder; returns its path.
    std::string Ecrit(const std::string& nom, std::string_view octets) const {
        const std::string chemin = (chemin_ / nom).string();
        std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
        f.write(octets.data(), static_cast<std::streamsize>(octets.size()));
        return chemin;
    }

  private:
    std::filesystem::path chemin_;
};

inline const DossierFuzz& Dossier() {
    static const DossierFuzz d;
    return d;
}

inline std::string_view Octets(const std::uint8_t* donnees, std::size_t taille) {
    return {reinterpret_cast<const char*>(donnees), taille};
}

}  // namespace vek::fuzz
