#include "core/base/acces_fichiers.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace swl {

namespace {

Acces_Fichiers& Systeme() {
    static Acces_Fichiers systeme;
    return systeme;
}

Acces_Fichiers* actuel = nullptr;

} // namespace

int Acces_Fichiers::Ouvre(const char* chemin, int drapeaux, unsigned mode) {
    return ::open(chemin, drapeaux | O_CLOEXEC, static_cast<mode_t>(mode));
}

long Acces_Fichiers::Ecrit(int fd, const char* octets, std::size_t taille) {
    return static_cast<long>(::write(fd, octets, taille));
}

int Acces_Fichiers::Synchronise(int fd) {
    return ::fsync(fd);
}

int Acces_Fichiers::Tronque(int fd, long long taille) {
    return ::ftruncate(fd, static_cast<off_t>(taille));
}

int Acces_Fichiers::Change_Mode(int fd, unsigned mode) {
    return ::fchmod(fd, static_cast<mode_t>(mode));
}

int Acces_Fichiers::Renomme(const char* ancien, const char* nouveau) {
    return std::rename(ancien, nouveau);
}

int Acces_Fichiers::Ferme(int fd) {
    return ::close(fd);
}

Acces_Fichiers& Acces_Fichiers_Actuel() {
    return actuel ? *actuel : Systeme();
}

Remplace_Acces_Fichiers::Remplace_Acces_Fichiers(Acces_Fichiers& remplacant) : precedent_(actuel) {
    actuel = &remplacant;
}

Remplace_Acces_Fichiers::~Remplace_Acces_Fichiers() {
    actuel = precedent_;
}

} // namespace swl
