#include "platform/programme.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

namespace swl {

void Programme_Qt::Termine() {
    // Leaves every running event loop, modal windows' included.
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

void Programme_Qt::Ouvre_Dossier(const QString& chemin) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(chemin));
}

} // namespace swl
