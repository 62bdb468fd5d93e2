#include "emplacements.h"

#include <QDir>
#include <QStandardPaths>

namespace swl {

using namespace Qt::Literals::StringLiterals;

QString Chemin_Repertoire_Programme() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(u"ORBEL_SWL"_s);
}

QString Chemin_Fichier_Reglages() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(u"ORBEL_SWL/SWL.ini"_s);
}

} // namespace swl
