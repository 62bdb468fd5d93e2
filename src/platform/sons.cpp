// The short sounds of the alerts, played by the program's sound module.
#include "platform/sons.h"

#include "platform/moteur_audio.h"

#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace swl {

using namespace Qt::Literals::StringLiterals;

Sons_Module::Sons_Module(QString chemin_module, QString dossier_sons)
    : chemin_module_(std::move(chemin_module)), dossier_sons_(std::move(dossier_sons)) {}

QString Sons_Module::Joue(Son_Alerte son) {
    if (!lecteur_ && erreur_.isEmpty()) {
        QPluginLoader chargeur(chemin_module_);
        lecteur_ = qobject_cast<Lecteur_Sons*>(chargeur.instance());
        if (!lecteur_) {
            erreur_ = u"le module des sons «\u00A0"_s + QDir::toNativeSeparators(chemin_module_) +
                      u"\u00A0» n'a pas pu être chargé ("_s + chargeur.errorString() + u')';
        }
    }
    const QString fichier = QDir(dossier_sons_).filePath(Nom_Fichier_Son(son));
    if (!lecteur_) {
        return u"Pas de son\u00A0: "_s + erreur_ + u'.';
    }
    if (!QFileInfo(fichier).isFile()) {
        return u"Pas de son\u00A0: le fichier «\u00A0"_s + QDir::toNativeSeparators(fichier) +
               u"\u00A0» manque."_s;
    }
    return lecteur_->Joue_Fichier(fichier);
}

Moteur_Audio* Charge_Moteur_Audio(const QString& chemin_module, QString* erreur) {
    // The same module as the alert sounds': one instance for the whole run.
    QPluginLoader chargeur(chemin_module);
    auto* moteur = qobject_cast<Moteur_Audio*>(chargeur.instance());
    if (!moteur && erreur) {
        *erreur = u"le module des sons «\u00A0"_s + QDir::toNativeSeparators(chemin_module) +
                  u"\u00A0» n'a pas pu être chargé ("_s + chargeur.errorString() + u')';
    }
    return moteur;
}

QString Chemin_Module_Son(const QString& dossier_programme) {
    return QDir::cleanPath(QDir(dossier_programme).filePath(u"../lib/orbel-swl/orbel_swl_son.so"_s));
}

QString Nom_Fichier_Son(Son_Alerte son) {
    return son == Son_Alerte::Nouveau_Departement ? u"nouveau_departement.wav"_s : u"nouveau_pays.wav"_s;
}

} // namespace swl
