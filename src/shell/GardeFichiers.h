#pragma once
// The files a command replaces, kept while it runs so that a cancelled command can put them
// back: each file written over keeps its previous content under a name of its own beside it,
// each new file is noted. Put back, the folder is as the command found it; the command done,
// the previous contents are released. One command is guarded at a time.

#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

namespace vek {

class GardeFichiers {
  public:
    // Guards the files replaced from now on, until Restaure or the end of this object.
    GardeFichiers();
    ~GardeFichiers();
    GardeFichiers(const GardeFichiers&) = delete;
    GardeFichiers& operator=(const GardeFichiers&) = delete;

    // Every file replaced since the start as it was; the new ones removed.
    void Restaure();

    // Called by a writer just before it puts its file in place of `cible` (a regular file
    // or none): nothing when no command is guarded.
    static void AvantRemplacement(const std::filesystem::path& cible);

  private:
    struct Garde {
        std::filesystem::path cible, ancien;  // ancien empty: the file is new
    };
    void Note(const std::filesystem::path& cible);

    std::mutex verrou_;
    std::vector<Garde> gardes_;
};

}  // namespace vek
