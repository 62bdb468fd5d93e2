#include "platform/fenetres.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>

namespace swl {

QFont Police_Liste() {
    QFont police(QStringLiteral("Terminal"), 9);
    police.setFamilies(
        {QStringLiteral("Terminal"), QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono")});
    police.setStyleHint(QFont::TypeWriter);
    police.setFixedPitch(true);
    return police;
}

QFont Police_Titre() {
    QFont titre(QStringLiteral("Arial"));
    titre.setStyleHint(QFont::SansSerif);
    titre.setPointSizeF(12);
    titre.setBold(true);
    return titre;
}

namespace {

// The screen a window belongs on: its main window's, else its own, else the primary one.
QScreen* Ecran_De(const QWidget& fenetre) {
    const QWidget* parent = fenetre.parentWidget() ? fenetre.parentWidget()->window() : nullptr;
    if (parent && parent->screen()) {
        return parent->screen();
    }
    return fenetre.screen() ? fenetre.screen() : QGuiApplication::primaryScreen();
}

// The window manager's frame around a window: as it is once shown, else a title bar and thin
// borders as desktops draw them.
QMargins Cadre(const QWidget& fenetre) {
    const QRect cadre = fenetre.frameGeometry();
    const QRect interieur = fenetre.geometry();
    if (fenetre.isVisible() && cadre != interieur) {
        return {interieur.left() - cadre.left(), interieur.top() - cadre.top(),
                cadre.right() - interieur.right(), cadre.bottom() - interieur.bottom()};
    }
    return {4, 32, 4, 4};
}

// Moves the window's frame to `coin`, brought inside `zone` as far as it fits.
void Place_Cadre(QWidget& fenetre, const QRect& zone, QPoint coin) {
    const QMargins c = Cadre(fenetre);
    const int largeur = fenetre.width() + c.left() + c.right();
    const int hauteur = fenetre.height() + c.top() + c.bottom();
    fenetre.move(std::clamp(coin.x(), zone.left(), std::max(zone.left(), zone.right() + 1 - largeur)),
                 std::clamp(coin.y(), zone.top(), std::max(zone.top(), zone.bottom() + 1 - hauteur)));
}

} // namespace

void Ajuste_A_L_Ecran(QWidget& fenetre) {
    const QScreen* ecran = Ecran_De(fenetre);
    if (!ecran) {
        return;
    }
    const QRect zone = ecran->availableGeometry();
    const QMargins c = Cadre(fenetre);
    const QSize place(zone.width() - c.left() - c.right(), zone.height() - c.top() - c.bottom());
    if (fenetre.width() > place.width() || fenetre.height() > place.height()) {
        fenetre.resize(fenetre.size().boundedTo(place));
    }
}

void Centre_Fenetre(QWidget& fenetre) {
    QScreen* ecran = Ecran_De(fenetre);
    if (!ecran) {
        return;
    }
    Ajuste_A_L_Ecran(fenetre);
    const QRect g = ecran->geometry();
    const QSize taille = fenetre.frameGeometry().size();
    Place_Cadre(fenetre, ecran->availableGeometry(),
                {g.x() + (g.width() - taille.width()) / 2, g.y() + (g.height() - taille.height()) / 2});
}

void Centre_Sur_Parent(QWidget& fenetre) {
    const QWidget* parent = fenetre.parentWidget() ? fenetre.parentWidget()->window() : nullptr;
    QScreen* ecran = Ecran_De(fenetre);
    if (!parent || !ecran) {
        Centre_Fenetre(fenetre);
        return;
    }
    Ajuste_A_L_Ecran(fenetre);
    const QSize taille = fenetre.frameGeometry().size();
    const QPoint centre = parent->frameGeometry().center();
    Place_Cadre(fenetre, ecran->availableGeometry(),
                {centre.x() - taille.width() / 2, centre.y() - taille.height() / 2});
}

void Place_Dans_Ecran(QWidget& fenetre, const QRect& voulue) {
    // The screen that holds most of the place asked for, else the window's own.
    const QScreen* ecran = nullptr;
    qint64 meilleure = 0;
    for (const QScreen* e : QGuiApplication::screens()) {
        const QRect commun = e->availableGeometry().intersected(voulue);
        if (qint64(commun.width()) * commun.height() > meilleure) {
            meilleure = qint64(commun.width()) * commun.height();
            ecran = e;
        }
    }
    if (!ecran) {
        ecran = Ecran_De(fenetre);
    }
    if (!ecran) {
        return;
    }
    fenetre.resize(voulue.size());
    Ajuste_A_L_Ecran(fenetre);
    Place_Cadre(fenetre, ecran->availableGeometry(), voulue.topLeft());
}

namespace {

class Filtre_KeyPress final : public QObject {
public:
    Filtre_KeyPress(QWidget* champ, std::function<int(int)> gestion)
        : QObject(champ), gestion_(std::move(gestion)) {}

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        if (evenement->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* touche = static_cast<QKeyEvent*>(evenement);
        // Alt with a letter is a menu's key, never a letter typed (AltGr, with Control, is).
        if ((touche->modifiers() & Qt::AltModifier) && !(touche->modifiers() & Qt::ControlModifier) &&
            !touche->text().isEmpty() && touche->text()[0].isLetterOrNumber()) {
            return true;
        }
        int code = 0;
        if (touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter) {
            code = 13;
        } else if (touche->text().size() == 1 &&
                   (touche->text()[0].unicode() >= 32 || touche->key() == Qt::Key_Backspace)) {
            code = touche->key() == Qt::Key_Backspace ? 8 : touche->text()[0].unicode();
        } else {
            return false;
        }
        const int remplace = gestion_(code);
        if (remplace == code) {
            return false;
        }
        if (remplace != 0) {
            QLineEdit* edition = qobject_cast<QLineEdit*>(objet);
            if (auto* combo = qobject_cast<QComboBox*>(objet)) {
                edition = combo->lineEdit();
            }
            if (edition) {
                edition->insert(QString(QChar(remplace)));
            }
        }
        return true;
    }

private:
    std::function<int(int)> gestion_;
};

class Filtre_Double_Clic final : public QObject {
public:
    Filtre_Double_Clic(QAbstractItemView* vue, std::function<void()> gestion)
        : QObject(vue), vue_(vue), gestion_(std::move(gestion)) {}

protected:
    bool eventFilter(QObject*, QEvent* evenement) override {
        if (evenement->type() == QEvent::MouseButtonDblClick) {
            const auto* souris = static_cast<QMouseEvent*>(evenement);
            if (souris->button() == Qt::LeftButton &&
                !vue_->indexAt(souris->position().toPoint()).isValid()) {
                gestion_();
            }
        }
        return false;
    }

private:
    QAbstractItemView* vue_;
    std::function<void()> gestion_;
};

class Filtre_Clic final : public QObject {
public:
    Filtre_Clic(QWidget* controle, std::function<void()> gestion)
        : QObject(controle), gestion_(std::move(gestion)) {}

protected:
    bool eventFilter(QObject*, QEvent* evenement) override {
        if (evenement->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(evenement)->button() == Qt::LeftButton) {
            gestion_();
        }
        return false;
    }

private:
    std::function<void()> gestion_;
};

} // namespace

void Installe_Clic(QWidget* controle, std::function<void()> gestion) {
    controle->installEventFilter(new Filtre_Clic(controle, std::move(gestion)));
}

QListView* Nouvelle_Liste_Lignes(QWidget* parent, const QString& nom, const QString& accessible) {
    auto* liste = Nomme_Controle(new QListView(parent), nom, accessible);
    liste->setFont(Police_Liste());
    liste->setUniformItemSizes(true);
    liste->setSelectionMode(QAbstractItemView::SingleSelection);
    liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Fixe_Couleur_Fond(liste, Couleur_Repos);
    return liste;
}

void Fixe_Taille_Lignes(QAbstractItemView* liste, int caracteres, int lignes) {
    const QFontMetrics m(liste->font());
    liste->setMinimumWidth(m.horizontalAdvance(QString(caracteres, u'0')) +
                           liste->verticalScrollBar()->sizeHint().width());
    liste->setMinimumHeight(m.lineSpacing() * lignes);
}

void Installe_Double_Clic_Hors_Lignes(QAbstractItemView* vue, std::function<void()> gestion) {
    vue->viewport()->installEventFilter(new Filtre_Double_Clic(vue, std::move(gestion)));
}

void Installe_KeyPress(QWidget* champ, std::function<int(int)> gestion) {
    champ->installEventFilter(new Filtre_KeyPress(champ, std::move(gestion)));
}

QComboBox* Nouvelle_Combo_Editable(QWidget* parent, const QString& nom) {
    auto* c = new QComboBox(parent);
    c->setObjectName(nom);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setCompleter(nullptr);
    return c;
}

void Affiche_Valeur(QLabel* label, const QString& legende, const QString& valeur) {
    label->setText(valeur);
    label->setAccessibleName(legende.isEmpty() ? valeur : legende + u' ' + valeur.trimmed());
}

void Change_Legende(QAbstractButton* bouton, const QString& legende) {
    bouton->setText(legende);
    bouton->setAccessibleName(legende);
}

int Position_Dans_Liste(const QComboBox* combo, const QString& texte) {
    return combo->findText(texte, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void Fixe_Couleur_Fond(QWidget* controle, const QColor& couleur) {
    QPalette p = controle->palette();
    p.setColor(QPalette::Base, couleur);
    p.setColor(QPalette::Button, couleur);
    controle->setPalette(p);
    controle->setAutoFillBackground(false);
}

QColor Couleur_Nouveaute(Nouveaute sorte) {
    switch (sorte) {
    case Nouveaute::Nouveau_Departement:
        return {255, 128, 128};
    case Nouveaute::Nouveau_Pays:
        return {255, 186, 90};
    case Nouveaute::Departement_Bande:
    case Nouveaute::Pays_Bande:
        return {250, 235, 120};
    case Nouveaute::Nouveau_Mode:
        return {160, 205, 255};
    case Nouveaute::Entendu_Pas_Confirme:
        return {215, 215, 215};
    case Nouveaute::Rien:
    case Nouveaute::Mode_Inconnu:
        break;
    }
    return {};
}

QColor Couleur_Fond(const QWidget* controle) {
    const bool bouton = qobject_cast<const QAbstractButton*>(controle) != nullptr;
    return controle->palette().color(bouton ? QPalette::Button : QPalette::Base);
}

} // namespace swl
