#pragma once

#include <cstddef>

namespace swl {

// The system calls through which the program changes its files. Each returns what the POSIX
// call of the same role returns (-1 with errno set on failure). Tests put a double in place of
// the real calls to make a write stop after n bytes, or a given call fail, as on a full disk.
class Acces_Fichiers {
public:
    virtual ~Acces_Fichiers() = default;
    virtual int Ouvre(const char* chemin, int drapeaux, unsigned mode);
    // May write fewer bytes than asked (a short write); the caller writes the rest.
    virtual long Ecrit(int fd, const char* octets, std::size_t taille);
    virtual int Synchronise(int fd);
    virtual int Tronque(int fd, long long taille);
    virtual int Change_Mode(int fd, unsigned mode);
    virtual int Renomme(const char* ancien, const char* nouveau);
    virtual int Ferme(int fd);
};

// The calls in force: the system's, unless a test replaced them.
Acces_Fichiers& Acces_Fichiers_Actuel();

// For tests: `remplacant` takes the place of the system calls while this object lives.
class Remplace_Acces_Fichiers final {
public:
    explicit Remplace_Acces_Fichiers(Acces_Fichiers& remplacant);
    ~Remplace_Acces_Fichiers();
    Remplace_Acces_Fichiers(const Remplace_Acces_Fichiers&) = delete;
    Remplace_Acces_Fichiers& operator=(const Remplace_Acces_Fichiers&) = delete;

private:
    Acces_Fichiers* precedent_;
};

} // namespace swl
