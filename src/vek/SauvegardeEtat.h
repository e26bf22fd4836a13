#pragma once
// The program as a command found it: every subsystem's tables and the shell's settings,
// menus and panel, taken before a command that may be cancelled runs, and put back when it
// is. The files the command replaced are put back beside it (GardeFichiers).

#include <memory>

namespace vek {

struct Etat;

class SauvegardeEtat {
  public:
    explicit SauvegardeEtat(const Etat& e);
    ~SauvegardeEtat();
    SauvegardeEtat(const SauvegardeEtat&) = delete;
    SauvegardeEtat& operator=(const SauvegardeEtat&) = delete;

    void Restaure(Etat& e) const;

  private:
    struct Copie;
    std::unique_ptr<Copie> copie_;
};

}  // namespace vek
