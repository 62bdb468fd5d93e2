#include "platform/verrou_programme.h"

#include "core/base/fichier_texte.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace swl {

using namespace Qt::Literals::StringLiterals;

Verrou_Programme::Verrou_Programme(QString chemin) : chemin_(std::move(chemin)) {}

Verrou_Programme::~Verrou_Programme() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

Verrou_Programme::Etat Verrou_Programme::Prend() {
    fd_ = ::open(QFile::encodeName(chemin_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0) {
        raison_ = Raison_Systeme(errno, {});
        return etat_ = Etat::Impossible;
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const int erreur = errno;
        ::close(fd_);
        fd_ = -1;
        raison_ = Raison_Systeme(erreur, {});
        return etat_ = erreur == EWOULDBLOCK ? Etat::Deja_Ouvert : Etat::Impossible;
    }
    // For whoever looks at the file: which process holds it.
    const QByteArray pid = QByteArray::number(::getpid()) + '\n';
    if (::ftruncate(fd_, 0) == 0) {
        [[maybe_unused]] const auto n = ::pwrite(fd_, pid.constData(), static_cast<size_t>(pid.size()), 0);
    }
    return etat_ = Etat::Pris;
}

QString Verrou_Programme::Message() const {
    switch (etat_) {
    case Etat::Pris:
        return {};
    case Etat::Deja_Ouvert:
        return u"ORBEL_SWL est déjà ouvert.\r\nUtilisez la fenêtre déjà ouverte\u00A0: "_s
               u"deux ORBEL_SWL ouverts en même temps écraseraient leurs changements du journal."_s;
    case Etat::Impossible:
        break;
    }
    return u"ORBEL_SWL ne peut pas créer son fichier de verrou «\u00A0"_s + chemin_ + u"\u00A0»\u00A0: "_s +
           raison_ +
           u".\r\nVérifiez que le dossier de ORBEL_SWL peut être modifié, puis relancez le programme."_s;
}

} // namespace swl
