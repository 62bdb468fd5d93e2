#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace swl {

// The embedded web browser of the cluster window.
class Navigateur {
public:
    virtual ~Navigateur() = default;
    // The widget to place in the window.
    virtual QWidget* Vue() = 0;
    virtual void Navigue(const QString& adresse) = 0;
};

// Makes the browsers, one per window.
class Fabrique_Navigateur {
public:
    virtual ~Fabrique_Navigateur() = default;
    // A new browser in `parent`, which owns it: it goes when its window closes.
    virtual Navigateur* Nouveau(QWidget* parent) = 0;
};

} // namespace swl

// The web part is a module of its own, loaded when the cluster page is first shown: it makes
// the browsers through this interface.
#define Swl_Module_Navigateur_Iid "fr.orbel.swl.Fabrique_Navigateur/1"
Q_DECLARE_INTERFACE(swl::Fabrique_Navigateur, Swl_Module_Navigateur_Iid)
