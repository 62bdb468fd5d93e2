#include "views/echange_journal.h"

#include "core/base/fichier_texte.h"
#include "core/base/texte_1252.h"
#include "core/countries/pays.h"
#include "core/exchange/adif.h"
#include "core/log/fichier_log.h"
#include "core/program/horloge.h"
#include "core/program/reglages.h"
#include "core/program/textes_programme.h"
#include "platform/boites_message.h"
#include "platform/choix_fichier.h"

#include <QDir>
#include <QFileInfo>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Filtre_ADI = u"ADIF (*.adi)"_s;
const QString Filtre_ADX = u"ADX, ADIF en XML (*.adx)"_s;
const QString Filtre_CSV = u"CSV pour tableur (*.csv)"_s;

QString Message_Lecture(const QString& nom, int erreur) {
    return u"Le journal «\u00A0"_s + nom + u"\u00A0» ne peut pas être lu (Erreur N° "_s +
           QString::number(erreur) + u")\u00A0: rien n'a été exporté."_s;
}

} // namespace

Echange_Journal::Echange_Journal(const Services& services, QWidget* fenetre)
    : services_(services), fenetre_(fenetre) {}

void Echange_Journal::Exporte(const QString& indicatif) {
    const Fichier_Log log(services_.repertoire, indicatif);
    QString filtre = Filtre_ADI;
    QString chemin = services_.fichiers.Fichier_A_Enregistrer(
        fenetre_, u"Exporter le journal"_s,
        QDir(Dossier_Fichiers(services_.reglages)).filePath(indicatif + u"_SWL.adi"_s),
        Filtre_ADI + u";;"_s + Filtre_ADX + u";;"_s + Filtre_CSV, &filtre);
    if (chemin.isEmpty()) {
        return;
    }
    Retient_Dossier_Fichiers(services_.reglages, chemin);
    // The format is the name's extension, else the filter chosen (whose extension is added).
    QString extension = QFileInfo(chemin).suffix().toLower();
    if (extension != u"adi" && extension != u"adx" && extension != u"csv") {
        extension = filtre == Filtre_ADX ? u"adx"_s : filtre == Filtre_CSV ? u"csv"_s : u"adi"_s;
        chemin += u'.' + extension;
    }
    const Fichier_Log::Lecture lecture = log.Lit_Log();
    if (lecture.erreur != Lecture_Reussie || !lecture.message.isEmpty()) {
        services_.messages.Message(!lecture.message.isEmpty()
                                       ? lecture.message
                                       : Message_Lecture(Fichier_Log::Nom_Log(indicatif), lecture.erreur));
        return;
    }
    const QString section = Reglages::Section_Station(indicatif);
    const Entete_Export entete{
        Indicatif_Affiche(indicatif), services_.reglages.Lire_Reglage(section, cle::Transceiver, QString()),
        services_.reglages.Lire_Reglage(section, cle::Antenne, QString()), services_.horloge.Maintenant_Utc(),
        services_.pays ? services_.pays->Fichier() : nullptr};
    QList<int> ecartees;
    const QByteArray octets = extension == u"adx"   ? Exporte_ADX(lecture.lignes, entete, &ecartees)
                              : extension == u"csv" ? Exporte_CSV(lecture.lignes)
                                                    : Exporte_ADI(lecture.lignes, entete, &ecartees);
    const QFileInfo fichier(chemin);
    const Resultat ecrit = Ecrit_Fichier_Atomique(
        fichier.absolutePath(), u"."_s + fichier.fileName() + u".tmp"_s, fichier.fileName(), octets);
    if (!ecrit) {
        services_.messages.Message(u"Le journal n'a pas été exporté.\r\n"_s + ecrit.message);
        return;
    }
    services_.messages.Message(u"Journal exporté\u00A0: "_s +
                               QString::number(lecture.lignes.Nombre() - ecartees.size()) +
                               u" QSO dans le fichier «\u00A0"_s + fichier.fileName() + u"\u00A0»."_s +
                               Texte_Lignes_Ecartees(ecartees));
}

Bilan_Import Echange_Journal::Importe(const QString& indicatif, const std::function<void()>& avant_import) {
    const QString chemin = services_.fichiers.Fichier_A_Ouvrir(
        fenetre_, u"Importer un journal ADIF"_s, Dossier_Fichiers(services_.reglages),
        u"Journaux ADIF (*.adi *.adif *.adx);;Tous les fichiers (*)"_s);
    if (chemin.isEmpty()) {
        return {};
    }
    Retient_Dossier_Fichiers(services_.reglages, chemin);
    const QString nom = QFileInfo(chemin).fileName();
    const Lecture_Fichier fichier = Lit_Fichier(chemin);
    if (fichier.erreur != Lecture_Reussie) {
        services_.messages.Message(u"Le fichier «\u00A0"_s + nom +
                                   u"\u00A0» ne peut pas être lu (Erreur N° "_s +
                                   QString::number(fichier.erreur) + u")\u00A0: rien n'a été importé."_s);
        return {};
    }
    const bool adx = QFileInfo(chemin).suffix().compare(u"adx"_s, Qt::CaseInsensitive) == 0 ||
                     Sans_Espaces_Autour(fichier.contenu).startsWith("<?xml"); // no copy of the file
    Bilan_Import bilan;
    // The copies of the log are made only when the merge will write.
    services_.messages.Avec_Progression(u"Import du fichier «\u00A0"_s + nom + u"\u00A0»…"_s,
                                        [&](const Boites_Message::Avance& avance) {
                                            bilan = Importe_ADIF(Fichier_Log(services_.repertoire, indicatif),
                                                                 fichier.contenu, adx, avance, avant_import);
                                        });
    QString texte = Texte_Bilan(bilan, nom, 20);
    if (!bilan.annule) {
        // The whole summary, every refused record listed, beside the logs.
        const QString rapport = u"Import_ADIF_"_s +
                                services_.horloge.Maintenant_Local().toString(u"dd_MM_yy_HHmmss"_s) +
                                u".txt"_s;
        if (Ecrit_Fichier_Atomique(services_.repertoire, Nom_Temporaire, rapport,
                                   Octets_Rapport_Import(bilan, nom))) {
            texte += u"\r\nRapport complet\u00A0: "_s + rapport;
        }
    }
    services_.messages.Message(texte);
    return bilan;
}

} // namespace swl
