// Recordings from the program's side: a QSO saved keeps the audio from the pre-roll before its
// first character to the save; its clip follows an edit and its undo, stays after a deletion
// ("sans QSO") and is tied back by its undo; a folder that cannot be made leaves the QSO saved
// and says so; the recordings window lists, draws, exports and deletes; the settings window; the
// SDR program's own recorder started at the first character, stopped at the save, its file kept.
#include "core/audio/clips.h"
#include "core/program/reglages.h"
#include "main/main.h"
#include "main/modele_liste_swl.h"
#include "platform/enregistreur.h"
#include "platform/recepteur.h"
#include "station/fenetre_enregistrement.h"
#include "support/doubles.h"
#include "support/moteur_audio_test.h"
#include "support/scene_main.h"
#include "support/serveur_sdr.h"
#include "support/serveur_son.h"
#include "views/fenetre_enregistrements.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSemaphore>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableView>

using namespace swl;
using namespace swl::test;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString Nom_Clip_Qso = u"2026-12-08_1432_F6XYZ_F5ABC_7.0Mhz"_s;

struct Scene_Son {
    Banc b;
    Moteur_Audio_Test moteur;
    Enregistreur enregistreur{[this](QString*) { return &moteur; }};
    std::unique_ptr<Main> w;

    Scene_Son() {
        b.Station_Avec_Log(u"F1ABC"_s, {Ligne_Test(u"F6AAA"_s, u"01/06/08"_s, u"10:00"_s)});
        b.reglages->Ecrire_Reglage(u"Setup F1ABC"_s, cle::Date_Auto, u"Non"_s);
        b.reglages->Ecrire_Reglage(u"Setup F1ABC"_s, cle::Bande_Utilisee, 2);
        b.services.enregistreur = &enregistreur;
        Reglage_Enregistrement r;
        r.actif = true;
        r.source = u"recepteur.monitor"_s;
        r.avant_s = 10;
        Ecrit_Reglage_Enregistrement(*b.reglages, r);
        enregistreur.Applique(r);
        QTRY_VERIFY(enregistreur.En_Capture());
        w = std::make_unique<Main>(b.services);
        w->Form_Load();
        QApplication::setActiveWindow(w.get());
    }
    template <class T = QLineEdit> T* C(const QString& nom) const { return w->findChild<T*>(nom); }
    void Tape(const QString& texte) const {
        for (const QChar c : texte) {
            QTest::sendKeyEvent(QTest::Click, w->focusWidget(), Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        QTest::keyClick(w->focusWidget(), Qt::Key_Return);
    }
    // The audio heard: `secondes` of the tone sequence ending at `fin`, in the ring.
    void Entend(int secondes, const QDateTime& fin) const {
        const QByteArray s = Serveur_Son::Suite_De_Tons(secondes);
        moteur.tampon.load()->Ecrit(reinterpret_cast<const qint16*>(s.constData()), s.size() / 2,
                                    fin.toMSecsSinceEpoch());
    }
    // `a` and F5ABC on 08/12/26 at 14:32, typed from 14:32:00 (or `debut`), saved 20 s later
    // (or given up, the question answered "Non").
    void Saisit_Qso(const QString& a = u"f6xyz"_s, const QTime& debut = QTime(14, 32),
                    bool enregistre = true) {
        b.horloge.utc = QDateTime(QDate(2026, 12, 8), debut, Qt::UTC);
        Tape(a);
        Tape(u"75"_s);
        Tape(u""_s);
        Tape(u""_s);
        Tape(u""_s);
        Tape(u"f5abc"_s);
        Tape(u"13"_s);
        Tape(u""_s);
        Tape(u"08/12/26"_s);
        Tape(u"14:32"_s);
        Tape(u""_s);
        Tape(u""_s);
        Tape(u""_s);
        b.horloge.utc = b.horloge.utc.addSecs(20);
        if (moteur.tampon) {
            Entend(60, b.horloge.utc);
        }
        b.messages.reponses = {enregistre};
        QTest::keyClick(w->focusWidget(), Qt::Key_Return);
    }
    QString Dossier() const { return b.Chemin(u"Enregistrements/F1ABC"_s); }
    // The QSO saved (the second line) opened for editing, its callsign A corrected and saved.
    void Corrige_Indicatif_A(const QString& indicatif) {
        auto* liste = w->findChild<QListView*>(u"Liste_SWL"_s);
        const QRect r = liste->visualRect(w->Modele().index(1, 0));
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, r.center());
        C(u"Ind_A"_s)->setText(indicatif);
        b.messages.reponses = {true};
        QTest::mouseClick(C<QPushButton>(u"Valide_A"_s), Qt::LeftButton);
    }
};

} // namespace

class Tst_Enregistrements_Fenetre : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The clip holds the 10 s before the first character and the 20 s of typing: 30 s, from the
    // 30th second of the 60 heard.
    void clipDuQsoSaisi() {
        Scene_Son s;
        QSignalSpy termine(&s.enregistreur, &Enregistreur::Clip_Termine);
        s.Saisit_Qso();
        QCOMPARE(s.w->Modele().Nombre(), 2);
        QVERIFY(termine.wait(10000));
        QCOMPARE(termine.first().value(0).toString(), Nom_Clip_Qso + u".opus"_s);
        QCOMPARE(termine.first().value(1).toString(), QString());
        const Son_Lu lu = s.moteur.Lit_Son(QDir(s.Dossier()).filePath(Nom_Clip_Qso + u".opus"_s));
        QVERIFY(std::abs(lu.echantillons.size() * 1000 / lu.frequence - 30000) <= 20);
        const Spectrogramme sp = s.moteur.Calcule_Spectrogramme(lu.echantillons, lu.frequence);
        // Its middle second: the 45th of the sequence (tone 45 % 14 at 500 + 250 k Hz).
        const int c = int(14500 / sp.pas_ms);
        int meilleure = 0;
        for (int l = 0; l < sp.lignes; ++l) {
            meilleure = sp.Valeur(c, l) > sp.Valeur(c, meilleure) ? l : meilleure;
        }
        QVERIFY2(std::abs(meilleure * sp.hz_par_ligne - Serveur_Son::Frequence_Du_Ton(44 % 14)) <=
                     sp.hz_par_ligne,
                 qPrintable(QString::number(meilleure * sp.hz_par_ligne)));
        QVERIFY(s.b.messages.textes.size() == 1); // the question alone
        // The next QSO, typed from 14:40: its clip starts 10 s before its own first character.
        termine.clear();
        s.Saisit_Qso(u"g4aaa"_s, QTime(14, 40));
        QVERIFY(termine.wait(10000));
        const Son_Lu second =
            s.moteur.Lit_Son(QDir(s.Dossier()).filePath(termine.first().value(0).toString()));
        QVERIFY2(std::abs(second.echantillons.size() * 1000 / second.frequence - 30000) <= 20,
                 qPrintable(QString::number(second.echantillons.size())));
    }

    // Edited, its clip follows; undone, it comes back; deleted, it stays "sans QSO"; the
    // deletion undone, it is the QSO's again.
    void suitLeQso() {
        Scene_Son s;
        QSignalSpy termine(&s.enregistreur, &Enregistreur::Clip_Termine);
        s.Saisit_Qso();
        QVERIFY(termine.wait(10000));
        const auto existe = [&s](const QString& base) {
            return QFile::exists(QDir(s.Dossier()).filePath(base + u".opus"_s));
        };
        // "Écouter" beside the form for the QSO shown.
        s.w->Selectionne_Ligne(1);
        QVERIFY(s.C<QPushButton>(u"Ecouter_QSO"_s)->isVisibleTo(s.w.get()));
        s.w->Selectionne_Ligne(0);
        QVERIFY(!s.C<QPushButton>(u"Ecouter_QSO"_s)->isVisibleTo(s.w.get()));
        // The callsign corrected.
        s.Corrige_Indicatif_A(u"F6XYY"_s);
        const QString edite = u"2026-12-08_1432_F6XYY_F5ABC_7.0Mhz"_s;
        QVERIFY(existe(edite));
        QVERIFY(!existe(Nom_Clip_Qso));
        s.w->findChild<QAction*>(u"Mnu_Annuler"_s)->trigger();
        QVERIFY(existe(Nom_Clip_Qso));
        QVERIFY(!existe(edite));
        // Deleted: the clip stays, "sans QSO" in the recordings window.
        s.w->Selectionne_Ligne(1);
        s.b.messages.reponses = {true};
        QTest::mouseClick(s.C<QPushButton>(u"Annule_Saisie"_s), Qt::LeftButton);
        QCOMPARE(s.w->Modele().Nombre(), 1);
        QVERIFY(existe(Nom_Clip_Qso));
        s.w->findChild<QAction*>(u"Mnu_Enregistrements"_s)->trigger();
        auto* f = s.w->findChild<Fenetre_Enregistrements*>();
        const QAbstractItemModel* m = f->findChild<QTableView*>(u"Liste_Clips"_s)->model();
        QCOMPARE(m->index(0, 0).data().toString(), u"sans QSO"_s);
        QCOMPARE(m->index(0, 1).data().toString(), u"08/12/2026 14:32"_s);
        s.w->findChild<QAction*>(u"Mnu_Annuler"_s)->trigger();
        QCOMPARE(m->index(0, 0).data().toString(), u"QSO 2 — F6XYZ et F5ABC"_s);
    }

    // The QSO corrected while its clip is still being written: the clip takes its new name.
    void corrigeAvantLaFinDuClip() {
        Scene_Son s;
        QSemaphore ecriture;
        s.moteur.avant_ecriture = [&ecriture] { ecriture.acquire(); };
        QSignalSpy termine(&s.enregistreur, &Enregistreur::Clip_Termine);
        s.Saisit_Qso();
        s.Corrige_Indicatif_A(u"F6XYY"_s);
        QCOMPARE(s.w->Modele().Nombre(), 2);
        ecriture.release();
        QVERIFY(termine.wait(10000));
        QCOMPARE(termine.first().value(0).toString(), u"2026-12-08_1432_F6XYY_F5ABC_7.0Mhz.opus"_s);
        QCOMPARE(QDir(s.Dossier()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{u"2026-12-08_1432_F6XYY_F5ABC_7.0Mhz.opus"_s});
    }

    // The folder cannot be made: the QSO is saved, the clip is not, and the listener is told.
    void dossierImpossible() {
        Scene_Son s;
        QVERIFY(QDir(s.b.repertoire).mkpath(u"."_s));
        QFile bouchon(s.b.Chemin(u"Enregistrements"_s));
        QVERIFY(bouchon.open(QIODevice::WriteOnly));
        bouchon.close();
        QSignalSpy termine(&s.enregistreur, &Enregistreur::Clip_Termine);
        s.Saisit_Qso();
        QVERIFY(termine.wait(10000));
        QCOMPARE(s.w->Modele().Nombre(), 2);
        QTRY_COMPARE(s.b.messages.textes.size(), 2);
        QVERIFY2(s.b.messages.textes[1].startsWith(
                     u"L'enregistrement du QSO n'a pas été écrit\u00A0: le dossier"_s),
                 qPrintable(s.b.messages.textes[1]));
    }

    // The list with its QSO, length and size; the spectrogram bright at the tone; export as
    // WAV; deletion after a question answered "Non" then "Oui".
    void fenetreDesEnregistrements() {
        Scene_Son s;
        QVERIFY(QDir().mkpath(s.Dossier()));
        const QByteArray ton = Serveur_Son::Suite_De_Tons(2);
        QList<qint16> echantillons(ton.size() / 2);
        std::memcpy(echantillons.data(), ton.constData(), std::size_t(ton.size()));
        QVERIFY(s.moteur.Ecrit_Son(QDir(s.Dossier()).filePath(u"2008-06-01_1000_F6AAA_F5XYZ_7.0Mhz.opus"_s),
                                   echantillons, 16000, Format_Clip::Opus));
        s.w->findChild<QAction*>(u"Mnu_Enregistrements"_s)->trigger();
        auto* f = s.w->findChild<Fenetre_Enregistrements*>();
        const QAbstractItemModel* m = f->findChild<QTableView*>(u"Liste_Clips"_s)->model();
        QCOMPARE(m->rowCount(), 1);
        QCOMPARE(m->index(0, 0).data().toString(), u"QSO 1 — F6AAA et F5XYZ"_s);
        QTRY_COMPARE(m->index(0, 2).data().toString(), u"0:02"_s);
        QTRY_VERIFY(f->Clip_Pret());
        // The bright row of the first second: 500 Hz, in a picture whose rows go up from 0 Hz.
        const QImage& image = f->Image_Spectrogramme();
        QCOMPARE(image.height(), 128);
        const int x = image.width() / 4;
        int claire = 0;
        for (int y = 0; y < image.height(); ++y) {
            claire = qGray(image.pixel(x, y)) > qGray(image.pixel(x, claire)) ? y : claire;
        }
        QVERIFY2(std::abs((image.height() - 1 - claire) * 31.25 - 500) <= 31.25,
                 qPrintable(QString::number(claire)));
        // Played, then stopped.
        QTest::mouseClick(f->findChild<QPushButton*>(u"Lecture_Clip"_s), Qt::LeftButton);
        QCOMPARE(f->findChild<QPushButton*>(u"Lecture_Clip"_s)->accessibleName(), u"Arrêter"_s);
        QTest::mouseClick(f->findChild<QPushButton*>(u"Lecture_Clip"_s), Qt::LeftButton);
        QCOMPARE(s.moteur.lectures, (QStringList{u"joue 0"_s, u"arrête"_s}));
        // Exported as WAV: a WAV file of the same length.
        s.b.fichiers.reponses = {s.b.Chemin(u"rapport"_s)};
        s.b.fichiers.filtre_choisi = u"WAV (*.wav)"_s;
        QTest::mouseClick(f->findChild<QPushButton*>(u"Exporte_Clip"_s), Qt::LeftButton);
        QCOMPARE(s.b.messages.textes.last(), u"Enregistrement exporté dans «\u00A0rapport.wav\u00A0»."_s);
        QVERIFY(s.b.Lit(u"rapport.wav"_s).startsWith("RIFF"));
        QCOMPARE(s.moteur.Duree_Ms(s.b.Chemin(u"rapport.wav"_s)), 2000);
        // Deleted after a question whose default is "Non".
        s.b.messages.reponses = {false};
        QTest::mouseClick(f->findChild<QPushButton*>(u"Supprime_Clip"_s), Qt::LeftButton);
        QCOMPARE(m->rowCount(), 1);
        s.b.messages.reponses = {true};
        QTest::mouseClick(f->findChild<QPushButton*>(u"Supprime_Clip"_s), Qt::LeftButton);
        QVERIFY(s.b.messages.textes.last().startsWith(u"(Non par défaut) Supprimer l'enregistrement"_s));
        QCOMPARE(m->rowCount(), 0);
        QVERIFY(QDir(s.Dossier()).entryList(QDir::Files).isEmpty());
    }

    // GQRX or SDR++ records the QSO: `AOS` at the first character, `LOS` at the save, then the
    // WAV it wrote (48 kHz) becomes the QSO's clip (16 kHz), beside the capture's own; an older
    // WAV of the folder is never taken. What cannot be kept says why; a QSO given up stops the
    // recorder and keeps nothing.
    void enregistreurSDR_data() {
        QTest::addColumn<QByteArray>("reponse");
        QTest::addColumn<int>("secondes"); // of the file it writes; 0: none
        QTest::addColumn<bool>("sdr");     // the receiver is an SDR program's server
        QTest::addColumn<bool>("capture");
        QTest::addColumn<bool>("enregistre");
        QTest::addColumn<QStringList>("commandes");
        QTest::addColumn<QStringList>("clips");
        QTest::addColumn<QString>("message");
        const QStringList aos_los = {u"AOS"_s, u"LOS"_s};
        const QString clip = Nom_Clip_Qso + u".opus"_s;
        const QString refus = u"L'enregistrement du QSO par GQRX ou SDR++ n'est pas gardé\u00A0: "_s;
        QTest::newRow("son fichier") << QByteArray("RPRT 0\n") << 2 << true << false << true << aos_los
                                     << QStringList{clip} << QString();
        QTest::newRow("et le son capté") << QByteArray("RPRT 0\n") << 2 << true << true << true << aos_los
                                         << QStringList{Nom_Clip_Qso + u"-2.opus"_s, clip} << QString();
        QTest::newRow("case Recording décochée")
            << QByteArray("RPRT 0\n") << 0 << true << false << true << aos_los << QStringList{}
            << refus + u"aucun fichier WAV n'a été écrit dans «\u00A0"_s;
        QTest::newRow("lancé à la main avant")
            << QByteArray("RPRT 0\n") << 30 << true << false << true << aos_los << QStringList{}
            << refus + u"le fichier le plus récent, «\u00A0gqrx_qso.wav\u00A0», a commencé avant le QSO"_s;
        QTest::newRow("AOS inconnu") << QByteArray("RPRT 1\n") << 2 << true << false << true << aos_los
                                     << QStringList{}
                                     << refus +
                                            u"il a refusé de lancer son enregistreur (paramètre invalide"_s;
        QTest::newRow("pas un programme SDR")
            << QByteArray("RPRT 0\n") << 2 << false << false << true << QStringList{} << QStringList{}
            << refus + u"le récepteur choisi n'est pas un programme SDR"_s;
        QTest::newRow("QSO abandonné")
            << QByteArray("RPRT 0\n") << 2 << true << false << false << aos_los << QStringList{} << QString();
    }
    void enregistreurSDR() {
        QFETCH(QByteArray, reponse);
        QFETCH(int, secondes);
        QFETCH(bool, sdr);
        QFETCH(bool, capture);
        QFETCH(bool, enregistre);
        QFETCH(QStringList, commandes);
        QFETCH(QStringList, clips);
        QFETCH(QString, message);
        Scene_Son s;
        const QString dossier_sdr = s.b.Chemin(u"gqrx"_s);
        QVERIFY(QDir().mkpath(dossier_sdr));
        // A recording of yesterday in the same folder.
        QVERIFY(s.moteur.Ecrit_Son(dossier_sdr + u"/gqrx_ancien.wav"_s, QList<qint16>(16000, 100), 16000,
                                   Format_Clip::Wav));
        QFile ancien(dossier_sdr + u"/gqrx_ancien.wav"_s);
        QVERIFY(ancien.open(QIODevice::ReadWrite));
        QVERIFY(ancien.setFileTime(QDateTime::currentDateTimeUtc().addDays(-1),
                                   QFileDevice::FileModificationTime));
        ancien.close();
        Serveur_SDR gqrx;
        gqrx.reponse_enregistreur = reponse;
        gqrx.enregistreur = [&](bool demarre) {
            if (!demarre && secondes > 0) {
                QList<qint16> ton(48000 * secondes);
                for (qsizetype i = 0; i < ton.size(); ++i) {
                    ton[i] = qint16(8000 * std::sin(2 * M_PI * 1000 * double(i) / 48000));
                }
                QVERIFY(s.moteur.Ecrit_Son(dossier_sdr + u"/gqrx_qso.wav"_s, ton, 48000, Format_Clip::Wav));
            }
        };
        Recepteur recepteur;
        Reglage_Recepteur rr;
        rr.sorte = sdr ? Reglage_Recepteur::Sorte::Rigctld : Reglage_Recepteur::Sorte::Aucun;
        rr.port = gqrx.serveur.serverPort();
        rr.intervalle_ms = 200;
        recepteur.Configure(rr);
        if (sdr) {
            QTRY_VERIFY(recepteur.Connecte());
        }
        s.enregistreur.Fixe_Recepteur(&recepteur);
        s.enregistreur.attente_fichier_sdr_ms = 1500;
        Reglage_Enregistrement r = s.enregistreur.Reglage();
        r.actif = capture;
        r.sdr = true;
        r.dossier_sdr = dossier_sdr;
        s.enregistreur.Applique(r);
        QTRY_COMPARE(s.enregistreur.En_Capture(), capture);
        QTRY_COMPARE(s.moteur.tampon != nullptr, capture);
        QSignalSpy termine(&s.enregistreur, &Enregistreur::Clip_Termine);
        s.Saisit_Qso(u"f6xyz"_s, QTime(14, 32), enregistre);
        QTRY_COMPARE(gqrx.Commandes(), commandes);
        if (enregistre) {
            QTRY_COMPARE_WITH_TIMEOUT(termine.size(), capture ? 2 : 1, 10000);
        }
        QTest::qWait(300);
        QCOMPARE(termine.size(), enregistre ? (capture ? 2 : 1) : 0);
        QStringList messages;
        for (const QList<QVariant>& t : termine) {
            if (!t.value(1).toString().isEmpty()) {
                messages << t.value(1).toString();
            }
        }
        QVERIFY2(message.isEmpty() ? messages.isEmpty()
                                   : messages.size() == 1 && messages[0].startsWith(message),
                 qPrintable(messages.join(u'|')));
        QCOMPARE(QDir(s.Dossier()).entryList(QDir::Files, QDir::Name), clips);
        if (!clips.isEmpty()) {
            // 2 s of 1 kHz at 48 kHz: 2 s at 16 kHz (after the capture's clip, when it has one).
            const Son_Lu lu = s.moteur.Lit_Son(QDir(s.Dossier()).filePath(clips.constFirst()));
            QCOMPARE(lu.frequence, 16000);
            QVERIFY2(std::abs(lu.echantillons.size() - 32000) <= 320,
                     qPrintable(QString::number(lu.echantillons.size())));
        }
        // The SDR program's own files are left where they are.
        QCOMPARE(QFileInfo::exists(dossier_sdr + u"/gqrx_qso.wav"_s), sdr && secondes > 0);
    }

    // "Station → Enregistrement…": the sources of the sound server, outputs said so; each
    // choice kept and applied at once; a capture that cannot start says why.
    void reglages() {
        Scene_Son s;
        s.w->findChild<QAction*>(u"Mnu_Enregistrement"_s)->trigger();
        auto* f = s.w->findChild<Fenetre_Enregistrement*>();
        QTRY_VERIFY(f->Sources_Lues());
        auto* source = f->findChild<QComboBox*>(u"Source_Son"_s);
        QStringList lues;
        for (int i = 0; i < source->count(); ++i) {
            lues << source->itemText(i) + u'=' + source->itemData(i).toString();
        }
        QCOMPARE(lues,
                 (QStringList{u"Source par défaut du serveur de son="_s, u"Carte son USB=alsa_input.usb"_s,
                              u"Monitor of Null Output (sortie)=recepteur.monitor"_s}));
        QCOMPARE(source->itemText(2), u"Monitor of Null Output (sortie)"_s);
        QCOMPARE(source->currentData().toString(), u"recepteur.monitor"_s);
        QTRY_COMPARE(f->findChild<QLabel*>(u"Etat_Enregistrement"_s)->text(),
                     u"enregistrement en cours\u00A0: recepteur.monitor"_s);
        f->findChild<QSpinBox*>(u"Avant_Son"_s)->setValue(120);
        QCOMPARE(s.b.reglages->Lire_Reglage(u"Setup "_s, u"Enregistrement Avant"_s, QString()), u"120"_s);
        QCOMPARE(s.enregistreur.Tampon()->Capacite(), qint64(120 + 600) * 16000);
        QTRY_VERIFY(s.enregistreur.En_Capture());
        s.moteur.refus = u"la source «\u00A0alsa_input.usb\u00A0» ne peut pas être ouverte"_s;
        source->setCurrentIndex(1);
        QTRY_COMPARE(
            f->findChild<QLabel*>(u"Etat_Enregistrement"_s)->text(),
            u"enregistrement impossible\u00A0: la source «\u00A0alsa_input.usb\u00A0» ne peut pas être ouverte"_s);
        QVERIFY(!s.enregistreur.En_Capture());
        f->findChild<QCheckBox*>(u"Enregistrement_Actif"_s)->setChecked(false);
        QCOMPARE(s.b.reglages->Lire_Reglage(u"Setup "_s, u"Enregistrement Actif"_s, QString()), u"Non"_s);
        QCOMPARE(f->findChild<QLabel*>(u"Etat_Enregistrement"_s)->text(), u"enregistrement arrêté"_s);
        // GQRX's or SDR++'s recorder, and the folder of its files chosen.
        s.b.fichiers.reponses = {s.b.Chemin(u"gqrx"_s)};
        QTest::mouseClick(f->findChild<QPushButton*>(u"Choisit_Dossier_SDR"_s), Qt::LeftButton);
        QCOMPARE(s.b.fichiers.appels.last(),
                 u"dossier Dossier des enregistrements de GQRX ou de SDR++ | "_s + QDir::homePath());
        f->findChild<QCheckBox*>(u"Enregistreur_SDR"_s)->setChecked(true);
        QCOMPARE(s.b.reglages->Lire_Reglage(u"Setup "_s, u"Enregistrement SDR"_s, QString()), u"Oui"_s);
        QCOMPARE(s.b.reglages->Lire_Reglage(u"Setup "_s, u"Enregistrement Dossier SDR"_s, QString()),
                 s.b.Chemin(u"gqrx"_s));
        QCOMPARE(s.enregistreur.Reglage().dossier_sdr, s.b.Chemin(u"gqrx"_s));
        QCOMPARE(f->findChild<QLabel*>(u"Etat_Enregistrement"_s)->text(),
                 u"enregistrement confié à GQRX ou SDR++"_s);
        // From the keyboard, in the order they are read.
        QApplication::setActiveWindow(f);
        f->findChild<QCheckBox*>(u"Enregistrement_Actif"_s)->setFocus();
        QStringList ordre;
        for (int i = 0; i < 8; ++i) {
            ordre << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(ordre, (QStringList{u"Enregistrement_Actif"_s, u"Source_Son"_s, u"Actualise_Sources"_s,
                                     u"Avant_Son"_s, u"Enregistreur_SDR"_s, u"Dossier_SDR"_s,
                                     u"Choisit_Dossier_SDR"_s, u"Fermer_Enregistrement"_s}));
    }
};

QTEST_MAIN(Tst_Enregistrements_Fenetre)
#include "tst_enregistrements_fenetre.moc"
