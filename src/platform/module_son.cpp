// The sound part of the program, a module loaded at the first alert sound, so that the program
// starts without mapping Qt Multimedia and its codecs.
#include "platform/sons.h"

#include <QAudioDevice>
#include <QHash>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace swl {

class Module_Sons final : public QObject, public Lecteur_Sons {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID Swl_Module_Son_Iid)
    Q_INTERFACES(swl::Lecteur_Sons)
public:
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
};

} // namespace swl

#include "module_son.moc"
