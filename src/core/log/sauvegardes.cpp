#include "core/log/sauvegardes.h"

#include "core/base/fichier_texte.h"
#include "core/base/texte_1252.h"
#include "core/log/fiche_qso.h"
#include "core/log/fichier_log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int Jours_Gardes = 14;
constexpr int Mois_Gardes = 12;
constexpr int Avant_Gardees = 10;

} // namespace

Sauvegardes::Sauvegardes(QString repertoire, QString indicatif)
    : repertoire_(std::move(repertoire)), indicatif_(std::move(indicatif)) {}

QString Sauvegardes::Dossier() const {
    return QDir(repertoire_).filePath(Nom_Dossier());
}

std::optional<Sauvegardes::Copie> Sauvegardes::Lit_Nom(const QString& nom) const {
    static const QRegularExpression forme(
        u"^(.+)_SWL_(\\d{4})-(\\d{2})-(\\d{2})(?:_(\\d{2})(\\d{2})(\\d{2})_avant_(import|restauration))?\\.log$"_s);
    const QRegularExpressionMatch m = forme.match(nom);
    if (!m.hasMatch() || m.captured(1) != indicatif_) {
        return std::nullopt;
    }
    const QDate jour(m.captured(2).toInt(), m.captured(3).toInt(), m.captured(4).toInt());
    const QTime heure = m.capturedLength(5)
                            ? QTime(m.captured(5).toInt(), m.captured(6).toInt(), m.captured(7).toInt())
                            : QTime(0, 0);
    if (!jour.isValid() || !heure.isValid()) {
        return std::nullopt;
    }
    Copie c{nom, QDateTime(jour, heure), Sorte::Quotidienne};
    if (m.capturedLength(8)) {
        c.sorte = m.captured(8) == u"import" ? Sorte::Avant_Import : Sorte::Avant_Restauration;
    }
    return c;
}

QList<Sauvegardes::Copie> Sauvegardes::Liste() const {
    QList<Copie> copies;
    for (const QString& nom : QDir(Dossier()).entryList(QDir::Files)) {
        if (const auto c = Lit_Nom(nom)) {
            copies.append(*c);
        }
    }
    std::sort(copies.begin(), copies.end(), [](const Copie& a, const Copie& b) {
        return a.moment != b.moment ? a.moment > b.moment : a.nom > b.nom;
    });
    return copies;
}

QStringList Sauvegardes::A_Supprimer(const QStringList& noms, const QDate& aujourdhui) const {
    QList<Copie> jours;
    QList<Copie> imports;
    QList<Copie> restaurations;
    for (const QString& nom : noms) {
        if (const auto c = Lit_Nom(nom)) {
            (c->sorte == Sorte::Quotidienne    ? jours
             : c->sorte == Sorte::Avant_Import ? imports
                                               : restaurations)
                .append(*c);
        }
    }
    const auto recentes_d_abord = [](const Copie& a, const Copie& b) { return a.moment > b.moment; };
    QStringList partent;
    for (QList<Copie>* l : {&imports, &restaurations}) {
        std::sort(l->begin(), l->end(), recentes_d_abord);
        for (qsizetype i = Avant_Gardees; i < l->size(); ++i) {
            partent << (*l)[i].nom;
        }
    }
    std::sort(jours.begin(), jours.end(), recentes_d_abord);
    // The first copy of each month of the last twelve, this one included.
    const QDate premier_mois = QDate(aujourdhui.year(), aujourdhui.month(), 1).addMonths(-(Mois_Gardes - 1));
    QStringList premieres_du_mois;
    for (qsizetype i = jours.size() - 1; i >= 0; --i) {
        const QDate d = jours[i].moment.date();
        const bool premiere = i == jours.size() - 1 || jours[i + 1].moment.date().month() != d.month() ||
                              jours[i + 1].moment.date().year() != d.year();
        if (premiere && d >= premier_mois) {
            premieres_du_mois << jours[i].nom;
        }
    }
    for (qsizetype i = Jours_Gardes; i < jours.size(); ++i) {
        if (!premieres_du_mois.contains(jours[i].nom)) {
            partent << jours[i].nom;
        }
    }
    return partent;
}

Resultat Sauvegardes::Ecrit_Copie(const QString& nom) const {
    const QString journal = QDir(repertoire_).filePath(Fichier_Log::Nom_Log(indicatif_));
    const Lecture_Fichier l = Lit_Fichier(journal);
    if (l.erreur != Lecture_Reussie) {
        return Resultat::Echec(u"le journal ne peut pas être lu (Erreur N° "_s + QString::number(l.erreur) +
                               u')');
    }
    if (!QDir().mkpath(Dossier())) {
        return Resultat::Echec(u"le dossier «\u00A0"_s + Nom_Dossier() + u"\u00A0» ne peut pas être créé"_s);
    }
    const Resultat r = Ecrit_Fichier_Atomique(Dossier(), u"."_s + nom + u".tmp"_s, nom, l.contenu);
    if (r) {
        QFile::setPermissions(QDir(Dossier()).filePath(nom), QFileInfo(journal).permissions());
    }
    return r;
}

Resultat Sauvegardes::Copie_Du_Jour(const QDate& jour, bool* faite) const {
    if (faite) {
        *faite = false;
    }
    const QString nom = indicatif_ + u"_SWL_"_s + jour.toString(u"yyyy-MM-dd"_s) + u".log"_s;
    if (QFile::exists(QDir(Dossier()).filePath(nom)) ||
        !QFile::exists(QDir(repertoire_).filePath(Fichier_Log::Nom_Log(indicatif_)))) {
        return Resultat::Succes();
    }
    const Resultat r = Ecrit_Copie(nom);
    if (r) {
        if (faite) {
            *faite = true;
        }
        Fait_Le_Menage(jour);
    }
    return r;
}

Resultat Sauvegardes::Copie_Avant(Sorte sorte, const QDateTime& moment, QString* nom) const {
    const QString n = indicatif_ + u"_SWL_"_s + moment.toString(u"yyyy-MM-dd_HHmmss"_s) +
                      (sorte == Sorte::Avant_Import ? u"_avant_import.log"_s : u"_avant_restauration.log"_s);
    if (nom) {
        *nom = n;
    }
    if (!QFile::exists(QDir(repertoire_).filePath(Fichier_Log::Nom_Log(indicatif_)))) {
        return Resultat::Succes();
    }
    const Resultat r = Ecrit_Copie(n);
    if (r) {
        Fait_Le_Menage(moment.date());
    }
    return r;
}

int Sauvegardes::Nombre_QSO(const QString& nom) const {
    const Lecture_Fichier l = Lit_Fichier(QDir(Dossier()).filePath(nom));
    return l.erreur == Lecture_Reussie ? static_cast<int>(Nombre_Lignes(l.contenu)) : -1;
}

Resultat Sauvegardes::Restaure(const QString& nom, const QDateTime& moment, Trace_Journal* trace,
                               QString* copie_avant) const {
    const Lecture_Fichier copie = Lit_Fichier(QDir(Dossier()).filePath(nom));
    if (copie.erreur != Lecture_Reussie) {
        return Resultat::Echec(u"La sauvegarde «\u00A0"_s + nom +
                               u"\u00A0» ne peut pas être lue (Erreur N° "_s + QString::number(copie.erreur) +
                               u").\r\nLe journal n'a pas été modifié."_s);
    }
    const int lignes = static_cast<int>(Nombre_Lignes(copie.contenu));
    if (lignes > Numero_Maximal) {
        return Resultat::Echec(
            u"La sauvegarde «\u00A0"_s + nom +
            u"\u00A0» contient plus de 99\u00A0999 QSO\u00A0: ORBEL_SWL ne peut pas les numéroter.\r\nLe "
            u"journal n'a pas été modifié."_s);
    }
    const QString journal = Fichier_Log::Nom_Log(indicatif_);
    Lecture_Fichier actuel = Lit_Fichier(QDir(repertoire_).filePath(journal));
    if (actuel.erreur == Fichier_Introuvable) {
        actuel = {};
    } else if (actuel.erreur != Lecture_Reussie) {
        return Resultat::Echec(u"Le journal «\u00A0"_s + journal +
                               u"\u00A0» ne peut pas être lu (Erreur N° "_s + QString::number(actuel.erreur) +
                               u").\r\nIl n'a pas été modifié."_s);
    }
    if (const Resultat mis_de_cote = Copie_Avant(Sorte::Avant_Restauration, moment, copie_avant);
        !mis_de_cote) {
        // One sentence says that nothing changed, not the copy's own as well.
        QString raison = mis_de_cote.message;
        if (raison.endsWith(Phrase_Rien_Modifie)) {
            raison.chop(Phrase_Rien_Modifie.size());
        }
        return Resultat::Echec(
            u"Le journal actuel n'a pas pu être mis de côté avant la restauration\u00A0: "_s + raison +
            u"\r\nLe journal n'a pas été modifié."_s);
    }
    const Resultat r = Ecrit_Fichier_Atomique(repertoire_, Nom_Temporaire, journal, copie.contenu);
    if (r && trace) {
        *trace = Trace_Journal::Entre(actuel.contenu, copie.contenu);
        trace->ligne_apres = lignes - 1;
        trace->ligne_avant = static_cast<int>(Nombre_Lignes(actuel.contenu)) - 1;
    }
    return r;
}

void Sauvegardes::Fait_Le_Menage(const QDate& aujourdhui) const {
    QDir dossier(Dossier());
    for (const QString& nom : A_Supprimer(dossier.entryList(QDir::Files), aujourdhui)) {
        dossier.remove(nom);
    }
}

} // namespace swl
