#include "programme.h"

#include <QApplication>

namespace swl {

void Programme_Qt::Termine() {
    // Leaves every running event loop, modal windows' included.
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

} // namespace swl
