// The web part of the program, a module loaded when the cluster page is first shown, so that
// the program starts without mapping the web engine, Qt Quick and OpenGL.
#include "platform/navigateur_web.h"

#include <QOpenGLContext>

// Qt's own setter of the context the web engine shares (what QtWebEngine's start-up sets when
// the engine is linked to the program; exported by Qt GUI).
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
QT_END_NAMESPACE

namespace swl {

class Module_Navigateur_Web final : public QObject, public Fabrique_Navigateur {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID Swl_Module_Navigateur_Iid)
    Q_INTERFACES(swl::Fabrique_Navigateur)
public:
    // The engine draws with a context shared with the program's: made now, before the first
    // page, since the program did not make it at start (it costs OpenGL's drivers).
    Module_Navigateur_Web() {
        if (!QOpenGLContext::globalShareContext()) {
            auto* contexte = new QOpenGLContext(this);
            if (contexte->create()) {
                qt_gl_set_global_share_context(contexte);
            } else {
                delete contexte; // no OpenGL here (a display without it): pages drawn in software
            }
        }
    }
    Navigateur* Nouveau(QWidget* parent) override { return fabrique_.Nouveau(parent); }

private:
    Fabrique_Navigateur_Web fabrique_;
};

} // namespace swl

#include "module_web.moc"
