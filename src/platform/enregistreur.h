// The receiver's audio kept while recording is on, and the clips written from it: the service
// the entry form and the recording windows call. The sound module (and with it the sound
// server's library, libsndfile and FFTW) is loaded only when recording is switched on or a clip
// is opened: with recording off, start-up maps nothing of it.
#pragma once

#include "core/audio/clips.h"
#include "core/audio/tampon_audio.h"
#include "platform/moteur_audio.h"

#include <QHash>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include <functional>
#include <memory>
#include <optional>

namespace swl {

class Recepteur;

class Enregistreur final : public QObject {
    Q_OBJECT
public:
    // `charge` gives the engine (the module loaded then), or nothing with the reason.
    using Chargeur = std::function<Moteur_Audio*(QString* erreur)>;
    explicit Enregistreur(Chargeur charge, QObject* parent = nullptr);
    ~Enregistreur() override;
    Q_DISABLE_COPY_MOVE(Enregistreur)

    // The engine, loaded at the first call; nothing when the module cannot be loaded (`Erreur`).
    Moteur_Audio* Moteur();
    // The engine when already loaded, else nothing (never loads it).
    Moteur_Audio* Moteur_Charge() const { return moteur_; }
    QString Erreur_Module() const { return erreur_module_; }

    // Starts or stops the capture as the listener chose, off the interface thread (a sound server
    // that hangs freezes nothing); the status says "démarrage de l'enregistrement…", then what
    // came of it.
    void Applique(const Reglage_Enregistrement& r);
    bool En_Capture() const { return en_capture_; }
    const Reglage_Enregistrement& Reglage() const { return reglage_; }
    // "enregistrement en cours : Monitor of Null Output", "enregistrement arrêté", or why not.
    QString Statut() const { return statut_; }
    Tampon_Audio* Tampon() const { return tampon_.get(); }

    // The clip of a QSO just saved: the audio from `debut_ms` to `fin_ms` (UTC, ms) written in
    // `dossier` under the QSO's name `base`, encoded off the interface thread; `Clip_Termine`
    // says how it went. Nothing while no capture runs.
    // With the SDR program's recorder chosen, its recording of the QSO is fetched too.
    void Enregistre_Clip(const QString& dossier, const QString& base, qint64 debut_ms, qint64 fin_ms);

    // Renames the clips of a QSO edited (`Applique_Renommages`), those still being written
    // included: a clip finished after its QSO was edited takes the QSO's new name. What to tell
    // the listener, or nothing.
    QString Renomme_Clips(const QString& dossier, const QList<Renommage_Clip>& renommages);

    // The receiver that carries the SDR program's recorder commands (`AOS`, `LOS`).
    void Fixe_Recepteur(Recepteur* recepteur);
    // The first character of a QSO typed: the SDR program's recorder started, when chosen.
    void Debut_QSO();
    // The QSO typed given up: the SDR program's recorder stopped, its file left where it is.
    void QSO_Abandonne();
    // How long the SDR program's file is waited for once its recorder stopped, in ms.
    int attente_fichier_sdr_ms = 5000;

Q_SIGNALS:
    void Statut_Change(const QString& statut);
    // The clip written (`fichier`, empty when none), and what to tell the listener, or nothing.
    void Clip_Termine(const QString& fichier, const QString& message);

private:
    void Change_Statut(const QString& statut);
    void Capture_Arretee(const QString& raison);
    void Capture_Demarree(quint64 generation, const Resultat& r);
    void Fin_QSO_SDR(const QString& dossier, const QString& base);
    void Reponse_SDR(bool demarre, int erreur);
    // `travail` writes clip `numero` off the interface thread; `Clip_Termine` says how it went.
    void Termine_En_Arriere_Plan(quint64 numero, std::function<std::pair<QString, QString>()> travail);
    // A clip about to be written for the QSO named `base`: its number among those written.
    quint64 Clip_En_Cours(const QString& base);
    void Clip_Abandonne(quint64 numero);

    Chargeur charge_;
    Moteur_Audio* moteur_ = nullptr;
    QString erreur_module_;
    bool charge_essaye_ = false;
    Reglage_Enregistrement reglage_;
    bool en_capture_ = false;
    QString statut_;
    std::shared_ptr<Tampon_Audio> tampon_;
    // The capture's starts and stops, one after the other on a thread of their own; each
    // answer counts only if no other choice came since (`generation_`).
    QThreadPool file_capture_;
    quint64 generation_ = 0;
    bool capture_demandee_ = false;

public:
    // The clips being written, each with the name of its QSO now (an edit renames it), shared
    // with the threads that write them.
    struct Clips_En_Cours {
        QMutex mutex;
        QHash<quint64, QString> bases;
        quint64 suivant = 0;
    };

private:
    std::shared_ptr<Clips_En_Cours> en_cours_ = std::make_shared<Clips_En_Cours>();
    Recepteur* recepteur_ = nullptr;
    // A QSO typed whose recording the SDR program was asked for: `AOS` sent or not and why,
    // then where its clip goes once `LOS` is answered.
    struct Qso_SDR {
        qint64 aos_ms = 0; // the system's clock, as the files' times
        bool aos_envoye = false;
        QString refus;
        bool abandonne = false;
        QString dossier;
        quint64 clip = 0; // its number among the clips being written
        qint64 los_ms = 0;
    };
    std::shared_ptr<Qso_SDR> qso_sdr_; // the QSO being typed
    // The QSOs of the `AOS` and of the `LOS` sent, in their order, waiting for their answer.
    QList<std::shared_ptr<Qso_SDR>> aos_envoyes_;
    QList<std::shared_ptr<Qso_SDR>> los_envoyes_;
};

} // namespace swl
