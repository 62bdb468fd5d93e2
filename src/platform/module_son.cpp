// The sound part of the program, a module loaded at the first alert sound, so that the program
// starts without mapping Qt Multimedia and its codecs.
#include "platform/sons.h"

#include <QHash>
#include <QSoundEffect>
#include <QUrl>

namespace swl {

class Module_Sons final : public QObject, public Lecteur_Sons {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID Swl_Module_Son_Iid)
    Q_INTERFACES(swl::Lecteur_Sons)
public:
    void Joue_Fichier(const QString& chemin) override {
        QSoundEffect*& effet = effets_[chemin];
        if (!effet) {
            effet = new QSoundEffect(this);
            effet->setSource(QUrl::fromLocalFile(chemin));
            effet->setVolume(0.8f);
        }
        effet->play();
    }

private:
    QHash<QString, QSoundEffect*> effets_;
};

} // namespace swl

#include "module_son.moc"
