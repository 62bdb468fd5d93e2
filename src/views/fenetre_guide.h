#pragma once

#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace swl {

// The user's guide in French (the program's own copy of docs/guide.md), for
// "Aide → Guide d'utilisation".
QString Texte_Guide();

// "Aide → Guide d'utilisation": the guide, read as a document with its headings and lists.
class Fenetre_Guide final : public QWidget {
    Q_OBJECT
public:
    explicit Fenetre_Guide(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(Fenetre_Guide)

private:
    QTextBrowser* Texte = nullptr;
    QPushButton* Fermer_Guide = nullptr;
};

} // namespace swl
