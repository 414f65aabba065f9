// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "control/AddressPages.h"
#include "control/AddressView.h"
#include "control/ErrorStyles.h"
#include "control/EventSink.h"
#include "control/LoadGuard.h"
#include "control/PageLayout.h"
#include "control/ServiceHub.h"
#include "control/SubsystemPorts.h"
#include "control/Twips.h"
#include "control/Ui.h"
#include "control/Widgets.h"
#include "platform/GuardedConnect.h"

namespace belegadressen {

void AddressPages::connectSignals() {
    for (int i = 0; i < 2; ++i) {
        QPushButton* b = ui.btnSeite[i];
        connectGuarded(b, &QPushButton::clicked, b, [this, i] { btnSeiteClick(i); });
        onLeftMouseDown(b, [this] { page.mSeiteMausLinks = true; });
        onFocusIn(b, [this] { page.mSeiteMausLinks = false; });
    }
    watchPageMouse();
}

// The long text of a text number shows until the mouse moves anywhere else on
// a page. A move over a child never reaches its page, and without tracking no
// move arrives at all: every widget of the pages is tracked and watched, except
// the text-number fields, which show the long text themselves.
void AddressPages::watchPageMouse() {
    Ui& u = ui;
    auto isTextField = [&u](QWidget* w) {
        for (int element = 0; element < 2; ++element)
            for (QLineEdit* f : u.textRow(element))
                if (w == f) return true;
        return w == u.lblText;
    };
    for (QFrame* page : u.panSeite) {
        QList<QWidget*> widgets = page->findChildren<QWidget*>();
        widgets.prepend(page);
        for (QWidget* w : widgets) {
            if (isTextField(w) || w->window() != page->window()) continue;
            w->setMouseTracking(true);
            onMouse(w, [this] { ui.lblText->hide(); });
        }
    }
}

void AddressPages::sizeAddresses(qint16 n) {
    if (n < 1 || n > 98) n = 2;
    page.AnzAdresse = n;
    records.all().assign(static_cast<size_t>(n), AdressDaten{});
}

void AddressPages::setAnzAdresse(qint16 n) {
    refuseDuringLoad(state, QStringLiteral("AnzAdresse"));
    sizeAddresses(n);
    masterData.setup();
    LeereAlleAdressen();
    events.raisePropertyChanged(QStringLiteral("AnzAdresse"));
}

void AddressPages::LeereAlleAdressen() {
    for (int i = 0; i < static_cast<int>(state.mAdressen.size()); ++i)
        records.leereAdresse(i, true);
    // Address 1 is shown whatever address is current.
    const qint16 current = state.AktAdresse;
    page.AktAdresse = 1;
    view.ZeigeAdresse();
    page.AktAdresse = current;
}

void AddressPages::setAktAdresse(qint16 n) {
    const ControlState& st = state;
    if (st.designMode)
        throw Error(Error::DesignMode,
                    QStringLiteral("Die Eigenschaft kann zur Entwurfszeit nicht gesetzt werden."));
    refuseDuringLoad(st, QStringLiteral("AktAdresse"));
    page.AktAdresse = n;
    events.raisePropertyChanged(QStringLiteral("AktAdresse"));
    // A two-page address without a number is not stored: what was typed there
    // has no address to belong to.
    if (st.mAngezeigteAdresse >= 1 && st.mAngezeigteAdresse <= 99 &&
        st.hasAddress(st.mAngezeigteAdresse)) {
        if (!ui.txtDNummer->text().trimmed().isEmpty() || st.mAnzSeiten == 1)
            view.SpeichereAdresse();
    }
    page.mAngezeigteAdresse = n;
    view.ZeigeAdresse();
    layout.SetzeSeitenLayout(st.mAnzSeiten);
    if (st.mAnzSeiten == 1) turnPageQuietly(1);
}

void AddressPages::turnPageQuietly(int buttonIndex) {
    page.mSeiteVomBenutzer = false;
    skipOnError([&] { btnSeiteClick(buttonIndex); });
    page.mSeiteVomBenutzer = true;
}

QVariant AddressPages::SetzeAnzSeiten(qint16 adrNr, qint16 anzSeiten) {
    if (adrNr < 1 || adrNr > state.AnzAdresse || !state.hasAddress(adrNr) || anzSeiten < 1 ||
        anzSeiten > 2)
        return false;
    page.mAnzSeiten = anzSeiten;
    records.address(adrNr).AnzSeiten = anzSeiten;
    page.mAngezeigteAdresse = adrNr;
    return {};
}

void AddressPages::btnSeiteClick(int index) {
    Ui& u = ui;
    const ControlState& st = state;
    if (u.txtDNummer->text().trimmed().isEmpty() && st.mSeiteVomBenutzer) {
        services.meldung("Die Adressnummer " + u.txtDNummer->text() + " ist nicht vorhanden.");
        return;
    }
    QFrame* page2 = u.panSeite[0];
    QFrame* page1 = u.panSeite[1];
    if (index == 0) {
        page.mSeite = 2;
        if (page2->isHidden()) skipOnError([&] { page2->show(); });
        if (!page1->isHidden()) {
            skipOnError([&] { page1->hide(); });
            skipOnError([&] { u.ocxWaehrung->setFocus(Qt::OtherFocusReason); });
        }
        return;
    }
    page.mSeite = 1;
    if (!page2->isHidden()) skipOnError([&] { page2->hide(); });
    if (page1->isHidden()) {
        skipOnError([&] { page1->show(); });
        skipOnError([&] { u.txtDNummer->setFocus(Qt::OtherFocusReason); });
    }
    // A return to page 1 by keyboard tells the host the user is done here.
    if (st.mSeiteVomBenutzer && !st.mSeiteMausLinks) events.raiseBtnSeite2Click();
}

QVariant AddressPages::fktAnzeigeSeite1() const { return state.mSeite == 1; }

void AddressPages::SetzeFocusNummer() {
    skipOnError([&] { focusIfShown(ui.txtDNummer); });
}

void AddressPages::Refresh() {
    if (state.AktAdresse != state.AnzAdresse) return;
    view.ZeigeAdresse();
    layout.SetzeSeitenLayout(state.mAnzSeiten);
}

void AddressPages::AddAnzeigeBreit(bool wide) {
    ChangeGate gate(state);
    skipOnError([&] {
        page.AnzeigeBreit = wide;
        const int width = twipsToPixels(ui.root, wide ? 11895 : 9315);
        for (QFrame* page : ui.panSeite)
            page->setFixedWidth(width);
        ui.root->setFixedWidth(width);
    });
}

} // namespace belegadressen
