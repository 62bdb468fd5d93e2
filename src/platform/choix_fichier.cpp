#include "platform/choix_fichier.h"

#include "core/base/texte_1252.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QTreeView>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

// Qt's translations leave the kind of a file in English ("Folder", "ADI File") and the sizes
// and dates follow the system's locale: the columns of the dialog written in French.
class Colonnes_En_Francais final : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* fichiers = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || !fichiers || index.column() < 1 || index.column() > 3) {
            return QIdentityProxyModel::data(index, role);
        }
        const QFileInfo info = fichiers->fileInfo(mapToSource(index));
        switch (index.column()) {
        case 1:
            return info.isDir() ? QString() : Taille_Fichier_En_Texte(info.size());
        case 2:
            if (info.isDir()) {
                return u"Dossier"_s;
            }
            return info.suffix().isEmpty() ? u"Fichier"_s : u"Fichier "_s + info.suffix().toUpper();
        default:
            return QLocale(QLocale::French).toString(info.lastModified(), u"dd/MM/yyyy HH:mm"_s);
        }
    }
};

// Qt's own dialog rather than the desktop's, wide enough for its four columns.
void Prepare(QFileDialog& dialogue, const QString& filtres) {
    dialogue.setOption(QFileDialog::DontUseNativeDialog);
    dialogue.setProxyModel(new Colonnes_En_Francais(&dialogue));
    dialogue.setNameFilter(QString());
    dialogue.setNameFilters(filtres.split(u";;"_s));
    dialogue.resize(860, 520);
    // The kind, size and date columns as wide as their captions and texts, the name the rest.
    if (auto* vue = dialogue.findChild<QTreeView*>(u"treeView"_s)) {
        const QFontMetrics mesure(vue->font());
        const int marge = mesure.horizontalAdvance(u"MMM"_s);
        vue->header()->setStretchLastSection(false);
        vue->header()->setSectionResizeMode(0, QHeaderView::Stretch);
        vue->header()->resizeSection(1, mesure.horizontalAdvance(u"1 023 octets"_s) + marge);
        vue->header()->resizeSection(2, mesure.horizontalAdvance(u"Fichier ADIF"_s) + marge);
        vue->header()->resizeSection(3, mesure.horizontalAdvance(u"Dernière modification"_s) + marge);
    }
}

} // namespace

QString Choix_Fichier_Qt::Fichier_A_Enregistrer(QWidget* parent, const QString& titre,
                                                const QString& chemin_propose, const QString& filtres,
                                                QString* filtre) {
    const QFileInfo propose(chemin_propose);
    QFileDialog dialogue(parent, titre, propose.absolutePath());
    Prepare(dialogue, filtres);
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setFileMode(QFileDialog::AnyFile);
    if (filtre && !filtre->isEmpty()) {
        dialogue.selectNameFilter(*filtre);
    }
    dialogue.selectFile(propose.fileName());
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty()) {
        return {};
    }
    if (filtre) {
        *filtre = dialogue.selectedNameFilter();
    }
    return dialogue.selectedFiles().constFirst();
}

QString Choix_Fichier_Qt::Fichier_A_Ouvrir(QWidget* parent, const QString& titre, const QString& dossier,
                                           const QString& filtres) {
    QFileDialog dialogue(parent, titre, dossier);
    Prepare(dialogue, filtres);
    dialogue.setAcceptMode(QFileDialog::AcceptOpen);
    dialogue.setFileMode(QFileDialog::ExistingFile);
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty()) {
        return {};
    }
    return dialogue.selectedFiles().constFirst();
}

QString Choix_Fichier_Qt::Dossier(QWidget* parent, const QString& titre, const QString& dossier) {
    QFileDialog dialogue(parent, titre, dossier);
    Prepare(dialogue, u"Dossiers (*)"_s);
    dialogue.setFileMode(QFileDialog::Directory);
    dialogue.setOption(QFileDialog::ShowDirsOnly);
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty()) {
        return {};
    }
    return dialogue.selectedFiles().constFirst();
}

} // namespace swl
