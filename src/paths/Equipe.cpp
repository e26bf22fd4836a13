#include "paths/Equipe.h"

#include <algorithm>
#include <exception>

namespace vek {

Equipe::Equipe(unsigned taille) : taille_(std::max(1u, taille)) {
    for (unsigned m = 1; m < taille_; ++m) fils_.emplace_back([this, m] { Boucle(m); });
}

Equipe::~Equipe() {
    {
        std::lock_guard<std::mutex> l(verrou_);
        arret_ = true;
    }
    depart_.notify_all();
    for (auto& f : fils_) f.join();
}

unsigned Equipe::TaillePour(std::int64_t lignes) {
    if (lignes < 128) return 1;
    return std::max(1u, std::min(std::thread::hardware_concurrency(), 8u));
}

void Equipe::Execute(const std::function<void(unsigned)>& tache) {
    abandon_ = false;
    if (taille_ == 1) {
        tache(0);
        return;
    }
    {
        std::lock_guard<std::mutex> l(verrou_);
        tache_ = &tache;
        restants_ = taille_ - 1;
        ++generation_;
    }
    depart_.notify_all();
    std::exception_ptr erreur;
    try {
        tache(0);
    } catch (...) {
        erreur = std::current_exception();
        abandon_ = true;
    }
    std::unique_lock<std::mutex> l(verrou_);
    fin_.wait(l, [this] { return restants_ == 0; });
    tache_ = nullptr;
    if (erreur) std::rethrow_exception(erreur);
}

void Equipe::Boucle(unsigned membre) {
    std::uint64_t vue = 0;
    for (;;) {
        const std::function<void(unsigned)>* tache;
        {
            std::unique_lock<std::mutex> l(verrou_);
            depart_.wait(l, [&] { return arret_ || generation_ != vue; });
            if (arret_) return;
            vue = generation_;
            tache = tache_;
        }
        (*tache)(membre);
        {
            std::lock_guard<std::mutex> l(verrou_);
            if (--restants_ == 0) fin_.notify_one();
        }
    }
}

}  // namespace vek
