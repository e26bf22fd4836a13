#include "shell/GardeFichiers.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>

namespace vek {

namespace {

std::mutex verrouActif;
GardeFichiers* actif = nullptr;
std::atomic<unsigned> numero{0};

}  // namespace

GardeFichiers::GardeFichiers() {
    std::lock_guard<std::mutex> v(verrouActif);
    actif = this;
}

GardeFichiers::~GardeFichiers() {
    {
        std::lock_guard<std::mutex> v(verrouActif);
        if (actif == this) actif = nullptr;
    }
    for (const Garde& g : gardes_)
        if (!g.ancien.empty()) ::unlink(g.ancien.c_str());
}

void GardeFichiers::AvantRemplacement(const std::filesystem::path& cible) {
    std::lock_guard<std::mutex> v(verrouActif);
    if (actif) actif->Note(cible);
}

void GardeFichiers::Note(const std::filesystem::path& cible) {
    std::lock_guard<std::mutex> v(verrou_);
    // The first replacement of a file holds what the command found.
    if (std::any_of(gardes_.begin(), gardes_.end(),
                    [&](const Garde& g) { return g.cible == cible; }))
        return;
    Garde g{cible, {}};
    std::error_code ec;
    if (std::filesystem::is_regular_file(cible, ec)) {
        // A second name for the previous content: the rename that follows leaves it alone.
        g.ancien = cible;
        g.ancien.replace_filename(cible.filename().string() + ".vek-" + std::to_string(::getpid()) +
                                  "-" + std::to_string(numero.fetch_add(1)) + ".avant");
        if (::link(cible.c_str(), g.ancien.c_str()) != 0) {
            std::filesystem::copy_file(cible, g.ancien, ec);
            if (ec) return;  // what cannot be kept cannot be put back: the file is left
        }
    }
    gardes_.push_back(std::move(g));
}

void GardeFichiers::Restaure() {
    {
        std::lock_guard<std::mutex> v(verrouActif);
        if (actif == this) actif = nullptr;
    }
    std::lock_guard<std::mutex> v(verrou_);
    for (auto g = gardes_.rbegin(); g != gardes_.rend(); ++g) {
        if (g->ancien.empty())
            ::unlink(g->cible.c_str());
        else
            ::rename(g->ancien.c_str(), g->cible.c_str());
    }
    gardes_.clear();
}

}  // namespace vek
