#pragma once
// The files of a GTFS feed, from a folder or a .zip archive (at its root or in one folder).

#include <map>
#include <optional>
#include <string>

namespace vek {

class FluxGtfs {
  public:
    // Opens the folder or the archive; throws ErreurFlux when it is neither.
    explicit FluxGtfs(const std::string& chemin);

    bool Existe(const std::string& nom) const;
    // The bytes of a file of the feed, nothing when the feed has no such file.
    std::optional<std::string> Lit(const std::string& nom) const;

  private:
    std::string chemin_;
    bool archive_ = false;
    std::map<std::string, std::string> entrees_;  // archive: file name -> entry name
};

}  // namespace vek
