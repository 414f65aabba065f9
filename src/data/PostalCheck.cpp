#include "data/PostalCheck.h"
#include "contracts/PostalCodeManager.h"
#include "control/AddressGuard.h"
#include "control/ControlState.h"
#include "control/DocumentKinds.h"
#include "control/ErrorStyles.h"
#include "control/EventSink.h"
#include "control/ServiceHub.h"
#include "control/Ui.h"
#include "control/Widgets.h"
#include "platform/GuardedConnect.h"
#include "platform/Keys.h"
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>

namespace belegadressen {

void PostalCheck::connectSignals() {
    Ui& u = mUi;
    connectGuarded(u.btnPlz, &QToolButton::clicked, u.btnPlz, [this] { btnPlzClick(); });
    connectGuarded(u.btnAutoMap, &QToolButton::clicked, u.btnAutoMap,
                   [this] { btnAutoMapClick(); });
    for (QLineEdit* field : {u.txtDPostleitzahl, u.txtDPostfach, u.txtDPlzPostfach})
        connectGuarded(field, &QLineEdit::textChanged, field,
                       [this, field] { postalFieldChanged(field); });
    // F2 in the postal code or the place searches as the button beside them
    // does, so that the search needs no mouse.
    for (QLineEdit* field : {u.txtDPostleitzahl, u.txtDAdr[6]})
        onKeyRelease(field, [this](int key, Qt::KeyboardModifiers mods) {
            if (!isPlainF2(key, mods) || !shown(mUi.btnPlz) || !mUi.btnPlz->isEnabled())
                return false;
            guarded([&] { btnPlzClick(); });
            return true;
        });
    onLeave(u.txtDPostleitzahl, u.root, [this] { skipOnError([&] { postleitzahlValidate(); }); });
    onLeave(u.txtDPlzPostfach, u.root, [this] { guarded([&] { plzPostfachLeft(); }); });
}

PostalCodeManagerExtension* PostalCheck::context(PostalCodeManager& m) {
    auto* x = dynamic_cast<PostalCodeManagerExtension*>(&m);
    if (!x) return nullptr;
    QString land = mUi.cdoDLand->currentText().trimmed();
    if (land.isEmpty()) land = mState.Heimatland;
    x->setAnschrift(land, mUi.txtDAdr[6]->text());
    return x;
}

namespace {
// A search that may confirm with a message; with the confirmation switched
// off the manager is asked to keep quiet for this search only.
template <class F> void searchQuietly(PostalCodeManager& m, bool quiet, F&& search) {
    if (!quiet) {
        search();
        return;
    }
    m.setOkMeldungUnterdrucken(true);
    try {
        search();
    } catch (...) {
        m.setOkMeldungUnterdrucken(false);
        throw;
    }
    m.setOkMeldungUnterdrucken(false);
}
} // namespace

PostalCodeManager& PostalCheck::manager() {
    if (!mState.mPlzManager)
        throw Error(Error::ObjectMissing,
                    QStringLiteral("Objektvariable nicht festgelegt: Die "
                                   "Postleitzahlenverwaltung ist nicht verfügbar."));
    return *mState.mPlzManager;
}

void PostalCheck::btnPlzClick() {
    try {
        Ui& u = mUi;
        const QString plz = u.txtDPostleitzahl->text();
        const QString ort = u.txtDAdr[6]->text();
        const QString strasse = u.txtDAdr[5]->text();
        PostalCodeManager& m = manager();
        // The user asks: a value answered before is asked about again.
        if (PostalCodeManagerExtension* x = context(m)) x->neueSuche();
        searchQuietly(m, !mBestaetigung, [&] { m.Suche_Plz(plz, ort, strasse, true); });
        if (!m.Geprueft()) return;
        // The gate stays open: each field written reports its change.
        if (!mState.MitPostleitzahlOnline) {
            u.txtDAdr[6]->setText(m.Ort());
            u.txtDAdr[5]->setText(m.Strasse());
            u.txtDPostleitzahl->setText(m.Plz());
            return;
        }
        if (!m.Ort().trimmed().isEmpty()) u.txtDAdr[6]->setText(m.Ort());
        if (!m.Strasse().trimmed().isEmpty())
            u.txtDAdr[5]->setText((m.Strasse() + QLatin1Char(' ') + m.Hausnummer()).trimmed());
        if (!m.Plz().trimmed().isEmpty()) u.txtDPostleitzahl->setText(m.Plz());
    } catch (...) {
        reportCommandFailure(mServices, QStringLiteral("btnPlz_Click"), std::current_exception());
    }
}

void PostalCheck::postleitzahlValidate() {
    const ControlState& st = mState;
    QLineEdit* field = mUi.txtDPostleitzahl;
    if (!st.aenderungMelden()) return;
    if (field->text() == st.current().Postleitzahl) return;
    if (!st.MitPostleitzahl || field->text().isEmpty()) return;
    ChangeGate gate(st);
    PostalCodeManager& m = manager();
    PostalCodeManagerExtension* x = context(m);
    const QString place = m.Suche_Ort(field->text());
    if (!place.isEmpty() && m.Geprueft())
        mUi.txtDAdr[6]->setText(place);
    else if (x && x->OrtVerworfen())
        mUi.txtDAdr[6]->clear(); // never a place of another code beside this one
}

void PostalCheck::placeValidate() {
    const ControlState& st = mState;
    Ui& u = mUi;
    QLineEdit* place = u.txtDAdr[6];
    QLineEdit* street = u.txtDAdr[5];
    if (!st.aenderungMelden() || !st.MitPostleitzahl || place->text().isEmpty() ||
        place->text() == st.current().Ort)
        return;
    PostalCodeManager& m = manager();
    if (!st.MitPostleitzahlOnline) {
        context(m);
        searchQuietly(m, !mBestaetigung, [&] {
            m.Suche_Plz(u.txtDPostleitzahl->text(), place->text(), street->text());
        });
        if (m.Geprueft()) {
            place->setText(m.Ort());
            street->setText(m.Strasse());
            u.txtDPostleitzahl->setText(m.Plz());
        }
        return;
    }
    // Online: the place this check has just written is not checked again.
    if (mOrtGeprueft) {
        mOrtGeprueft = false;
        return;
    }
    ChangeGate gate(st);
    QString plz = u.txtDPostleitzahl->text(), ort = place->text(), strasse = street->text();
    context(m);
    m.setOkMeldungUnterdrucken(true);
    try {
        m.Suche_Plz(plz, ort, strasse, false);
    } catch (...) {
        m.setOkMeldungUnterdrucken(false);
        throw;
    }
    m.setOkMeldungUnterdrucken(false);
    if (!m.Geprueft()) return;
    const QString foundOrt = m.Ort().trimmed();
    if (!foundOrt.isEmpty()) {
        mOrtGeprueft = true;
        if (foundOrt != place->text().trimmed()) place->setText(m.Ort());
    }
    if (!m.Strasse().trimmed().isEmpty())
        street->setText((m.Strasse() + QLatin1Char(' ') + m.Hausnummer()).trimmed());
    const QString foundPlz = m.Plz().trimmed();
    if (!foundPlz.isEmpty() && foundPlz != u.txtDPostleitzahl->text())
        u.txtDPostleitzahl->setText(m.Plz());
}

void PostalCheck::postalFieldChanged(QLineEdit* field) {
    if (!mState.aenderungMelden()) return;
    if (!mGuard.PruefeAdressnummer()) {
        ChangeGate gate(mState);
        skipOnError([&] { field->clear(); });
        return;
    }
    mEvents.raiseChange();
}

void PostalCheck::plzPostfachLeft() {
    const ControlState& st = mState;
    // The service orders put the site on the second page; there the PO-box
    // postal code does not lead on to it.
    if (!st.MitPostfach || st.mAnzSeiten != 1 || documentKinds::isServiceOrder(st.mBelegart))
        return;
    skipOnError([&] { focusIfShown(mUi.txtDNummer); });
    if (st.mSeiteVomBenutzer) skipOnError([&] { mEvents.raiseBtnSeite2Click(); });
}

void PostalCheck::btnAutoMapClick() {
    skipOnError([&] {
        const QString plz = mUi.txtDPostleitzahl->text();
        const QString ort = mUi.txtDAdr[6]->text();
        const QString strasse = mUi.txtDAdr[5]->text();
        mEvents.raiseAufrufAutoMap(plz, ort, strasse);
    });
}

} // namespace belegadressen
