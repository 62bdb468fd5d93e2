#pragma once

#include <QString>

namespace swl {

// Keeps a second copy of the program from running at the same time: two copies would
// overwrite each other's changes to the log. The lock is a system lock held on the file
// while the program runs; the system lets it go when the program ends, crash included, so a
// lock file left behind (empty, unreadable, from a process that has gone) never blocks a start.
class Verrou_Programme final {
public:
    enum class Etat { Pris, Deja_Ouvert, Impossible };

    explicit Verrou_Programme(QString chemin);
    ~Verrou_Programme();
    Verrou_Programme(const Verrou_Programme&) = delete;
    Verrou_Programme& operator=(const Verrou_Programme&) = delete;

    Etat Prend();
    // The French message for the user when the lock is not taken.
    QString Message() const;

private:
    QString chemin_;
    int fd_ = -1;
    Etat etat_ = Etat::Impossible;
    QString raison_;
};

} // namespace swl
