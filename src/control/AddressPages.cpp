#include "control/AddressPages.h"
#include "control/Collaborators.h"
#include "control/Context.h"
#include "control/ErrorStyles.h"
#include "control/LoadGuard.h"
#include "control/Twips.h"
#include "control/Widgets.h"

namespace belegadressen {

void AddressPages::connectSignals() {
    for (int i = 0; i < 2; ++i) {
        QPushButton* b = c.ui.btnSeite[i];
        QObject::connect(b, &QPushButton::clicked, b,
                         [this, i] { guarded([&] { btnSeiteClick(i); }); });
        onLeftMouseDown(b, [this] { c.st.mSeiteMausLinks = true; });
        onFocusIn(b, [this] { c.st.mSeiteMausLinks = false; });
    }
    // The long text of a text number floats over the page until the mouse
    // moves on the page itself.
    for (QFrame* page : c.ui.panSeite)
        onMouse(page, [this] { c.ui.lblText->hide(); });
}

void AddressPages::sizeAddresses(qint16 n) {
    if (n < 1 || n > 98) n = 2;
    c.st.AnzAdresse = n;
    c.st.mAdressen.assign(static_cast<size_t>(n), AdressDaten{});
}

void AddressPages::setAnzAdresse(qint16 n) {
    refuseDuringLoad(c.st, QStringLiteral("AnzAdresse"));
    sizeAddresses(n);
    c.parts.masterData.setup();
    LeereAlleAdressen();
    c.ev.raisePropertyChanged(QStringLiteral("AnzAdresse"));
}

void AddressPages::LeereAlleAdressen() {
    for (int i = 0; i < static_cast<int>(c.st.mAdressen.size()); ++i)
        c.st.leereAdresse(i, true);
    // Address 1 is shown whatever address is current.
    const qint16 current = c.st.AktAdresse;
    c.st.AktAdresse = 1;
    c.parts.view.ZeigeAdresse();
    c.st.AktAdresse = current;
}

void AddressPages::setAktAdresse(qint16 n) {
    ControlState& st = c.st;
    if (st.designMode)
        throw Error(Error::DesignMode,
                    QStringLiteral("Die Eigenschaft kann zur Entwurfszeit nicht gesetzt werden."));
    refuseDuringLoad(st, QStringLiteral("AktAdresse"));
    st.AktAdresse = n;
    c.ev.raisePropertyChanged(QStringLiteral("AktAdresse"));
    // A two-page address without a number is not stored: what was typed there
    // has no address to belong to.
    if (st.mAngezeigteAdresse >= 1 && st.mAngezeigteAdresse <= 99 &&
        st.hasAddress(st.mAngezeigteAdresse)) {
        if (!c.ui.txtDNummer->text().trimmed().isEmpty() || st.mAnzSeiten == 1)
            c.parts.view.SpeichereAdresse();
    }
    st.mAngezeigteAdresse = n;
    c.parts.view.ZeigeAdresse();
    c.parts.layout.SetzeSeitenLayout(st.mAnzSeiten);
    if (st.mAnzSeiten == 1) switchToPage1Quietly();
}

void AddressPages::switchToPage1Quietly() {
    c.st.mSeiteVomBenutzer = false;
    skipOnError([&] { btnSeiteClick(1); });
    c.st.mSeiteVomBenutzer = true;
}

QVariant AddressPages::SetzeAnzSeiten(qint16 adrNr, qint16 anzSeiten) {
    if (adrNr < 1 || adrNr > c.st.AnzAdresse || !c.st.hasAddress(adrNr) || anzSeiten < 1 ||
        anzSeiten > 2)
        return false;
    c.st.mAnzSeiten = anzSeiten;
    c.st.address(adrNr).AnzSeiten = anzSeiten;
    c.st.mAngezeigteAdresse = adrNr;
    return {};
}

void AddressPages::btnSeiteClick(int index) {
    Ui& u = c.ui;
    ControlState& st = c.st;
    if (u.txtDNummer->text().trimmed().isEmpty() && st.mSeiteVomBenutzer) {
        c.svc.meldung("Die Adressnummer " + u.txtDNummer->text() + " ist nicht vorhanden.");
        return;
    }
    QFrame* page2 = u.panSeite[0];
    QFrame* page1 = u.panSeite[1];
    if (index == 0) {
        st.mSeite = 2;
        if (page2->isHidden()) skipOnError([&] { page2->show(); });
        if (!page1->isHidden()) {
            skipOnError([&] { page1->hide(); });
            skipOnError([&] { u.ocxWaehrung->setFocus(Qt::OtherFocusReason); });
        }
        return;
    }
    st.mSeite = 1;
    if (!page2->isHidden()) skipOnError([&] { page2->hide(); });
    if (page1->isHidden()) {
        skipOnError([&] { page1->show(); });
        skipOnError([&] { u.txtDNummer->setFocus(Qt::OtherFocusReason); });
    }
    // A return to page 1 by keyboard tells the host the user is done here.
    if (st.mSeiteVomBenutzer && !st.mSeiteMausLinks) c.ev.raiseBtnSeite2Click();
}

QVariant AddressPages::fktAnzeigeSeite1() const { return c.st.mSeite == 1; }

void AddressPages::SetzeFocusNummer() {
    skipOnError([&] { focusIfShown(c.ui.txtDNummer); });
}

void AddressPages::Refresh() {
    if (c.st.AktAdresse != c.st.AnzAdresse) return;
    c.parts.view.ZeigeAdresse();
    c.parts.layout.SetzeSeitenLayout(c.st.mAnzSeiten);
}

void AddressPages::AddAnzeigeBreit(bool wide) {
    skipOnError([&] {
        c.st.AnzeigeBreit = wide;
        const int width = twipsToPixels(c.ui.root, wide ? 11895 : 9315);
        for (QFrame* page : c.ui.panSeite)
            page->setFixedWidth(width);
        c.ui.root->setFixedWidth(width);
    });
}

} // namespace belegadressen
