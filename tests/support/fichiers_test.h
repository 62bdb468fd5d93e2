#pragma once

#include "core/base/acces_fichiers.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace swl::test {

// A program directory of its own, seeded as at first start.
class Dossier_Test {
public:
    Dossier_Test();
    Q_DISABLE_COPY_MOVE(Dossier_Test)

    QTemporaryDir dossier;
    QString repertoire;

    QString Chemin(const QString& nom) const;
    // Writes a file of the program directory, bytes as given.
    void Ecrit(const QString& nom, const QByteArray& octets) const;
    QByteArray Lit(const QString& nom) const;
};

// Lines as the log stores them: Windows-1252, each ended by CR LF.
QByteArray Octets_Log(const QStringList& lignes);

// The log line of a QSO of `a` with `b`.
QString Ligne_QSO(const QString& a, const QString& b, const QString& date, const QString& heure,
                  const QString& bande = QStringLiteral("14 Mhz"),
                  const QString& mode = QStringLiteral("SSB"), const QString& rst_a = QStringLiteral("59"),
                  const QString& rst_b = QStringLiteral("57"));

// A full 114-column log line for a QSO at this date and time.
QString Ligne_Test(const QString& indicatif_a, const QString& date, const QString& heure,
                   const QString& dpt_a = QStringLiteral("75"));

// The system calls of the program's writes, failing on demand as on a full disk: writes stop
// after `limite_octets` bytes in all (the write that reaches it is cut short, later ones fail
// with ENOSPC), and the n-th call (from 1) of an operation named in `echecs` fails. Every call
// is recorded as "ouvre <file name>", "ecrit <n>", "synchronise", "tronque <n>", "mode <octal>",
// "renomme <name> <name>", "ferme". Takes the place of the real calls while it lives.
class Acces_Fichiers_Test final : public Acces_Fichiers {
public:
    Acces_Fichiers_Test();
    Q_DISABLE_COPY_MOVE(Acces_Fichiers_Test)

    long long limite_octets = -1;
    QMap<QString, int> echecs; // operation ("synchronise", "renomme"…) → failing call number
    QStringList appels;

    int Ouvre(const char* chemin, int drapeaux, unsigned mode) override;
    long Ecrit(int fd, const char* octets, std::size_t taille) override;
    int Synchronise(int fd) override;
    int Tronque(int fd, long long taille) override;
    int Change_Mode(int fd, unsigned mode) override;
    int Renomme(const char* ancien, const char* nouveau) override;
    int Ferme(int fd) override;

private:
    bool Echoue(const QString& operation);
    long long ecrits_ = 0;
    QMap<QString, int> comptes_;
    Remplace_Acces_Fichiers remplace_;
};

} // namespace swl::test
