// The receiver's audio for real: clips written and read back through libsndfile (Opus, WAV),
// their spectrogram, a full disk; then a PulseAudio server of the test's own, a tone sequence
// played into its null sink and recorded from its monitor, the device unplugged and the server
// stopped while recording.
#include "core/audio/clips.h"
#include "platform/enregistreur.h"
#include "platform/moteur_audio_pulse.h"
#include "support/serveur_son.h"

#include <QDateTime>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace swl;
using namespace swl::test;
using namespace Qt::Literals::StringLiterals;

namespace {

// Recording the monitor of the test server's sink, `avant_s` kept before a QSO.
Reglage_Enregistrement Moniteur(int avant_s = 60) {
    Reglage_Enregistrement r;
    r.actif = true;
    r.source = u"recepteur.monitor"_s;
    r.avant_s = avant_s;
    return r;
}

QList<qint16> Echantillons(const QByteArray& s16le) {
    QList<qint16> s(s16le.size() / 2);
    std::memcpy(s.data(), s16le.constData(), std::size_t(s.size()) * 2);
    return s;
}

// The tone heard every 100 ms (its number in the sequence), repeats left out.
QList<int> Tons(const Spectrogramme& sp) {
    QList<int> tons;
    const int colonnes_par_pas = std::max(1, int(100 / sp.pas_ms));
    for (int c = 0; c < sp.colonnes; c += colonnes_par_pas) {
        int meilleure = 0;
        for (int l = 1; l < sp.lignes; ++l) {
            if (sp.Valeur(c, l) > sp.Valeur(c, meilleure)) {
                meilleure = l;
            }
        }
        if (sp.Valeur(c, meilleure) < -40) {
            continue; // silence
        }
        const int ton = int(std::lround((meilleure * sp.hz_par_ligne - 500) / 250));
        if (tons.isEmpty() || tons.last() != ton) {
            tons << ton;
        }
    }
    return tons;
}

} // namespace

class Tst_Son : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ecritEtRelit_data() {
        QTest::addColumn<int>("format");
        QTest::newRow("Opus") << int(Format_Clip::Opus);
        QTest::newRow("WAV") << int(Format_Clip::Wav);
    }
    // Three seconds of tones: read back at their length (20 ms), each tone at its second.
    void ecritEtRelit() {
        QFETCH(int, format);
        QTemporaryDir d;
        Moteur_Audio_Pulse m;
        const QList<qint16> sons = Echantillons(Serveur_Son::Suite_De_Tons(3));
        const QString chemin = d.filePath(u"clip.son"_s);
        QVERIFY(m.Ecrit_Son(chemin, sons, 16000, Format_Clip(format)));
        QCOMPARE(QDir(d.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"clip.son"_s});
        const Son_Lu lu = m.Lit_Son(chemin);
        QCOMPARE(lu.erreur, QString());
        QVERIFY2(std::abs(lu.echantillons.size() * 1000 / lu.frequence - 3000) <= 20,
                 qPrintable(QString::number(lu.echantillons.size())));
        const Spectrogramme sp = m.Calcule_Spectrogramme(lu.echantillons, lu.frequence);
        QCOMPARE(sp.lignes, 128);
        QCOMPARE(Tons(sp), (QList<int>{0, 1, 2}));
        // The bright row of the middle of the second tone is 750 Hz.
        const int c = int(1500 / sp.pas_ms);
        int meilleure = 0;
        for (int l = 0; l < sp.lignes; ++l) {
            meilleure = sp.Valeur(c, l) > sp.Valeur(c, meilleure) ? l : meilleure;
        }
        QVERIFY2(std::abs(meilleure * sp.hz_par_ligne - 750) <= sp.hz_par_ligne,
                 qPrintable(QString::number(meilleure)));
    }

    // A disk that fills up while the clip is written: no file left, the reason said.
    void disquePlein() {
        QTemporaryDir d;
        Moteur_Audio_Pulse m;
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit avant{};
        getrlimit(RLIMIT_FSIZE, &avant);
        rlimit petite = avant;
        petite.rlim_cur = 20000;
        setrlimit(RLIMIT_FSIZE, &petite);
        const Resultat r = m.Ecrit_Son(d.filePath(u"clip.wav"_s), Echantillons(Serveur_Son::Suite_De_Tons(3)),
                                       16000, Format_Clip::Wav);
        setrlimit(RLIMIT_FSIZE, &avant);
        QVERIFY(!r);
        QVERIFY2(r.message.contains(u"disque plein"_s), qPrintable(r.message));
        QCOMPARE(QDir(d.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        // A folder that is not there: no file either.
        QVERIFY(!m.Ecrit_Son(d.filePath(u"absent/clip.opus"_s), Echantillons(Serveur_Son::Suite_De_Tons(1)),
                             16000, Format_Clip::Opus));
    }

    // Recording the monitor of the receiver's output: the clip holds the seconds from the
    // pre-roll to the save, in order, none missing.
    void enregistreLeMoniteur() {
        Serveur_Son serveur;
        QVERIFY2(serveur.Demarre(), qPrintable(serveur.Erreur()));
        Moteur_Audio_Pulse moteur;
        const Sources_Son sources = moteur.Sources();
        QCOMPARE(sources.erreur, QString());
        const auto moniteur =
            std::find_if(sources.sources.begin(), sources.sources.end(),
                         [](const Source_Son& s) { return s.nom == u"recepteur.monitor"_s; });
        QVERIFY(moniteur != sources.sources.end());
        QVERIFY(moniteur->moniteur);
        QVERIFY(!moniteur->description.isEmpty());

        Enregistreur e([&moteur](QString*) { return &moteur; });
        const Reglage_Enregistrement r = Moniteur(3);
        e.Applique(r);
        QCOMPARE(e.Statut(), u"démarrage de l'enregistrement…"_s);
        QTRY_VERIFY2(e.En_Capture(), qPrintable(e.Statut()));
        QCOMPARE(e.Statut(), u"enregistrement en cours\u00A0: recepteur.monitor"_s);
        const qint64 joue_ms = QDateTime::currentMSecsSinceEpoch();
        serveur.Joue(Serveur_Son::Suite_De_Tons(10));
        QTest::qWait(6500);
        // The first character typed now, the save two seconds later.
        const qint64 premier_ms = QDateTime::currentMSecsSinceEpoch();
        QTest::qWait(2000);
        const qint64 sauve_ms = QDateTime::currentMSecsSinceEpoch();
        QTemporaryDir d;
        QSignalSpy termine(&e, &Enregistreur::Clip_Termine);
        e.Enregistre_Clip(d.path(), u"2026-12-08_1432_F6ABC_G3XYZ_14Mhz"_s, premier_ms - 3000, sauve_ms);
        QVERIFY(termine.wait(10000));
        QCOMPARE(termine.first().value(1).toString(), QString());
        QCOMPARE(termine.first().value(0).toString(), u"2026-12-08_1432_F6ABC_G3XYZ_14Mhz.opus"_s);
        const Son_Lu lu = moteur.Lit_Son(d.filePath(u"2026-12-08_1432_F6ABC_G3XYZ_14Mhz.opus"_s));
        QVERIFY2(std::abs(lu.echantillons.size() * 1000 / lu.frequence - 5000) <= 300,
                 qPrintable(QString::number(lu.echantillons.size())));
        const QList<int> tons = Tons(moteur.Calcule_Spectrogramme(lu.echantillons, lu.frequence));
        // Five or six tones in a row, none missing, the last one the second of the save.
        QVERIFY2(tons.size() >= 5 && tons.size() <= 6, qPrintable(QString::number(tons.size())));
        for (qsizetype i = 1; i < tons.size(); ++i) {
            QCOMPARE(tons[i], tons[i - 1] + 1);
        }
        // The sequence as it came from the sound server (after its own delay): its first sound.
        const Tampon_Audio::Extrait tout = e.Tampon()->Lit(joue_ms - 1000, sauve_ms);
        const auto premier_son = std::find_if(tout.echantillons.begin(), tout.echantillons.end(),
                                              [](qint16 v) { return std::abs(v) > 1000; });
        QVERIFY(premier_son != tout.echantillons.end());
        const qint64 debut_sons_ms =
            tout.debut_ms + (premier_son - tout.echantillons.begin()) * 1000 / Tampon_Audio::Frequence;
        // The tone of a moment: the one of its second, or its neighbour within 150 ms of a change.
        const auto ton_de = [debut_sons_ms](qint64 ms, int ton) {
            const qint64 dans = ms - debut_sons_ms;
            return ton == dans / 1000 || (ton == (dans - 150) / 1000) || ton == (dans + 150) / 1000;
        };
        QVERIFY2(ton_de(premier_ms - 3000, tons.first()), qPrintable(QString::number(tons.first())));
        QVERIFY2(ton_de(sauve_ms, tons.last()), qPrintable(QString::number(tons.last())));
        e.Applique({});
        QCOMPARE(e.Statut(), u"enregistrement arrêté"_s);
    }

    // A clip played into the sound server for real: its tones are heard in turn on the sink's
    // monitor and the position reaches its end. A server that hangs blocks neither playing nor
    // stopping, and the playback that cannot start says why.
    void lectureDansLeServeur() {
        Serveur_Son serveur;
        QVERIFY2(serveur.Demarre(), qPrintable(serveur.Erreur()));
        Moteur_Audio_Pulse moteur;
        Tampon_Audio tampon(20);
        QVERIFY(moteur.Demarre_Capture(u"recepteur.monitor"_s, &tampon, {}));
        const QList<qint16> clip = Echantillons(Serveur_Son::Suite_De_Tons(3));
        QVERIFY(moteur.Joue(clip, 16000, 0));
        QVERIFY(moteur.En_Lecture());
        QTRY_VERIFY_WITH_TIMEOUT(!moteur.En_Lecture(), 10000);
        QCOMPARE(moteur.Erreur_Lecture(), QString());
        QCOMPARE(moteur.Position(), clip.size());
        QTest::qWait(300);
        moteur.Arrete_Capture();
        const Tampon_Audio::Extrait entendu = tampon.Lit(0, QDateTime::currentMSecsSinceEpoch());
        QCOMPARE(Tons(moteur.Calcule_Spectrogramme(entendu.echantillons, 16000)), (QList<int>{0, 1, 2}));

        serveur.Suspend(true);
        QVERIFY(moteur.Joue(clip, 16000, 0));
        moteur.Arrete_Lecture();
        QVERIFY(!moteur.En_Lecture());
        QVERIFY(moteur.Joue(clip, 16000, 0));
        QTRY_VERIFY_WITH_TIMEOUT(!moteur.En_Lecture(), 10000);
        QVERIFY2(moteur.Erreur_Lecture().startsWith(u"pas de serveur de son"_s),
                 qPrintable(moteur.Erreur_Lecture()));
        serveur.Suspend(false);
    }

    // A sound server that hangs (stopped by a signal): switching recording on returns at once,
    // the status says it is starting, then that the server does not answer; once it answers
    // again, recording starts.
    void serveurQuiNeRepondPas() {
        Serveur_Son serveur;
        QVERIFY2(serveur.Demarre(), qPrintable(serveur.Erreur()));
        Moteur_Audio_Pulse moteur;
        Enregistreur e([&moteur](QString*) { return &moteur; });
        const Reglage_Enregistrement r = Moniteur();
        serveur.Suspend(true);
        e.Applique(r);
        QCOMPARE(e.Statut(), u"démarrage de l'enregistrement…"_s);
        QTRY_VERIFY_WITH_TIMEOUT(e.Statut().startsWith(u"enregistrement impossible\u00A0: "_s), 10000);
        QVERIFY(!e.En_Capture());
        serveur.Suspend(false);
        e.Applique(r);
        QTRY_VERIFY2_WITH_TIMEOUT(e.En_Capture(), qPrintable(e.Statut()), 10000);
    }

    // The sound card unplugged, then the sound server stopped, while recording: said, recording
    // off, never a freeze.
    void appareilRetireEtServeurArrete() {
        Serveur_Son serveur;
        QVERIFY2(serveur.Demarre(), qPrintable(serveur.Erreur()));
        Moteur_Audio_Pulse moteur;
        Enregistreur e([&moteur](QString*) { return &moteur; });
        const Reglage_Enregistrement r = Moniteur();
        e.Applique(r);
        QTRY_VERIFY2(e.En_Capture(), qPrintable(e.Statut()));
        serveur.Pactl({u"unload-module"_s, u"module-null-sink"_s});
        QTRY_VERIFY_WITH_TIMEOUT(!e.En_Capture(), 5000);
        QCOMPARE(e.Statut(),
                 u"enregistrement arrêté\u00A0: la source «\u00A0recepteur.monitor\u00A0» a disparu "
                 u"(appareil débranché\u00A0?)"_s);
        serveur.Pactl({u"load-module"_s, u"module-null-sink"_s, u"sink_name=recepteur"_s});
        e.Applique(r);
        QTRY_VERIFY2(e.En_Capture(), qPrintable(e.Statut()));
        serveur.Arrete();
        QTRY_VERIFY_WITH_TIMEOUT(!e.En_Capture(), 5000);
        QCOMPARE(e.Statut(), u"enregistrement arrêté\u00A0: le serveur de son s'est arrêté"_s);
        e.Applique(r);
        QVERIFY(!e.En_Capture());
        QTRY_VERIFY2(e.Statut().startsWith(u"enregistrement impossible\u00A0: pas de serveur de son"_s),
                     qPrintable(e.Statut()));
        // No clip without a capture.
        QSignalSpy termine(&e, &Enregistreur::Clip_Termine);
        QTemporaryDir d;
        e.Enregistre_Clip(d.path(), u"2026-12-08_1432_F6ABC_G3XYZ_14Mhz"_s, 0, 1000);
        QTest::qWait(100);
        QCOMPARE(termine.size(), 0);
    }
};

QTEST_GUILESS_MAIN(Tst_Son)
#include "tst_son.moc"
