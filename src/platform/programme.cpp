#include "platform/programme.h"

#include <QApplication>
#include <QClipboard>
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

void Programme_Qt::Ouvre_Adresse(const QString& adresse) {
    QDesktopServices::openUrl(QUrl(adresse));
}

void Programme_Qt::Copie(const QString& texte) {
    QGuiApplication::clipboard()->setText(texte);
}

} // namespace swl
