#include "platform/emplacements.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace swl {

using namespace Qt::Literals::StringLiterals;

QString Chemin_Repertoire_Programme() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(u"ORBEL_SWL"_s);
}

QString Chemin_Fichier_Reglages() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(u"ORBEL_SWL/SWL.ini"_s);
}

QStringList Dossiers_Ressources(const QString& dossier_programme) {
    const QDir programme(dossier_programme);
    return {QDir::cleanPath(programme.filePath(u"../share/orbel-swl"_s))};
}

QStringList Dossiers_Ressources() {
    return Dossiers_Ressources(QCoreApplication::applicationDirPath());
}

QStringList Ressources_Manquantes(const QStringList& dossiers) {
    QStringList messages;
    for (const QString& nom : {Fichier_Carte, Fichier_Marqueurs}) {
        if (const Ressource r = Trouve_Ressource(nom, dossiers); r.chemin.isEmpty()) {
            messages.append(r.message);
        }
    }
    return messages;
}

Ressource Trouve_Ressource(const QString& nom, const QStringList& dossiers) {
    for (const QString& d : dossiers) {
        const QString chemin = QDir(d).filePath(nom);
        if (QFileInfo(chemin).isFile()) {
            return {chemin, {}};
        }
    }
    QString ou;
    for (const QString& d : dossiers) {
        ou += u"\n  "_s + QDir::toNativeSeparators(d);
    }
    return {{},
            u"Le fichier «\u00A0"_s + nom + u"\u00A0» est introuvable. ORBEL_SWL l'a cherché dans\u00A0:"_s +
                ou + u"\nRéinstallez le programme pour le retrouver."_s};
}

} // namespace swl
