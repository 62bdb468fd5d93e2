#include "platform/navigateur_web.h"

#include "core/radio/cluster.h"

#include <QTimer>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace swl {

namespace {

Domaine_Erreur Domaine(QWebEngineLoadingInfo::ErrorDomain domaine) {
    switch (domaine) {
    case QWebEngineLoadingInfo::HttpStatusCodeDomain:
        return Domaine_Erreur::Statut_Http;
    case QWebEngineLoadingInfo::DnsErrorDomain:
        return Domaine_Erreur::Nom;
    case QWebEngineLoadingInfo::CertificateErrorDomain:
        return Domaine_Erreur::Certificat;
    case QWebEngineLoadingInfo::ConnectionErrorDomain:
        return Domaine_Erreur::Connexion;
    case QWebEngineLoadingInfo::HttpErrorDomain:
        return Domaine_Erreur::Http;
    default:
        return Domaine_Erreur::Autre;
    }
}

class Navigateur_Web final : public QWebEngineView, public Navigateur {
public:
    Navigateur_Web(QWidget* parent, int attente_ms) : QWebEngineView(parent) {
        setObjectName(QStringLiteral("WebBrowser1"));
        setAccessibleName(QStringLiteral("Page des statistiques du cluster"));
        settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
        attente_.setSingleShot(true);
        attente_.setInterval(attente_ms);
        connect(&attente_, &QTimer::timeout, this, [this] {
            // A site that accepts the connection but never answers.
            Affiche_Page_A_Nous(Page_Hors_Ligne(adresse_, QStringLiteral("le site ne répond pas")));
        });
        connect(page(), &QWebEnginePage::loadFinished, this, [this] {
            if (etat_ == Etat::Signe_De_Chargement) {
                // The loading page shows: the real page now, which replaces it when it comes.
                etat_ = Etat::Chargement;
                load(QUrl(adresse_));
            }
        });
        connect(page(), &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& info) {
            if (etat_ != Etat::Chargement || info.url().toString() != adresse_) {
                return;
            }
            if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus) {
                attente_.stop();
                etat_ = Etat::Repos;
            } else if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus) {
                const Domaine_Erreur domaine = Domaine(info.errorDomain());
                Affiche_Page_A_Nous(Page_Hors_Ligne(adresse_, Raison_Echec_Page(domaine, info.errorCode()),
                                                    domaine == Domaine_Erreur::Statut_Http));
            }
        });
    }
    QWidget* Vue() override { return this; }
    void Navigue(const QString& adresse) override {
        adresse_ = QUrl(adresse).toString();
        etat_ = Etat::Signe_De_Chargement;
        attente_.start();
        setHtml(Page_Chargement(adresse_));
    }

private:
    enum class Etat { Repos, Signe_De_Chargement, Chargement };

    void Affiche_Page_A_Nous(const QString& html) {
        attente_.stop();
        etat_ = Etat::Repos;
        triggerPageAction(QWebEnginePage::Stop);
        setHtml(html);
    }

    QString adresse_; // the page asked for, as the engine writes it
    Etat etat_ = Etat::Repos;
    QTimer attente_;
};

} // namespace

Navigateur* Fabrique_Navigateur_Web::Nouveau(QWidget* parent) {
    return new Navigateur_Web(parent, attente_ms_);
}

} // namespace swl
