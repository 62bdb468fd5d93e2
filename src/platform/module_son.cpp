// The sound part of the program, a module loaded at the first alert sound, so that the program
// starts without mapping Qt Multimedia and its codecs.
#include "platform/moteur_audio_pulse.h"
#include "platform/sons.h"

#include <QAudioDevice>
#include <QHash>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace swl {

// The alert sounds (Qt Multimedia) and the receiver's audio (the sound server, libsndfile,
// FFTW), in one module loaded on demand.
class Module_Sons final : public QObject, public Lecteur_Sons, public Moteur_Audio {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID Swl_Module_Son_Iid)
    Q_INTERFACES(swl::Lecteur_Sons swl::Moteur_Audio)
public:
    Sources_Son Sources() override { return moteur_.Sources(); }
    Resultat Demarre_Capture(const QString& source, Tampon_Audio* tampon,
                             std::function<void(const QString&)> arret) override {
        return moteur_.Demarre_Capture(source, tampon, std::move(arret));
    }
    void Arrete_Capture() override { moteur_.Arrete_Capture(); }
    Resultat Ecrit_Son(const QString& chemin, const QList<qint16>& echantillons, int frequence,
                       Format_Clip format) override {
        return moteur_.Ecrit_Son(chemin, echantillons, frequence, format);
    }
    Son_Lu Lit_Son(const QString& chemin) override { return moteur_.Lit_Son(chemin); }
    qint64 Duree_Ms(const QString& chemin) override { return moteur_.Duree_Ms(chemin); }
    Spectrogramme Calcule_Spectrogramme(const QList<qint16>& echantillons, int frequence) override {
        return moteur_.Calcule_Spectrogramme(echantillons, frequence);
    }
    Resultat Joue(const QList<qint16>& echantillons, int frequence, qint64 debut) override {
        return moteur_.Joue(echantillons, frequence, debut);
    }
    void Arrete_Lecture() override { moteur_.Arrete_Lecture(); }
    qint64 Position() const override { return moteur_.Position(); }
    bool En_Lecture() const override { return moteur_.En_Lecture(); }
    QString Erreur_Lecture() const override { return moteur_.Erreur_Lecture(); }

    QString Joue_Fichier(const QString& chemin) override {
        // No output (no sound card, the sound server stopped): said, never a silent button.
        if (QMediaDevices::defaultAudioOutput().isNull()) {
            return QStringLiteral(
                "Pas de son\u00A0: aucune sortie son n'est disponible (carte son absente ou "
                "serveur de son arrêté).");
        }
        QSoundEffect*& effet = effets_[chemin];
        if (!effet) {
            effet = new QSoundEffect(this);
            effet->setSource(QUrl::fromLocalFile(chemin));
            effet->setVolume(0.8f);
        }
        effet->play();
        return {};
    }

private:
    QHash<QString, QSoundEffect*> effets_;
    Moteur_Audio_Pulse moteur_;
};

} // namespace swl

#include "module_son.moc"
