// The awards window's claim list: the CSV and the PDF to send to the award manager.
#include "core/base/fichier_texte.h"
#include "core/base/texte_1252.h"
#include "core/program/horloge.h"
#include "core/program/reglages.h"
#include "core/program/textes_programme.h"
#include "core/reports/demande_diplome.h"
#include "platform/boites_message.h"
#include "platform/choix_fichier.h"
#include "platform/imprimante.h"
#include "views/fenetre_diplomes.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

QString Nom_Diplome(Diplome d) {
    return d == Diplome::DDFM ? u"DDFM"_s : d == Diplome::Pays ? u"Pays"_s : u"WAC"_s;
}

} // namespace

void Fenetre_Diplomes::Demande_Click() {
    const Diplome d = Diplome_Choisi();
    const Compte_Diplome& c = comptes_.De(d);
    const Lignes_Log& log = journal_();
    const Filtre_Diplome f = Filtre();
    const QList<Ligne_Demande> lignes = Liste_Demande(c, log, f);
    if (lignes.isEmpty()) {
        services_.messages.Message(
            u"Aucun QSO confirmé ne compte pour ce diplôme avec ces bandes et ce mode\u00A0: "
            u"la liste n'a pas été écrite."_s);
        return;
    }
    const QString indicatif = indicatif_();
    QString chemin = services_.fichiers.Fichier_A_Enregistrer(
        this, u"Liste pour la demande"_s,
        QDir(Dossier_Fichiers(services_.reglages))
            .filePath(indicatif + u"_Demande_"_s + Nom_Diplome(d) + u".pdf"_s),
        u"PDF (*.pdf)"_s);
    if (chemin.isEmpty()) {
        return;
    }
    Retient_Dossier_Fichiers(services_.reglages, chemin);
    if (QFileInfo(chemin).suffix().compare(u"pdf"_s, Qt::CaseInsensitive) != 0) {
        chemin += u".pdf"_s;
    }
    const QFileInfo pdf(chemin);
    const QString csv = pdf.completeBaseName() + u".csv"_s;
    const Entete_Demande entete{Indicatif_Affiche(indicatif), services_.horloge.Maintenant_Local().date(),
                                Seuil_Diplome(d, f, Reglage())};
    // The CSV first, then the PDF: each file whole or not at all; a PDF that fails takes back
    // the CSV it would have gone with.
    const bool csv_existait = QFileInfo::exists(QDir(pdf.absolutePath()).filePath(csv));
    const Resultat r_csv = Ecrit_Fichier_Atomique(pdf.absolutePath(), u"."_s + csv + u".tmp"_s, csv,
                                                  CSV_Demande(c, log, f, lignes, entete));
    if (!r_csv) {
        services_.messages.Message(u"La liste pour la demande n'a pas été enregistrée.\r\n"_s +
                                   r_csv.message);
        return;
    }
    const QList<Page_Document> pages = Pages_Demande(c, log, f, lignes, entete);
    const Resultat r_pdf = services_.imprimante.Vers_Pdf(
        chemin, [&pages](Imprimante& imprimante) { Imprime_Pages(imprimante, pages); },
        {u"La liste pour la demande n'a pas été enregistrée"_s,
         u"La liste pour la demande est vide\u00A0: le fichier n'a pas été écrit."_s});
    if (!r_pdf) {
        if (!csv_existait) {
            QFile::remove(QDir(pdf.absolutePath()).filePath(csv));
        }
        services_.messages.Message(r_pdf.message);
        return;
    }
    services_.messages.Message(u"Liste pour la demande enregistrée\u00A0: "_s +
                               Nombre_Francais(lignes.size()) + u" QSO dans «\u00A0"_s + pdf.fileName() +
                               u"\u00A0» et «\u00A0"_s + csv + u"\u00A0»."_s);
}

} // namespace swl
