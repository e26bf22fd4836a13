#include "shell/Remplacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

#include "shell/Echecs.h"
#include "shell/Erreurs.h"
#include "shell/GardeFichiers.h"
#include "shell/RaisonSysteme.h"

namespace vek {

namespace {

std::atomic<unsigned> numero{0};

int Ouvre(const std::filesystem::path& chemin, int options) {
    int fd;
    do {
        fd = ::open(chemin.c_str(), options | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

}  // namespace

Remplacement::Remplacement(const std::filesystem::path& cible) : nom_(cible), cible_(cible) {
    struct stat s {};
    if (::lstat(cible.c_str(), &s) == 0 && S_ISLNK(s.st_mode)) {
        // A link is followed: the file it names is replaced and the link stays.
        std::error_code ec;
        std::filesystem::path reel = std::filesystem::weakly_canonical(cible, ec);
        if (!ec) cible_ = reel;
    }
    const bool existe = ::stat(cible_.c_str(), &s) == 0;
    if (existe && !S_ISREG(s.st_mode) && !S_ISDIR(s.st_mode)) {
        enPlace_ = true;
        ecrit_ = cible_;
        fd_ = Ouvre(ecrit_, O_WRONLY | O_CREAT | O_TRUNC);
        if (fd_ < 0) Echoue(errno, true);
        return;
    }
    if (existe && S_ISDIR(s.st_mode)) Echoue(EISDIR, true);
    ancien_ = existe;
    // A file the user made read-only is not replaced behind his back.
    if (existe && ::access(cible_.c_str(), W_OK) != 0) Echoue(errno, true);
    const std::string base = cible_.filename().string() + ".vek-" + std::to_string(::getpid());
    for (;;) {
        ecrit_ = cible_;
        ecrit_.replace_filename(base + "-" + std::to_string(numero.fetch_add(1)) + ".tmp");
        fd_ = Ouvre(ecrit_, O_WRONLY | O_CREAT | O_EXCL);
        if (fd_ >= 0) break;
        if (errno != EEXIST) {
            const int code = errno;
            ecrit_.clear();
            Echoue(code, true);
        }
    }
    if (existe) (void)::fchmod(fd_, s.st_mode & 07777);
}

Remplacement::~Remplacement() {
    if (!termine_) Abandonne();
}

void Remplacement::Abandonne() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!enPlace_ && !ecrit_.empty()) ::unlink(ecrit_.c_str());
    termine_ = true;
}

void Remplacement::Ajoute(std::string_view octets) {
    while (!octets.empty()) {
        const ssize_t n = ::write(fd_, octets.data(), octets.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            Echoue(errno);
        }
        if (n == 0) Echoue(ENOSPC);
        octets.remove_prefix(static_cast<std::size_t>(n));
    }
}

void Remplacement::Cede() {
    if (fd_ >= 0 && ::close(fd_) != 0) {
        fd_ = -1;
        Echoue(errno);
    }
    fd_ = -1;
}

void Remplacement::Termine() {
    if (termine_) return;
    if (!enPlace_) {
        // What the other writer left is flushed through a descriptor of our own.
        if (fd_ < 0) fd_ = Ouvre(ecrit_, O_RDONLY);
        if (fd_ < 0 || ::fsync(fd_) != 0) Echoue(errno);
    }
    if (fd_ >= 0) {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0 && errno != EINTR) Echoue(errno);
    }
    if (!enPlace_) GardeFichiers::AvantRemplacement(cible_);
    if (!enPlace_ && ::rename(ecrit_.c_str(), cible_.c_str()) != 0) Echoue(errno);
    termine_ = true;
}

void Remplacement::Echoue(int code, bool creation) {
    Abandonne();
    SignaleEchec();
    std::string message = std::string(creation ? "Impossible de créer le fichier : "
                                               : "Impossible d'écrire dans le fichier : ") +
                          nom_.string() + " (" + RaisonSysteme(code) + ").";
    if (ancien_) message += " Le fichier précédent est conservé.";
    throw ErreurFichier(message);
}

}  // namespace vek
