#include "platform/enregistreur.h"

#include <QDir>
#include <QPointer>
#include <QThreadPool>

namespace swl {

using namespace Qt::Literals::StringLiterals;

Enregistreur::Enregistreur(Chargeur charge, QObject* parent)
    : QObject(parent), charge_(std::move(charge)), statut_(u"enregistrement arrêté"_s) {}

Enregistreur::~Enregistreur() {
    if (moteur_) {
        moteur_->Arrete_Capture();
    }
}

Moteur_Audio* Enregistreur::Moteur() {
    if (!charge_essaye_) {
        charge_essaye_ = true;
        moteur_ = charge_ ? charge_(&erreur_module_) : nullptr;
    }
    return moteur_;
}

void Enregistreur::Change_Statut(const QString& statut) {
    if (statut != statut_) {
        statut_ = statut;
        Q_EMIT Statut_Change(statut_);
    }
}

void Enregistreur::Applique(const Reglage_Enregistrement& r) {
    reglage_ = r;
    if (moteur_) {
        moteur_->Arrete_Capture();
    }
    en_capture_ = false;
    if (!r.actif) {
        Change_Statut(u"enregistrement arrêté"_s);
        return;
    }
    Moteur_Audio* m = Moteur();
    if (!m) {
        Change_Statut(u"enregistrement impossible\u00A0: "_s + erreur_module_);
        return;
    }
    // The pre-roll and the longest clip, held in memory taken once.
    const int secondes = r.avant_s + Reglage_Enregistrement::Clip_Maximum_S;
    if (!tampon_ || tampon_->Capacite() != qint64(secondes) * Tampon_Audio::Frequence) {
        tampon_ = std::make_unique<Tampon_Audio>(secondes);
    } else {
        tampon_->Vide();
    }
    QPointer<Enregistreur> moi(this);
    const Resultat demarre = m->Demarre_Capture(r.source, tampon_.get(), [moi](const QString& raison) {
        // From the capture's thread: the status changes on the interface's.
        QMetaObject::invokeMethod(
            moi.data(),
            [moi, raison] {
                if (moi) {
                    moi->Capture_Arretee(raison);
                }
            },
            Qt::QueuedConnection);
    });
    if (!demarre) {
        Change_Statut(u"enregistrement impossible\u00A0: "_s + demarre.message);
        return;
    }
    en_capture_ = true;
    Change_Statut(u"enregistrement en cours"_s + (r.source.isEmpty() ? QString() : u"\u00A0: "_s + r.source));
}

void Enregistreur::Capture_Arretee(const QString& raison) {
    en_capture_ = false;
    Change_Statut(u"enregistrement arrêté\u00A0: "_s + raison);
}

void Enregistreur::Enregistre_Clip(const QString& dossier, const QString& base, qint64 debut_ms,
                                   qint64 fin_ms) {
    if (!en_capture_ || !tampon_ || !moteur_) {
        return;
    }
    // A clip longer than the buffer holds is cut to it, and says so.
    const qint64 le_plus_long = qint64(Reglage_Enregistrement::Clip_Maximum_S + reglage_.avant_s) * 1000;
    const bool trop_long = fin_ms - debut_ms > le_plus_long;
    Tampon_Audio::Extrait extrait = tampon_->Lit(std::max(debut_ms, fin_ms - le_plus_long), fin_ms);
    if (extrait.echantillons.isEmpty()) {
        Q_EMIT Clip_Termine({}, u"Aucun son n'a été enregistré pour ce QSO."_s);
        return;
    }
    const bool coupe = trop_long || extrait.coupe;
    Moteur_Audio* moteur = moteur_;
    QPointer<Enregistreur> moi(this);
    QThreadPool::globalInstance()->start([moi, moteur, dossier, base, coupe, extrait = std::move(extrait)] {
        QString message;
        QString fichier;
        if (!QDir().mkpath(dossier)) {
            message = u"L'enregistrement du QSO n'a pas été écrit\u00A0: le dossier «\u00A0"_s +
                      QDir::toNativeSeparators(dossier) + u"\u00A0» ne peut pas être créé."_s;
        } else {
            fichier = Nom_Nouveau_Clip(dossier, base);
            const Resultat r = moteur->Ecrit_Son(QDir(dossier).filePath(fichier), extrait.echantillons,
                                                 Tampon_Audio::Frequence, Format_Clip::Opus);
            if (!r) {
                message =
                    u"Le QSO est enregistré, son enregistrement sonore non\u00A0: "_s + r.message + u'.';
                fichier.clear();
            } else if (coupe) {
                message = u"L'enregistrement du QSO est coupé à ce que le tampon garde ("_s +
                          QString::number((extrait.echantillons.size() + Tampon_Audio::Frequence / 2) /
                                          Tampon_Audio::Frequence) +
                          u"\u00A0s)."_s;
            }
        }
        QMetaObject::invokeMethod(
            moi.data(),
            [moi, fichier, message] {
                if (moi) {
                    Q_EMIT moi->Clip_Termine(fichier, message);
                }
            },
            Qt::QueuedConnection);
    });
}

} // namespace swl
