#pragma once

#include <QByteArray>
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

// A full 114-column log line for a QSO at this date and time.
QString Ligne_Test(const QString& indicatif_a, const QString& date, const QString& heure,
                   const QString& dpt_a = QStringLiteral("75"));

} // namespace swl::test
