// The short sounds of the alerts: a new department, a new country.
#pragma once

#include "core/reports/index_journal.h"

#include <QObject>
#include <QString>

namespace swl {

class Sons {
public:
    virtual ~Sons() = default;
    // Empty when the sound is played, else why not, in French ("aucune sortie son…").
    virtual QString Joue(Son_Alerte son) = 0;
};

// What the sound module plays: a WAV file of the program's; why not, when it cannot.
class Lecteur_Sons {
public:
    virtual ~Lecteur_Sons() = default;
    virtual QString Joue_Fichier(const QString& chemin) = 0;
};

// The sounds of the program's module `chemin_module` (Qt Multimedia is loaded then, at the
// first sound, never at start-up), from the WAV files of `dossier_sons`. A module or a file
// that cannot be loaded plays nothing, and the program works as before; never the system bell.
class Sons_Module final : public Sons {
public:
    Sons_Module(QString chemin_module, QString dossier_sons);
    QString Joue(Son_Alerte son) override;
    // Why no sound can be played, or empty.
    QString Erreur() const { return erreur_; }

private:
    QString chemin_module_;
    QString dossier_sons_;
    Lecteur_Sons* lecteur_ = nullptr; // owned by Qt's plugin loader, for the whole run
    QString erreur_;
};

class Moteur_Audio;
// The engine of the receiver's audio in the sound module at `chemin_module`, loaded then; nothing
// with the reason in `erreur`.
Moteur_Audio* Charge_Moteur_Audio(const QString& chemin_module, QString* erreur);

// The sound module beside the program: ../lib/orbel-swl/orbel_swl_son.so; its sounds in
// share/orbel-swl/sons.
QString Chemin_Module_Son(const QString& dossier_programme);
// The WAV file of each sound.
QString Nom_Fichier_Son(Son_Alerte son);

} // namespace swl

#define Swl_Module_Son_Iid "fr.orbel.swl.Lecteur_Sons/2"
Q_DECLARE_INTERFACE(swl::Lecteur_Sons, Swl_Module_Son_Iid)
