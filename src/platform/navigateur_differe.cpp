#include "platform/navigateur_differe.h"

#include <QDir>
#include <QLabel>
#include <QPluginLoader>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

// In place of the page when the web module is missing: what happened, and what to do.
class Page_Sans_Module final : public QLabel, public Navigateur {
public:
    Page_Sans_Module(QWidget* parent, const QString& erreur) : QLabel(parent) {
        setObjectName(u"WebBrowser1"_s);
        setWordWrap(true);
        setAlignment(Qt::AlignCenter);
        setMargin(24);
        setText(erreur);
        setAccessibleName(u"Page des statistiques du cluster"_s);
        setAccessibleDescription(erreur);
    }
    QWidget* Vue() override { return this; }
    void Navigue(const QString&) override {}
};

} // namespace

Navigateur* Fabrique_Navigateur_Differee::Nouveau(QWidget* parent) {
    if (!module_ && erreur_.isEmpty()) {
        QPluginLoader chargeur(chemin_);
        module_ = qobject_cast<Fabrique_Navigateur*>(chargeur.instance());
        if (!module_) {
            erreur_ = u"La page du cluster ne peut pas être affichée\u00A0: le module web «\u00A0"_s +
                      QDir::toNativeSeparators(chemin_) + u"\u00A0» n'a pas pu être chargé ("_s +
                      chargeur.errorString() + u"). Réinstallez le programme pour le retrouver."_s;
        }
    }
    if (module_) {
        return module_->Nouveau(parent);
    }
    return new Page_Sans_Module(parent, erreur_);
}

QString Chemin_Module_Web(const QString& dossier_programme) {
    return QDir::cleanPath(QDir(dossier_programme).filePath(u"../lib/orbel-swl/orbel_swl_web.so"_s));
}

} // namespace swl
