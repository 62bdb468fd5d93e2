// Starts the real program on a virtual X display, as a new user would, and walks through the
// first start: the first-installation message, the callsign, the main window.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

QString Xdotool(const QStringList& arguments) {
    QProcess p;
    p.start(u"xdotool"_s, arguments);
    p.waitForFinished(5000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// How long a window may take to come: a program start under the sanitizers on a busy machine
// is slow. The test waits for the window, never asserts how fast it comes.
constexpr int Attente_Maximale_Ms = 90000;

// The ids of the visible windows whose title matches `motif`, once there are `nombre` of them.
QStringList Attend_Fenetres(const QString& motif, int nombre) {
    QElapsedTimer depuis;
    depuis.start();
    QStringList ids;
    while (depuis.elapsed() < Attente_Maximale_Ms) {
        ids = Xdotool({u"search"_s, u"--onlyvisible"_s, u"--name"_s, motif}).split(u'\n', Qt::SkipEmptyParts);
        if (ids.size() >= nombre) {
            return ids;
        }
        QTest::qWait(100);
    }
    return ids;
}

// The id of the first window whose title matches `motif`.
QString Attend_Fenetre(const QString& motif) {
    return Attend_Fenetres(motif, 1).value(0);
}

void Tape(const QString& fenetre, const QStringList& touches) {
    Xdotool({u"windowfocus"_s, u"--sync"_s, fenetre});
    QTest::qWait(200);
    Xdotool(QStringList{u"key"_s, u"--delay"_s, u"80"_s} + touches);
    QTest::qWait(300);
}

} // namespace

class Tst_E2E : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void premierDemarrage() {
        if (qEnvironmentVariableIsEmpty("DISPLAY")) {
            QSKIP("needs an X display (run under xvfb-run)");
        }
        QTemporaryDir d;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"XDG_DATA_HOME"_s, d.filePath(u"data"_s));
        env.insert(u"XDG_CONFIG_HOME"_s, d.filePath(u"config"_s));
        env.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
        QProcess programme;
        programme.setProcessEnvironment(env);
        programme.start(QStringLiteral(SWL_EXECUTABLE), {});
        QVERIFY(programme.waitForStarted());

        // The first-installation message comes before the main window.
        const QString message = Attend_Fenetre(u"^ORBEL_SWL$"_s);
        QVERIFY2(!message.isEmpty(), "no first-installation message");
        QVERIFY(Xdotool({u"search"_s, u"--onlyvisible"_s, u"--name"_s, u"Revision"_s}).isEmpty());
        const QString rep = d.filePath(u"data/ORBEL_SWL"_s);
        QVERIFY(QFile::exists(rep + u"/FXXXX.txt"_s));
        QVERIFY(QFile::exists(rep + u"/Liste_Prenom.txt"_s));
        QFile ini(d.filePath(u"config/ORBEL_SWL/SWL.ini"_s));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QByteArray attendu = QByteArray("Chemin%20Repertoire=") + QFile::encodeName(rep);
        QVERIFY(ini.readAll().contains(attendu));

        // A second copy refuses to start while this one runs.
        QProcess second;
        second.setProcessEnvironment(env);
        second.start(QStringLiteral(SWL_EXECUTABLE), {});
        QVERIFY(second.waitForStarted());
        // Its message stands beside the first copy's: two boxes titled ORBEL_SWL.
        QCOMPARE(Attend_Fenetres(u"^ORBEL_SWL$"_s, 2).size(), 2);
        QCOMPARE(second.state(), QProcess::Running);
        second.kill();
        second.waitForFinished();

        Tape(message, {u"Return"_s});
        const QString station = Attend_Fenetre(u"^Selection Indicaif$"_s);
        QVERIFY2(!station.isEmpty(), "no station window");
        Tape(station, {u"f"_s, u"1"_s, u"a"_s, u"b"_s, u"c"_s, u"Return"_s, u"Return"_s});
        QVERIFY2(!Attend_Fenetre(u"^  ORBEL_SWL    Revision  1.0.5$"_s).isEmpty(), "no main window");
        QVERIFY(QFile::exists(rep + u"/F1ABC_SWL.log"_s));
        QCOMPARE(programme.state(), QProcess::Running);
        programme.terminate();
        QVERIFY(programme.waitForFinished(Attente_Maximale_Ms));
    }
};

QTEST_GUILESS_MAIN(Tst_E2E)
#include "tst_e2e.moc"
