#pragma once
// A team of threads kept for the length of a computation: the caller hands the same task to
// every member and waits for all of them, many times over (once per pivot of a triple loop),
// without starting threads each time.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace vek {

class Equipe {
  public:
    // `taille` members, the calling thread being member 0.
    explicit Equipe(unsigned taille);
    ~Equipe();
    Equipe(const Equipe&) = delete;
    Equipe& operator=(const Equipe&) = delete;

    unsigned Taille() const { return taille_; }
    // Runs tache(m) on every member m and returns when all have finished. Only member 0 (the
    // calling thread, which reports progress) may throw: the others are told to give up
    // (Abandon) and waited for, then the exception goes on.
    void Execute(const std::function<void(unsigned)>& tache);
    // True from the moment member 0 has thrown until the next Execute: the other members'
    // loops stop at their next step.
    bool Abandon() const { return abandon_.load(std::memory_order_relaxed); }

    // The members a computation of that many rows deserves on this machine.
    static unsigned TaillePour(std::int64_t lignes);

  private:
    void Boucle(unsigned membre);
    unsigned taille_;
    std::vector<std::thread> fils_;
    std::mutex verrou_;
    std::condition_variable depart_, fin_;
    const std::function<void(unsigned)>* tache_ = nullptr;
    std::uint64_t generation_ = 0;
    unsigned restants_ = 0;
    bool arret_ = false;
    std::atomic<bool> abandon_{false};
};

}  // namespace vek
