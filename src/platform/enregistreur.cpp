#include "platform/enregistreur.h"

#include "core/audio/enregistrement_sdr.h"
#include "platform/recepteur.h"
#include "platform/registres_vectoriels.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMutex>
#include <QPointer>
#include <QThread>
#include <QThreadPool>

namespace swl {

using namespace Qt::Literals::StringLiterals;

Enregistreur::Enregistreur(Chargeur charge, QObject* parent)
    : QObject(parent), charge_(std::move(charge)), statut_(u"enregistrement arrêté"_s) {
    file_capture_.setMaxThreadCount(1);
}

Enregistreur::~Enregistreur() {
    file_capture_.waitForDone();
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
    // Only the SDR program's recorder changed: the audio held stays.
    const bool meme_capture =
        capture_demandee_ && r.actif && r.source == reglage_.source && r.avant_s == reglage_.avant_s;
    reglage_ = r;
    if (meme_capture) {
        return;
    }
    const quint64 generation = ++generation_;
    en_capture_ = false;
    capture_demandee_ = false;
    Moteur_Audio* m = r.actif ? Moteur() : moteur_;
    if (!r.actif || !m) {
        if (m) {
            // The ring lives until its capture stopped.
            file_capture_.start([m, tampon = tampon_]() mutable {
                m->Arrete_Capture();
                tampon.reset();
            });
        }
        Change_Statut(!r.actif
                          ? (r.sdr ? u"enregistrement confié à GQRX ou SDR++"_s : u"enregistrement arrêté"_s)
                          : u"enregistrement impossible\u00A0: "_s + erreur_module_);
        return;
    }
    // The pre-roll and the longest clip, held in memory taken once; the ring of a capture
    // still running is kept until that capture stops.
    std::shared_ptr<Tampon_Audio> ancien = tampon_;
    const int secondes = r.avant_s + Reglage_Enregistrement::Clip_Maximum_S;
    if (!tampon_ || tampon_->Capacite() != qint64(secondes) * Tampon_Audio::Frequence) {
        tampon_ = std::make_shared<Tampon_Audio>(secondes);
    }
    capture_demandee_ = true;
    Change_Statut(u"démarrage de l'enregistrement…"_s);
    QPointer<Enregistreur> moi(this);
    file_capture_.start([moi, m, generation, source = r.source, tampon = tampon_, ancien]() mutable {
        m->Arrete_Capture();
        ancien.reset();
        tampon->Vide();
        const Resultat demarre =
            m->Demarre_Capture(source, tampon.get(), [moi, generation](const QString& raison) {
                // From the capture's thread: the status changes on the interface's.
                QMetaObject::invokeMethod(
                    moi.data(),
                    [moi, generation, raison] {
                        if (moi && moi->generation_ == generation) {
                            moi->Capture_Arretee(raison);
                        }
                    },
                    Qt::QueuedConnection);
            });
        QMetaObject::invokeMethod(
            moi.data(),
            [moi, generation, demarre] {
                if (moi) {
                    moi->Capture_Demarree(generation, demarre);
                }
            },
            Qt::QueuedConnection);
    });
}

void Enregistreur::Capture_Demarree(quint64 generation, const Resultat& r) {
    if (generation != generation_ || !capture_demandee_) {
        return;
    }
    if (!r) {
        capture_demandee_ = false;
        Change_Statut(u"enregistrement impossible\u00A0: "_s + r.message);
        return;
    }
    en_capture_ = true;
    Change_Statut(u"enregistrement en cours"_s +
                  (reglage_.source.isEmpty() ? QString() : u"\u00A0: "_s + reglage_.source));
}

void Enregistreur::Capture_Arretee(const QString& raison) {
    en_capture_ = false;
    capture_demandee_ = false;
    Change_Statut(u"enregistrement arrêté\u00A0: "_s + raison);
}

namespace {

// Writes clip `numero` in `dossier`: encoded under a name of its own (hidden from the list),
// then given the name its QSO has now — never over another clip. Its file name, or empty with
// the message.
std::pair<QString, QString> Ecrit_Clip(Moteur_Audio* moteur, const QString& dossier,
                                       Enregistreur::Clips_En_Cours& en_cours, quint64 numero,
                                       const QList<qint16>& echantillons) {
    if (!QDir().mkpath(dossier)) {
        return {{},
                u"L'enregistrement du QSO n'a pas été écrit\u00A0: le dossier «\u00A0"_s +
                    QDir::toNativeSeparators(dossier) + u"\u00A0» ne peut pas être créé."_s};
    }
    const QString provisoire = QDir(dossier).filePath(u".clip-"_s + QString::number(numero) + Extension_Clip);
    const Resultat r =
        moteur->Ecrit_Son(provisoire, echantillons, Tampon_Audio::Frequence, Format_Clip::Opus);
    if (!r) {
        return {{}, u"Le QSO est enregistré, son enregistrement sonore non\u00A0: "_s + r.message + u'.'};
    }
    const QMutexLocker verrou(&en_cours.mutex);
    const QString fichier = Nom_Nouveau_Clip(dossier, en_cours.bases.value(numero));
    if (!QFile::rename(provisoire, QDir(dossier).filePath(fichier))) {
        QFile::remove(provisoire);
        return {{},
                u"Le QSO est enregistré, son enregistrement sonore non\u00A0: le fichier «\u00A0"_s +
                    fichier + u"\u00A0» ne peut pas être écrit."_s};
    }
    return {fichier, {}};
}

QString Message_Coupe(qsizetype echantillons) {
    return u"L'enregistrement du QSO est coupé à ce que le tampon garde ("_s +
           QString::number((echantillons + Tampon_Audio::Frequence / 2) / Tampon_Audio::Frequence) +
           u"\u00A0s)."_s;
}

QString Message_SDR(const QString& raison) {
    return u"L'enregistrement du QSO par GQRX ou SDR++ n'est pas gardé\u00A0: "_s + raison + u'.';
}

QString Raison_Reponse(int erreur) {
    return erreur < 0 ? u"la connexion au récepteur s'est arrêtée avant sa réponse"_s : Erreur_Hamlib(erreur);
}

// The SDR program's recording of the QSO, once whole (its size the same over a round and its
// header read), brought to a clip; waited for `attente_ms` at most.
std::pair<QString, QString> Prend_Fichier_SDR(Moteur_Audio* moteur, const QString& dossier_sdr,
                                              const QString& dossier, Enregistreur::Clips_En_Cours& en_cours,
                                              quint64 numero, qint64 aos_ms, qint64 los_ms, int attente_ms) {
    const QString nom_dossier = u"«\u00A0"_s + QDir::toNativeSeparators(dossier_sdr) + u"\u00A0»"_s;
    if (dossier_sdr.isEmpty()) {
        return {{},
                Message_SDR(u"le dossier de ses fichiers n'est pas choisi (Station → Enregistrement…)"_s)};
    }
    if (!QFileInfo(dossier_sdr).isDir()) {
        return {{}, Message_SDR(u"le dossier de ses fichiers "_s + nom_dossier + u" n'existe pas"_s)};
    }
    QElapsedTimer depuis;
    depuis.start();
    std::optional<Fichier_Son> vu;
    qint64 duree = 0;
    for (;;) {
        QList<Fichier_Son> fichiers;
        for (const QFileInfo& f : QDir(dossier_sdr).entryInfoList({u"*.wav"_s}, QDir::Files)) {
            fichiers.append({f.fileName(), f.lastModified().toMSecsSinceEpoch(), f.size()});
        }
        const auto choisi = Enregistrement_SDR_Du_QSO(fichiers, aos_ms);
        if (choisi && vu && vu->nom == choisi->nom && vu->octets == choisi->octets &&
            (duree = moteur->Duree_Ms(QDir(dossier_sdr).filePath(choisi->nom))) > 0) {
            break;
        }
        vu = choisi;
        if (depuis.elapsed() >= attente_ms) {
            return {
                {},
                Message_SDR(
                    vu ? u"son fichier «\u00A0"_s + vu->nom + u"\u00A0» n'est pas terminé"_s
                       : u"aucun fichier WAV n'a été écrit dans "_s + nom_dossier +
                             u" depuis le premier caractère tapé (dans SDR++, cochez «\u00A0Recording\u00A0» "
                             u"du module «\u00A0Rigctl Server\u00A0» et choisissez son «\u00A0Controlled "
                             u"Recorder\u00A0»\u00A0; dans GQRX, un démodulateur doit être choisi et le "
                             u"traitement (DSP) lancé)"_s)};
        }
        QThread::msleep(250);
    }
    if (Commence_Avant_Le_QSO(duree, aos_ms, los_ms)) {
        return {
            {},
            Message_SDR(u"le fichier le plus récent, «\u00A0"_s + vu->nom +
                        u"\u00A0», a commencé avant le QSO (un enregistrement lancé à la main\u00A0?)"_s)};
    }
    const Son_Lu son = moteur->Lit_Son(QDir(dossier_sdr).filePath(vu->nom));
    if (!son.erreur.isEmpty()) {
        return {{}, Message_SDR(son.erreur)};
    }
    Libere_Registres_AVX();
    QList<qint16> echantillons = Reechantillonne(son.echantillons, son.frequence, Tampon_Audio::Frequence);
    const qsizetype maximum = qsizetype(Reglage_Enregistrement::Clip_Maximum_S) * Tampon_Audio::Frequence;
    const bool coupe = echantillons.size() > maximum;
    if (coupe) {
        echantillons.remove(0, echantillons.size() - maximum);
    }
    auto [fichier, message] = Ecrit_Clip(moteur, dossier, en_cours, numero, echantillons);
    if (!fichier.isEmpty() && coupe) {
        message = Message_Coupe(echantillons.size());
    }
    return {fichier, message};
}

} // namespace

quint64 Enregistreur::Clip_En_Cours(const QString& base) {
    const QMutexLocker verrou(&en_cours_->mutex);
    en_cours_->bases.insert(++en_cours_->suivant, base);
    return en_cours_->suivant;
}

void Enregistreur::Clip_Abandonne(quint64 numero) {
    const QMutexLocker verrou(&en_cours_->mutex);
    en_cours_->bases.remove(numero);
}

QString Enregistreur::Renomme_Clips(const QString& dossier, const QList<Renommage_Clip>& renommages) {
    // The names of the clips being written change with the files already there, at once.
    const QMutexLocker verrou(&en_cours_->mutex);
    for (const Renommage_Clip& r : renommages) {
        for (QString& base : en_cours_->bases) {
            if (base == r.de) {
                base = r.vers;
            }
        }
    }
    return Applique_Renommages(dossier, renommages);
}

void Enregistreur::Termine_En_Arriere_Plan(quint64 numero,
                                           std::function<std::pair<QString, QString>()> travail) {
    QPointer<Enregistreur> moi(this);
    QThreadPool::globalInstance()->start([moi, numero, en_cours = en_cours_, travail = std::move(travail)] {
        const auto [fichier, message] = travail();
        {
            const QMutexLocker verrou(&en_cours->mutex);
            en_cours->bases.remove(numero);
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

void Enregistreur::Enregistre_Clip(const QString& dossier, const QString& base, qint64 debut_ms,
                                   qint64 fin_ms) {
    Fin_QSO_SDR(dossier, base);
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
    const quint64 numero = Clip_En_Cours(base);
    Termine_En_Arriere_Plan(numero, [moteur = moteur_, dossier, en_cours = en_cours_, numero, coupe,
                                     extrait = std::move(extrait)] {
        auto [fichier, message] = Ecrit_Clip(moteur, dossier, *en_cours, numero, extrait.echantillons);
        if (!fichier.isEmpty() && coupe) {
            message = Message_Coupe(extrait.echantillons.size());
        }
        return std::pair{fichier, message};
    });
}

void Enregistreur::Fixe_Recepteur(Recepteur* recepteur) {
    if (recepteur_) {
        disconnect(recepteur_, nullptr, this, nullptr);
    }
    recepteur_ = recepteur;
    if (recepteur_) {
        connect(recepteur_, &Recepteur::Enregistreur_Repond, this, &Enregistreur::Reponse_SDR);
    }
}

void Enregistreur::Debut_QSO() {
    if (!reglage_.sdr || qso_sdr_) {
        return;
    }
    auto q = std::make_shared<Qso_SDR>();
    q->aos_ms = QDateTime::currentMSecsSinceEpoch();
    if (!recepteur_ || recepteur_->Reglage().sorte != Reglage_Recepteur::Sorte::Rigctld) {
        q->refus = u"le récepteur choisi n'est pas un programme SDR (Station → Récepteur…, «\u00A0Un rigctld "
                   u"déjà lancé\u00A0»\u00A0: GQRX, SDR++)"_s;
    } else if (!(q->aos_envoye = recepteur_->Commande_Enregistreur(true))) {
        q->refus = u"le récepteur n'était pas connecté au premier caractère tapé"_s;
    } else {
        aos_envoyes_.append(q);
    }
    qso_sdr_ = std::move(q);
}

void Enregistreur::QSO_Abandonne() {
    if (const auto q = std::exchange(qso_sdr_, nullptr); q && q->aos_envoye && q->refus.isEmpty()) {
        q->abandonne = true;
        if (recepteur_->Commande_Enregistreur(false)) {
            los_envoyes_.append(q);
        }
    }
}

void Enregistreur::Fin_QSO_SDR(const QString& dossier, const QString& base) {
    const auto q = std::exchange(qso_sdr_, nullptr);
    if (!q) {
        return;
    }
    // Never started (a receiver that is no SDR program, Hamlib's own rigctld refusing `AOS`):
    // nothing to stop, only why. Hamlib's rigctld would wait for more after a `LOS`.
    if (!q->aos_envoye || !q->refus.isEmpty()) {
        Q_EMIT Clip_Termine({}, Message_SDR(q->refus));
        return;
    }
    if (!recepteur_->Commande_Enregistreur(false)) {
        Q_EMIT Clip_Termine(
            {}, Message_SDR(u"le récepteur n'est plus connecté, son enregistreur n'a pas pu être arrêté"_s));
        return;
    }
    q->dossier = dossier;
    q->clip = Clip_En_Cours(base);
    q->los_ms = QDateTime::currentMSecsSinceEpoch();
    los_envoyes_.append(q);
}

void Enregistreur::Reponse_SDR(bool demarre, int erreur) {
    QList<std::shared_ptr<Qso_SDR>>& envoyes = demarre ? aos_envoyes_ : los_envoyes_;
    if (envoyes.isEmpty()) {
        return;
    }
    const std::shared_ptr<Qso_SDR> q = envoyes.takeFirst();
    if (demarre) {
        // The recorder refused to start: said at the QSO's end, after its `LOS`.
        if (erreur != 0) {
            q->refus = u"il a refusé de lancer son enregistreur ("_s + Raison_Reponse(erreur) + u')';
        }
        return;
    }
    if (q->abandonne) {
        return;
    }
    Moteur_Audio* moteur = q->refus.isEmpty() && erreur == 0 ? Moteur() : nullptr;
    if (!moteur) {
        Clip_Abandonne(q->clip);
        Q_EMIT Clip_Termine({}, Message_SDR(!q->refus.isEmpty() ? q->refus
                                            : erreur != 0 ? u"il n'a pas arrêté son enregistreur ("_s +
                                                                Raison_Reponse(erreur) + u')'
                                                          : erreur_module_));
        return;
    }
    Termine_En_Arriere_Plan(q->clip, [moteur, q, en_cours = en_cours_, dossier_sdr = reglage_.dossier_sdr,
                                      attente = attente_fichier_sdr_ms] {
        return Prend_Fichier_SDR(moteur, dossier_sdr, q->dossier, *en_cours, q->clip, q->aos_ms, q->los_ms,
                                 attente);
    });
}

} // namespace swl
