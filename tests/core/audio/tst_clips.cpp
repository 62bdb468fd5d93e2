// The receiver's audio kept with the QSOs: the ring buffer (wrap, a pre-roll longer than what
// was heard, a clip across the wrap, one longer than the ring), clip names from log lines, and
// the renames an edit, its undo, a deletion and an import ask; the SDR program's file of a QSO
// and its samples brought to the clips' rate.
#include "core/audio/clips.h"
#include "core/audio/enregistrement_sdr.h"
#include "core/audio/tampon_audio.h"
#include "support/fichiers_test.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <numbers>

using namespace swl;
using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(swl::Fichier_Son)

namespace {

QByteArray Ligne(const QString& a, const QString& b, const QString& date, const QString& heure,
                 const QString& bande, const QString& mode = u"SSB"_s) {
    return test::Ligne_QSO(a, b, date, heure, bande, mode).toLatin1();
}

// Samples numbered from `premier`, one a millisecond's sixteenth: their value says their place.
QList<qint16> Suite(int premier, int nombre) {
    QList<qint16> s;
    for (int i = 0; i < nombre; ++i) {
        s << qint16((premier + i) % 30000);
    }
    return s;
}

// `secondes` of a tone of `hz` at `frequence`, at a quarter of full scale.
QList<qint16> Ton(double hz, int frequence, double secondes) {
    QList<qint16> s;
    for (int i = 0; i < int(secondes * frequence); ++i) {
        s << qint16(8000 * std::sin(2 * std::numbers::pi * hz * i / frequence));
    }
    return s;
}

// The power of `hz` in the samples (one bin of a discrete Fourier transform), over the middle
// second, relative to a full tone of the same amplitude: 0 dB for the tone, far below for others.
double Niveau_Db(const QList<qint16>& s, int frequence, double hz) {
    double re = 0, im = 0;
    const qsizetype debut = s.size() / 2 - frequence / 2;
    for (qsizetype i = debut; i < debut + frequence; ++i) {
        re += s[i] * std::cos(2 * std::numbers::pi * hz * double(i) / frequence);
        im += s[i] * std::sin(2 * std::numbers::pi * hz * double(i) / frequence);
    }
    return 20 * std::log10(std::hypot(re, im) / (8000.0 * frequence / 2) + 1e-12);
}

} // namespace

class Tst_Clips : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A ring of 2 s, written 100 ms at a time, its clock 0 ms at the first sample.
    void tampon_data() {
        QTest::addColumn<int>("ecrits_ms");
        QTest::addColumn<int>("debut_ms");
        QTest::addColumn<int>("fin_ms");
        QTest::addColumn<int>("premier"); // the first sample given, -1: none
        QTest::addColumn<int>("nombre");
        QTest::addColumn<bool>("coupe");
        QTest::newRow("dans le tampon") << 1500 << 500 << 1000 << 8000 << 8000 << false;
        QTest::newRow("avant le premier son, rien de perdu") << 1500 << -3000 << 1000 << 0 << 16000 << false;
        QTest::newRow("à travers le tour") << 3000 << 1500 << 2800 << 24000 << 20800 << false;
        QTest::newRow("plus long que le tampon") << 5000 << 0 << 5000 << 48000 << 32000 << true;
        QTest::newRow("après la fin") << 1500 << 1400 << 9000 << 22400 << 1600 << false;
        QTest::newRow("rien encore") << 0 << 0 << 1000 << -1 << 0 << false;
    }
    void tampon() {
        QFETCH(int, ecrits_ms);
        QFETCH(int, debut_ms);
        QFETCH(int, fin_ms);
        QFETCH(int, premier);
        QFETCH(int, nombre);
        QFETCH(bool, coupe);
        Tampon_Audio t(2);
        for (int ms = 100; ms <= ecrits_ms; ms += 100) {
            const QList<qint16> s = Suite((ms - 100) * 16, 1600);
            t.Ecrit(s.constData(), s.size(), ms);
        }
        const Tampon_Audio::Extrait e = t.Lit(debut_ms, fin_ms);
        QCOMPARE(e.echantillons.size(), nombre);
        QCOMPARE(e.coupe, coupe);
        if (premier >= 0) {
            QCOMPARE(e.echantillons.first(), qint16(premier % 30000));
            QCOMPARE(e.echantillons.last(), qint16((premier + nombre - 1) % 30000));
            QCOMPARE(e.debut_ms, qint64(premier / 16));
        }
    }

    void noms_data() {
        QTest::addColumn<QByteArray>("ligne");
        QTest::addColumn<QString>("nom");
        QTest::newRow("exemple") << Ligne(u"F6ABC"_s, u"G3XYZ"_s, u"08/12/26"_s, u"14:32"_s, u"14 Mhz"_s)
                                 << u"2026-12-08_1432_F6ABC_G3XYZ_14Mhz"_s;
        QTest::newRow("barres") << Ligne(u"EA8/F5ABC/P"_s, u"F/DL1AB"_s, u"01/06/08"_s, u"09:05"_s,
                                         u"7.0 Mhz"_s)
                                << u"2008-06-01_0905_EA8-F5ABC-P_F-DL1AB_7.0Mhz"_s;
        QTest::newRow("27 MHz, 1999")
            << Ligne(u"14RC001"_s, u"14AT2"_s, u"31/12/99"_s, u"23:59"_s, u"27 Mhz"_s)
            << u"1999-12-31_2359_14RC001_14AT2_27Mhz"_s;
        QTest::newRow("sans station B") << Ligne(u"F6ABC"_s, {}, u"08/12/26"_s, u"14:32"_s, u"432 Mhz"_s)
                                        << u"2026-12-08_1432_F6ABC_-_432Mhz"_s;
        QTest::newRow("date illisible")
            << Ligne(u"F6ABC"_s, u"G3XYZ"_s, u"31/02/26"_s, u"14:32"_s, u"14 Mhz"_s) << QString();
        QTest::newRow("heure illisible")
            << Ligne(u"F6ABC"_s, u"G3XYZ"_s, u"08/12/26"_s, u"24:00"_s, u"14 Mhz"_s) << QString();
    }
    void noms() {
        QFETCH(QByteArray, ligne);
        QFETCH(QString, nom);
        QCOMPARE(Nom_Clip(ligne).value_or(QString()), nom);
        if (!nom.isEmpty()) {
            QCOMPARE(Base_Clip(nom + u".opus"_s), nom);
            QCOMPARE(Base_Clip(nom + u"-2.opus"_s), nom);
        }
    }

    // Each field of the name edited, then taken back; the mode and the QSL change nothing; a
    // deletion, an addition and an import rename nothing.
    void renommages_data() {
        QTest::addColumn<QByteArray>("apres");
        QTest::addColumn<QString>("vers");
        const QString de = u"2026-12-08_1432_F6ABC_G3XYZ_14Mhz"_s;
        QTest::newRow("indicatif A") << Ligne(u"F6ABD"_s, u"G3XYZ"_s, u"08/12/26"_s, u"14:32"_s, u"14 Mhz"_s)
                                     << u"2026-12-08_1432_F6ABD_G3XYZ_14Mhz"_s;
        QTest::newRow("indicatif B") << Ligne(u"F6ABC"_s, u"G3XYY"_s, u"08/12/26"_s, u"14:32"_s, u"14 Mhz"_s)
                                     << u"2026-12-08_1432_F6ABC_G3XYY_14Mhz"_s;
        QTest::newRow("date") << Ligne(u"F6ABC"_s, u"G3XYZ"_s, u"09/12/26"_s, u"14:32"_s, u"14 Mhz"_s)
                              << u"2026-12-09_1432_F6ABC_G3XYZ_14Mhz"_s;
        QTest::newRow("heure") << Ligne(u"F6ABC"_s, u"G3XYZ"_s, u"08/12/26"_s, u"14:33"_s, u"14 Mhz"_s)
                               << u"2026-12-08_1433_F6ABC_G3XYZ_14Mhz"_s;
        QTest::newRow("bande") << Ligne(u"F6ABC"_s, u"G3XYZ"_s, u"08/12/26"_s, u"14:32"_s, u"27 Mhz"_s)
                               << u"2026-12-08_1432_F6ABC_G3XYZ_27Mhz"_s;
        QTest::newRow("mode") << Ligne(u"F6ABC"_s, u"G3XYZ"_s, u"08/12/26"_s, u"14:32"_s, u"14 Mhz"_s,
                                       u"CW"_s)
                              << de;
    }
    void renommages() {
        QFETCH(QByteArray, apres);
        QFETCH(QString, vers);
        const QString de = u"2026-12-08_1432_F6ABC_G3XYZ_14Mhz"_s;
        const QByteArray autre =
            Ligne(u"F1AAA"_s, u"F1BBB"_s, u"01/01/20"_s, u"10:00"_s, u"7.0 Mhz"_s) + "\r\n";
        const QByteArray avant =
            autre + Ligne(u"F6ABC"_s, u"G3XYZ"_s, u"08/12/26"_s, u"14:32"_s, u"14 Mhz"_s) + "\r\n" + autre;
        const QByteArray edite = autre + apres + "\r\n" + autre;
        QTemporaryDir d;
        for (const QString& f : QStringList{de + u".opus"_s, de + u"-2.opus"_s}) {
            QFile c(d.filePath(f));
            QVERIFY(c.open(QIODevice::WriteOnly));
            c.write(f.toUtf8());
        }
        // The edit, then its undo: the clips go and come back, their contents with them.
        QCOMPARE(Applique_Renommages(d.path(), Renommages_Clips(Difference_Lignes(avant, edite))), QString());
        QCOMPARE(Fichiers_Clip(d.path(), vers), (QStringList{vers + u".opus"_s, vers + u"-2.opus"_s}));
        QCOMPARE(Applique_Renommages(d.path(), Renommages_Clips(Difference_Lignes(edite, avant))), QString());
        QCOMPARE(Fichiers_Clip(d.path(), de), (QStringList{de + u".opus"_s, de + u"-2.opus"_s}));
        QFile premier(d.filePath(de + u".opus"_s));
        QVERIFY(premier.open(QIODevice::ReadOnly));
        QCOMPARE(premier.readAll(), (de + u".opus"_s).toUtf8());
        // Deleted, added, imported: nothing renamed, nothing deleted.
        QVERIFY(Renommages_Clips(Difference_Lignes(avant, autre + autre)).isEmpty());
        QVERIFY(Renommages_Clips(Difference_Lignes(autre + autre, avant)).isEmpty());
        QVERIFY(Renommages_Clips(Difference_Lignes(avant, avant + autre + edite)).isEmpty());
    }

    // A clip never goes over another file: it keeps its name and the message says so.
    void renommageSansEcraser() {
        QTemporaryDir d;
        for (const QString& f :
             {u"2026-12-08_1432_F6ABC_G3XYZ_14Mhz.opus"_s, u"2026-12-08_1432_F6ABD_G3XYZ_14Mhz.opus"_s}) {
            QFile c(d.filePath(f));
            QVERIFY(c.open(QIODevice::WriteOnly));
        }
        const QString message = Applique_Renommages(
            d.path(), {{u"2026-12-08_1432_F6ABC_G3XYZ_14Mhz"_s, u"2026-12-08_1432_F6ABD_G3XYZ_14Mhz"_s}});
        QVERIFY2(message.contains(u"2026-12-08_1432_F6ABC_G3XYZ_14Mhz.opus"_s), qPrintable(message));
        QCOMPARE(QDir(d.path()).entryList(QDir::Files).size(), 2);
        QCOMPARE(Nom_Nouveau_Clip(d.path(), u"2026-12-08_1432_F6ABC_G3XYZ_14Mhz"_s),
                 u"2026-12-08_1432_F6ABC_G3XYZ_14Mhz-2.opus"_s);
    }

    // Each clip with its QSO, or none ("sans QSO"), the newest first.
    void liste() {
        QTemporaryDir d;
        for (const QString& f :
             {u"2026-12-08_1432_F6ABC_G3XYZ_14Mhz.opus"_s, u"2020-01-01_1000_F1AAA_F1BBB_7.0Mhz.opus"_s,
              u"2026-12-08_1432_F6ABC_G3XYZ_14Mhz-2.opus"_s, u"notes.opus"_s, u"autre.txt"_s}) {
            QFile c(d.filePath(f));
            QVERIFY(c.open(QIODevice::WriteOnly));
        }
        const Lignes_Log log(Ligne(u"F1AAA"_s, u"F1BBB"_s, u"01/01/20"_s, u"10:00"_s, u"7.0 Mhz"_s) + "\r\n" +
                             Ligne(u"F6ABC"_s, u"G3XYZ"_s, u"08/12/26"_s, u"14:32"_s, u"14 Mhz"_s) + "\r\n");
        QStringList lues;
        for (const Clip_Liste& c : Liste_Clips(d.path(), log)) {
            lues << c.fichier + u' ' + QString::number(c.ligne);
        }
        QCOMPARE(lues, (QStringList{u"2026-12-08_1432_F6ABC_G3XYZ_14Mhz-2.opus 1"_s,
                                    u"2026-12-08_1432_F6ABC_G3XYZ_14Mhz.opus 1"_s,
                                    u"2020-01-01_1000_F1AAA_F1BBB_7.0Mhz.opus 0"_s}));
    }

    // The QSO began at 100,000 ms: its file is the WAV last written since (2 s allowed for the
    // clocks of a shared folder), whatever the case of its extension; older ones, other files
    // and nothing written give nothing.
    void fichierSDR_data() {
        QTest::addColumn<QList<Fichier_Son>>("fichiers");
        QTest::addColumn<QString>("attendu");
        const Fichier_Son gqrx{u"gqrx_20261208_143200_14200000.wav"_s, 130'000, 900'000};
        QTest::newRow("celui du QSO")
            << QList<Fichier_Son>{{u"gqrx_20261207_090000_7100000.wav"_s, 50'000, 1}, gqrx} << gqrx.nom;
        QTest::newRow("le plus récent")
            << QList<Fichier_Son>{gqrx, {u"audio_14200000Hz.WAV"_s, 131'000, 1}} << u"audio_14200000Hz.WAV"_s;
        QTest::newRow("horloges décalées") << QList<Fichier_Son>{{u"a.wav"_s, 98'000, 1}} << u"a.wav"_s;
        QTest::newRow("trop ancien") << QList<Fichier_Son>{{u"a.wav"_s, 97'999, 1}} << QString();
        QTest::newRow("pas un WAV") << QList<Fichier_Son>{{u"iq.raw"_s, 130'000, 1},
                                                          {u"a.wav.part"_s, 131'000, 1}}
                                    << QString();
        QTest::newRow("à la même milliseconde") << QList<Fichier_Son>{{u"b.wav"_s, 130'000, 1},
                                                                      {u"c.wav"_s, 130'000, 1},
                                                                      {u"a.wav"_s, 130'000, 1}}
                                                << u"c.wav"_s;
    }
    void fichierSDR() {
        QFETCH(QList<Fichier_Son>, fichiers);
        QFETCH(QString, attendu);
        const auto f = Enregistrement_SDR_Du_QSO(fichiers, 100'000);
        QCOMPARE(f ? f->nom : QString(), attendu);
        // Recorded from 100 s to 160 s: 65 s is still the QSO's, more started before it.
        QVERIFY(!Commence_Avant_Le_QSO(65'000, 100'000, 160'000));
        QVERIFY(Commence_Avant_Le_QSO(65'001, 100'000, 160'000));
    }

    // An SDR program's 48 kHz or 44.1 kHz brought to 16 kHz: the length kept in time, a tone
    // heard kept at its level, one above 8 kHz gone rather than folded back into the band.
    void reechantillonnage_data() {
        QTest::addColumn<int>("de");
        QTest::addColumn<double>("ton");
        QTest::addColumn<double>("entendu"); // where it would be heard at 16 kHz
        QTest::addColumn<bool>("garde");
        QTest::newRow("48 kHz, 1 kHz") << 48000 << 1000.0 << 1000.0 << true;
        QTest::newRow("44,1 kHz, 1 234 Hz") << 44100 << 1234.0 << 1234.0 << true;
        QTest::newRow("48 kHz, 10 kHz replié") << 48000 << 10000.0 << 6000.0 << false;
        QTest::newRow("44,1 kHz, 12 kHz replié") << 44100 << 12000.0 << 4000.0 << false;
    }
    void reechantillonnage() {
        QFETCH(int, de);
        QFETCH(double, ton);
        QFETCH(double, entendu);
        QFETCH(bool, garde);
        const QList<qint16> s = Reechantillonne(Ton(ton, de, 3.0), de, 16000);
        QCOMPARE(s.size(), 48000);
        const double niveau = Niveau_Db(s, 16000, entendu);
        QVERIFY2(garde ? niveau > -1.0 && niveau < 0.5 : niveau < -60, qPrintable(QString::number(niveau)));
        QCOMPARE(Reechantillonne(Ton(ton, 16000, 0.5), 16000, 16000), Ton(ton, 16000, 0.5));
    }
};

QTEST_APPLESS_MAIN(Tst_Clips)
#include "tst_clips.moc"
