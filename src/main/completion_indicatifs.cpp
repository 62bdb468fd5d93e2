// The callsigns known before they are typed: the list under the entry form.
#include "main/completion_indicatifs.h"

#include "core/base/fichier_texte.h"
#include "core/base/texte_1252.h"
#include "core/program/reglages.h"
#include "platform/fenetres.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QShortcut>
#include <QStringListModel>
#include <QThread>
#include <QVBoxLayout>

namespace swl {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int Lignes_Montrees = 10;

} // namespace

Completion_Indicatifs::Completion_Indicatifs(const Services& services, QLineEdit* ind_a, QLineEdit* ind_b,
                                             QWidget* parent)
    : QWidget(parent), services_(services), ind_a_(ind_a), ind_b_(ind_b),
      modele_(new QStringListModel(this)) {
    setObjectName(u"Completion_Indicatifs"_s);
    Titre_Indicatifs = Nomme_Controle(new QLabel(u"Indicatifs connus"_s, this), u"Titre_Indicatifs"_s,
                                      u"Indicatifs connus"_s);
    Indicatifs_Connus = Nomme_Controle(new QListView(this), u"Indicatifs_Connus"_s, u"Indicatifs connus"_s);
    Indicatifs_Connus->setModel(modele_);
    Indicatifs_Connus->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Indicatifs_Connus->setUniformItemSizes(true);
    Indicatifs_Connus->setFixedHeight(Indicatifs_Connus->fontMetrics().height() * 5 + 8);
    Titre_Indicatifs->setBuddy(Indicatifs_Connus);
    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(0, 0, 0, 0);
    colonne->setSpacing(2);
    colonne->addWidget(Titre_Indicatifs);
    colonne->addWidget(Indicatifs_Connus);
    hide();

    for (QLineEdit* champ : {ind_a_, ind_b_}) {
        connect(champ, &QLineEdit::textChanged, this, &Completion_Indicatifs::Actualise);
        // Alt+↓ goes into the list; the field's own keys are left as they are.
        auto* entrer = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Down), champ);
        entrer->setContext(Qt::WidgetShortcut);
        connect(entrer, &QShortcut::activated, this, [this, champ] {
            if (isVisible() && champ_ == champ && modele_->rowCount() > 0) {
                Indicatifs_Connus->setFocus();
                Indicatifs_Connus->setCurrentIndex(modele_->index(0));
            }
        });
    }
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* maintenant) {
        if (maintenant != Indicatifs_Connus) {
            Actualise();
        }
    });
    connect(Indicatifs_Connus, &QListView::doubleClicked, this, &Completion_Indicatifs::Prend);
    Indicatifs_Connus->installEventFilter(this);
}

Completion_Indicatifs::~Completion_Indicatifs() {
    // A build still running ends before what it reads goes.
    for (QThread* fil : findChildren<QThread*>()) {
        fil->wait();
    }
}

void Completion_Indicatifs::Journal_Change(const Lignes_Log& journal) {
    // Built again when next needed, not before.
    journal_ = journal;
    ++demande_;
}

void Completion_Indicatifs::Reglage_Change() {
    fichier_.reset();
    ++demande_;
    Actualise();
}

void Completion_Indicatifs::Construit() {
    en_cours_ = true;
    const int numero = demande_;
    // What the build reads: copies that share the data, never the window's.
    auto resultat = std::make_shared<std::shared_ptr<const Index_Indicatifs>>();
    auto fichier = std::make_shared<std::shared_ptr<const Fichier_Indicatifs>>(fichier_);
    const Lignes_Log journal = journal_;
    const QString annuaire = QDir(services_.repertoire).filePath(Nom_Liste_Prenom);
    const QString chemin = Chemin_Fichier_Indicatifs(services_.reglages);
    QThread* fil = QThread::create([resultat, fichier, journal, annuaire, chemin] {
        if (!*fichier) {
            *fichier = std::make_shared<const Fichier_Indicatifs>(Lit_Fichier_Indicatifs(chemin));
        }
        *resultat = std::make_shared<const Index_Indicatifs>(
            Index_Indicatifs::Construit(journal, Lit_Fichier(annuaire).contenu, *fichier));
    });
    fil->setParent(this);
    connect(fil, &QThread::finished, this, [this, fil, resultat, fichier, numero] {
        index_ = *resultat;
        fichier_ = *fichier;
        construit_ = numero;
        en_cours_ = false;
        fil->deleteLater();
        Actualise();
    });
    fil->start(QThread::LowPriority);
}

void Completion_Indicatifs::Actualise() {
    QWidget* focus = QApplication::focusWidget();
    if (focus == Indicatifs_Connus) {
        return;
    }
    QLineEdit* champ = focus == ind_a_ ? ind_a_ : focus == ind_b_ ? ind_b_ : nullptr;
    if (!champ || !Liste_Indicatifs_Active(services_.reglages) || champ->text().trimmed().size() < 2) {
        hide();
        return;
    }
    // The index follows the log: built again, off this thread, when it is behind.
    if (demande_ != construit_ && !en_cours_) {
        Construit();
    }
    if (!index_) {
        hide();
        return;
    }
    champ_ = champ;
    QStringList lignes;
    propositions_ = index_->Cherche(champ->text(), Lignes_Montrees);
    for (const Index_Indicatifs::Proposition& p : propositions_) {
        lignes << Texte_Proposition(p);
    }
    modele_->setStringList(lignes);
    Indicatifs_Connus->setAccessibleName(u"Indicatifs connus\u00A0: "_s + Nombre_Francais(lignes.size()));
    setVisible(!lignes.isEmpty());
}

void Completion_Indicatifs::Prend(const QModelIndex& index) {
    if (!index.isValid() || !champ_) {
        return;
    }
    if (index.row() >= propositions_.size()) {
        return;
    }
    const Index_Indicatifs::Proposition p = propositions_[index.row()];
    QLineEdit* champ = champ_;
    champ->setText(p.indicatif);
    champ->setFocus();
    Q_EMIT Indicatif_Pris(champ, p.indicatif, p.departement.trimmed());
}

bool Completion_Indicatifs::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet == Indicatifs_Connus && evenement->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(evenement)->key();
        if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
            Prend(Indicatifs_Connus->currentIndex());
            return true;
        }
        if (touche == Qt::Key_Escape && champ_) {
            champ_->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(objet, evenement);
}

} // namespace swl
