#pragma once
// Helpers for the tests: temporary folders and files, fixed-column lines.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <utility>

namespace vek::test {

// A fresh temporary folder, removed with the object.
class DossierTemporaire {
  public:
    DossierTemporaire() {
        std::random_device rd;
        chemin_ = std::filesystem::temp_directory_path() /
                  ("vek-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(chemin_);
    }
    ~DossierTemporaire() {
        std::error_code ec;
        std::filesystem::remove_all(chemin_, ec);
    }
    const std::filesystem::path& Chemin() const { return chemin_; }
    std::string operator/(const std::string& nom) const { return (chemin_ / nom).string(); }

  private:
    std::filesystem::path chemin_;
};

// Changes the working directory for the life of the object.
class DansDossier {
  public:
    explicit DansDossier(const std::filesystem::path& d) : avant_(std::filesystem::current_path()) {
        std::filesystem::current_path(d);
    }
    ~DansDossier() { std::filesystem::current_path(avant_); }

  private:
    std::filesystem::path avant_;
};

inline void EcritOctets(const std::string& chemin, const std::string& octets) {
    std::ofstream f(chemin, std::ios::binary | std::ios::trunc);
    f << octets;
}

inline std::string LitOctets(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

inline std::string Source(const std::string& relatif) {
    return std::string(VEK_SOURCE_DIR) + "/" + relatif;
}

// The bytes of a written file and those of its golden copy under tests/data/golden;
// VEK_REGENERE_GOLDEN=1 writes the copy from the file first.
inline std::pair<std::string, std::string> EtSonModele(const std::string& ecrit,
                                                       const std::string& modele) {
    const std::string chemin = Source("tests/data/golden/" + modele);
    if (std::getenv("VEK_REGENERE_GOLDEN")) {
        std::filesystem::create_directories(std::filesystem::path(chemin).parent_path());
        EcritOctets(chemin, LitOctets(ecrit));
    }
    return {LitOctets(ecrit), LitOctets(chemin)};
}

}  // namespace vek::test
