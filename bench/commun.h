#pragma once

// What the benchmarks share: a log of many QSOs in a program directory of its own, and
// services that answer without a user.
#include "core/log/fichier_log.h"
#include "core/program/reglages.h"
#include "platform/boites_message.h"
#include "platform/choix_fichier.h"
#include "platform/horloge_systeme.h"
#include "platform/imprimante.h"
#include "platform/navigateur.h"
#include "platform/programme.h"
#include "platform/services.h"

#include <QTemporaryDir>

#include <memory>

namespace swl::bench {

inline const QString Indicatif = QStringLiteral("F1ABC");

// The log line of QSO number i: one QSO every 10 minutes from 2000 on, in order; station A
// "F<i%10>ABC<i%997>", department 10 + i%80, on 7.0 Mhz, every third confirmed.
QString Ligne(int i);

// A callsign of a busy log: many entities, some compound.
QString Indicatif_Varie(int n);
// 99,999 QSOs over 20 years, every band and mode, some 20,000 stations.
QByteArray Journal_Varie();

// A program directory with a log of `n` lines.
struct Log_Test {
    QTemporaryDir dossier;
    QByteArray octets;
    explicit Log_Test(int n);
    QString Chemin() const;
    // Writes the log back as it was made.
    void Restaure() const;
};

class Silence final : public Boites_Message {
public:
    bool oui = false;
    void Message(const QString&) override {}
    bool Question(const QString&) override { return oui; }
    bool Question_Non_Par_Defaut(const QString&) override { return oui; }
    void Avec_Progression(const QString&, const std::function<void(const Avance&)>& travail) override {
        travail([](int) { return true; });
    }
};

class Sans_Navigateur final : public Fabrique_Navigateur {
public:
    Navigateur* Nouveau(QWidget* parent) override;
};

// The file dialog answered without a user: always the same path.
class Fichier_Impose final : public Choix_Fichier {
public:
    QString chemin;
    QString Fichier_A_Enregistrer(QWidget*, const QString&, const QString&, const QString&, QString*) override {
        return chemin;
    }
    QString Fichier_A_Ouvrir(QWidget*, const QString&, const QString&, const QString&) override { return chemin; }
    QString Dossier(QWidget*, const QString&, const QString&) override { return chemin; }
};

// Every service, real but silent, for the station of a Log_Test.
struct Services_Bench {
    QTemporaryDir config;
    std::unique_ptr<Reglages> reglages;
    Silence messages;
    Horloge_Systeme horloge;
    Programme_Qt programme;
    Imprimante_Qt imprimante;
    Sans_Navigateur navigateur;
    Fichier_Impose fichiers_bench;
    std::unique_ptr<Services> services;
    explicit Services_Bench(const QString& repertoire, const QString& pdf = {});
};

// The peak and the present memory of the process, in kB.
long Pic_Memoire_Ko();
long Memoire_Ko();

// Runs the benchmarks of the program, windows drawn off screen.
int Lance_Benchmarks(int argc, char** argv);

} // namespace swl::bench
