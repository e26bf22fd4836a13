#pragma once
// A file written beside the one it replaces and renamed over it only once complete and
// flushed, so that a write that fails (no right, no folder, no room) leaves the previous file
// as it was. A path that names a device or a pipe is written in place. Failures are thrown as
// ErreurFichier with a message naming the file by its path on this machine and the system's
// reason, and counted (SignaleEchec).

#include <filesystem>
#include <string>
#include <string_view>

namespace vek {

class Remplacement {
  public:
    // Creates the file to write; throws when it cannot be created.
    explicit Remplacement(const std::filesystem::path& cible);
    Remplacement(const Remplacement&) = delete;
    Remplacement& operator=(const Remplacement&) = delete;
    // An unfinished file is removed; the previous one stays.
    ~Remplacement();

    // The file actually written: the temporary file, or the target written in place.
    const std::filesystem::path& Ecrit() const { return ecrit_; }
    void Ajoute(std::string_view octets);
    // Lets another writer fill the file by its name: the descriptor is closed, the file kept.
    void Cede();
    // Flushes the file and puts it in place of the previous one.
    void Termine();
    // Throws the message of a failure of another writer of this file (e.g. after Cede).
    [[noreturn]] void Echoue(int code, bool creation = false);

  private:
    void Abandonne();

    std::filesystem::path nom_;    // the path asked for, named in the messages
    std::filesystem::path cible_;  // the file replaced: the path asked for, links followed
    std::filesystem::path ecrit_;
    int fd_ = -1;
    bool enPlace_ = false;  // written in place (a device, a pipe)
    bool ancien_ = false;   // a previous file is kept on failure
    bool termine_ = false;
};

}  // namespace vek
