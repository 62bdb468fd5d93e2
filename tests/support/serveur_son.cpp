#include "support/serveur_son.h"

#include <QFile>
#include <QProcessEnvironment>
#include <QThread>

#include <cmath>
#include <csignal>

namespace swl::test {

using namespace Qt::Literals::StringLiterals;

Serveur_Son::Serveur_Son() = default;

Serveur_Son::~Serveur_Son() {
    Arrete();
}

bool Serveur_Son::Demarre() {
    const QString prise = dossier_.filePath(u"native"_s);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"HOME"_s, dossier_.path());
    env.insert(u"XDG_RUNTIME_DIR"_s, dossier_.path());
    env.insert(u"XDG_CONFIG_HOME"_s, dossier_.path());
    serveur_.setProcessEnvironment(env);
    serveur_.setProcessChannelMode(QProcess::MergedChannels);
    serveur_.start(u"pulseaudio"_s,
                   {u"-n"_s, u"--daemonize=no"_s, u"--exit-idle-time=-1"_s, u"--use-pid-file=no"_s,
                    u"--disable-shm=yes"_s, u"-L"_s, u"module-native-protocol-unix socket="_s + prise,
                    u"-L"_s, u"module-null-sink sink_name=recepteur"_s});
    if (!serveur_.waitForStarted(5000)) {
        erreur_ = u"pulseaudio ne démarre pas : "_s + serveur_.errorString();
        return false;
    }
    qputenv("PULSE_SERVER", QByteArray("unix:") + prise.toUtf8());
    for (int i = 0; i < 100; ++i) {
        if (QFile::exists(prise) && Pactl({u"info"_s}).contains(u"Server Name"_s)) {
            return true;
        }
        QThread::msleep(50);
    }
    erreur_ = u"pulseaudio ne répond pas : "_s + QString::fromUtf8(serveur_.readAll());
    return false;
}

void Serveur_Son::Arrete() {
    if (lecture_.state() != QProcess::NotRunning) {
        lecture_.kill();
        lecture_.waitForFinished(2000);
    }
    if (serveur_.state() != QProcess::NotRunning) {
        serveur_.terminate();
        if (!serveur_.waitForFinished(3000)) {
            serveur_.kill();
            serveur_.waitForFinished(2000);
        }
    }
}

void Serveur_Son::Suspend(bool suspendu) {
    ::kill(pid_t(serveur_.processId()), suspendu ? SIGSTOP : SIGCONT);
}

QString Serveur_Son::Pactl(const QStringList& arguments) const {
    QProcess p;
    p.start(u"pactl"_s, arguments);
    p.waitForFinished(5000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

void Serveur_Son::Joue(const QByteArray& s16le, int latence_ms) {
    lecture_.start(u"pacat"_s,
                   {u"--playback"_s, u"--device=recepteur"_s, u"--format=s16le"_s, u"--rate=16000"_s,
                    u"--channels=1"_s, u"--latency-msec="_s + QString::number(latence_ms)});
    lecture_.waitForStarted(3000);
    lecture_.write(s16le);
    lecture_.closeWriteChannel();
}

void Serveur_Son::Attend_Fin_Lecture() {
    lecture_.waitForFinished(60000);
}

QByteArray Serveur_Son::Suite_De_Tons(int secondes, int frequence) {
    QByteArray o;
    o.reserve(qsizetype(secondes) * frequence * 2);
    for (int k = 0; k < secondes; ++k) {
        for (int i = 0; i < frequence; ++i) {
            const auto v =
                qint16(std::lround(12000 * std::sin(2 * M_PI * Frequence_Du_Ton(k) * i / frequence)));
            o.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
        }
    }
    return o;
}

} // namespace swl::test
