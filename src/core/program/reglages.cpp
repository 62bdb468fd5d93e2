#include "core/program/reglages.h"

#include "core/base/fichier_texte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <unistd.h>

namespace swl {

using namespace Qt::Literals::StringLiterals;

Reglages::Reglages(const QString& fichier) : store_(fichier, QSettings::IniFormat) {}

QString Reglages::Section_Commune() {
    return u"Setup "_s;
}

QString Reglages::Section_Station(const QString& indicatif) {
    return u"Setup "_s + indicatif;
}

QString Reglages::Lire_Reglage(const QString& section, const QString& cle, const QString& defaut) const {
    store_.beginGroup(section);
    const QVariant v = store_.value(cle);
    store_.endGroup();
    return v.isValid() ? v.toString() : defaut;
}

QString Reglages::Lire_Reglage(const QString& section, const QString& cle, int defaut) const {
    return Lire_Reglage(section, cle, QString::number(defaut));
}

QString Reglages::Lire_Reglage(const QString& section, const QString& cle, bool defaut) const {
    return Lire_Reglage(section, cle, defaut ? u"True"_s : u"False"_s);
}

void Reglages::Ecrire_Reglage(const QString& section, const QString& cle, const QString& valeur) {
    store_.beginGroup(section);
    store_.setValue(cle, valeur);
    store_.endGroup();
    // Written at once: a crash later in the run must not lose the choice.
    store_.sync();
}

void Reglages::Ecrire_Reglages(const QString& section, const QList<std::pair<QString, QString>>& valeurs) {
    store_.beginGroup(section);
    for (const auto& [cle, valeur] : valeurs) {
        store_.setValue(cle, valeur);
    }
    store_.endGroup();
    store_.sync();
}

void Reglages::Ecrire_Reglage(const QString& section, const QString& cle, int valeur) {
    Ecrire_Reglage(section, cle, QString::number(valeur));
}

QString Reglages::Raison_Non_Enregistres() const {
    const QFileInfo fichier(store_.fileName());
    if (fichier.isDir()) {
        return Raison_Systeme(EISDIR, {});
    }
    if (store_.status() != QSettings::AccessError && (!fichier.exists() || fichier.isWritable())) {
        return {};
    }
    // The system's own reason: the file, or the nearest folder that exists.
    QString cible = fichier.absoluteFilePath();
    while (!QFileInfo::exists(cible) && QFileInfo(cible).absolutePath() != cible) {
        cible = QFileInfo(cible).absolutePath();
    }
    if (::access(QFile::encodeName(cible).constData(), W_OK) != 0) {
        return Raison_Systeme(errno, {});
    }
    return u"le fichier ne peut pas être écrit"_s;
}

int Reglages::Lire_Index(const QString& section, const QString& cle, int taille) const {
    bool ok = false;
    const int i = Lire_Reglage(section, cle, 0).trimmed().toInt(&ok);
    return ok && i >= 0 && i < taille ? i : 0;
}

QString Dossier_Fichiers(const Reglages& reglages) {
    const QString dossier =
        reglages.Lire_Reglage(Reglages::Section_Commune(), cle::Dossier_Fichiers, QString());
    return !dossier.isEmpty() && QFileInfo(dossier).isDir() ? dossier : QDir::homePath();
}

void Retient_Dossier_Fichiers(Reglages& reglages, const QString& fichier) {
    const QString dossier = QFileInfo(fichier).absolutePath();
    if (reglages.Lire_Reglage(Reglages::Section_Commune(), cle::Dossier_Fichiers, QString()) != dossier) {
        reglages.Ecrire_Reglage(Reglages::Section_Commune(), cle::Dossier_Fichiers, dossier);
    }
}

} // namespace swl
