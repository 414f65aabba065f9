// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

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

namespace {

// Places named in a mark: a code of very many places is not listed in full.
constexpr qsizetype kPlacesNamed = 8;

QString undoneKey(const QString& plz, const QString& typed) {
    return plz.trimmed() + QChar(0x1F) + typed.trimmed();
}

} // namespace

PostalCheck::PostalCheck(const ControlState& state, Ui& ui, ServiceHub& services, EventSink& events,
                         AddressGuard& guard)
    : mState(state), mUi(ui), mServices(services), mEvents(events), mGuard(guard),
      mPlzMark(ui.txtDPostleitzahl, QStringLiteral("actPostleitzahlPruefung")),
      mOrtMark(ui.txtDAdr[6], QStringLiteral("actOrtPruefung")) {}

void PostalCheck::connectSignals() {
    Ui& u = mUi;
    connectGuarded(u.txtDPostleitzahl, &QLineEdit::textChanged, u.txtDPostleitzahl,
                   [this] { postalTextChanged(false); });
    connectGuarded(u.txtDAdr[6], &QLineEdit::textChanged, u.txtDAdr[6],
                   [this] { postalTextChanged(true); });
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
        PostalCodeManagerExtension* x = context(m);
        if (x) x->neueSuche();
        searchQuietly(m, !mBestaetigung, [&] { m.Suche_Plz(plz, ort, strasse, true); });
        if (!m.Geprueft()) {
            markUnconfirmed(x);
            return;
        }
        // The gate stays open: each field written reports its change.
        Mark mark;
        if (!mState.MitPostleitzahlOnline) {
            mark = writePlace(m.Ort(), x, true);
            u.txtDAdr[5]->setText(m.Strasse());
            u.txtDPostleitzahl->setText(m.Plz());
            showMark(mark);
            return;
        }
        if (!m.Ort().trimmed().isEmpty()) mark = writePlace(m.Ort(), x, true);
        if (!m.Strasse().trimmed().isEmpty())
            u.txtDAdr[5]->setText((m.Strasse() + QLatin1Char(' ') + m.Hausnummer()).trimmed());
        if (!m.Plz().trimmed().isEmpty()) u.txtDPostleitzahl->setText(m.Plz());
        showMark(mark);
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
    // Not confirmed: the typed place stays whatever it is.
    if (place.isEmpty() || !m.Geprueft()) {
        markUnconfirmed(x);
        return;
    }
    showMark(writePlace(place, x, false));
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
        PostalCodeManagerExtension* x = context(m);
        searchQuietly(m, !mBestaetigung, [&] {
            m.Suche_Plz(u.txtDPostleitzahl->text(), place->text(), street->text());
        });
        if (!m.Geprueft()) {
            markUnconfirmed(x);
            return;
        }
        const Mark mark = writePlace(m.Ort(), x, false);
        street->setText(m.Strasse());
        u.txtDPostleitzahl->setText(m.Plz());
        showMark(mark);
        return;
    }
    // Online: the place this check has just written is not checked again.
    if (mOrtGeprueft) {
        mOrtGeprueft = false;
        return;
    }
    ChangeGate gate(st);
    QString plz = u.txtDPostleitzahl->text(), ort = place->text(), strasse = street->text();
    PostalCodeManagerExtension* x = context(m);
    m.setOkMeldungUnterdrucken(true);
    try {
        searchQuietly(m, !mBestaetigung, [&] { m.Suche_Plz(plz, ort, strasse, false); });
    } catch (...) {
        m.setOkMeldungUnterdrucken(false);
        throw;
    }
    m.setOkMeldungUnterdrucken(false);
    // Online nothing is offered: what is not certain stays as typed, marked.
    if (!m.Geprueft()) {
        markUnconfirmed(x);
        return;
    }
    Mark mark;
    const QString foundOrt = m.Ort().trimmed();
    if (!foundOrt.isEmpty()) {
        mOrtGeprueft = true;
        if (foundOrt != place->text().trimmed()) mark = writePlace(m.Ort(), x, false);
    }
    if (!m.Strasse().trimmed().isEmpty())
        street->setText((m.Strasse() + QLatin1Char(' ') + m.Hausnummer()).trimmed());
    const QString foundPlz = m.Plz().trimmed();
    if (!foundPlz.isEmpty() && foundPlz != u.txtDPostleitzahl->text())
        u.txtDPostleitzahl->setText(m.Plz());
    showMark(mark);
}

PostalCheck::Mark PostalCheck::writePlace(const QString& found, PostalCodeManagerExtension* x,
                                          bool asked) {
    QLineEdit* place = mUi.txtDAdr[6];
    const QString typed = x ? x->OrtVorKorrektur() : QString();
    if (typed.isEmpty()) {
        place->setText(found);
        return {};
    }
    const QString before = place->text();
    if (before == found) return {};
    if (!asked && mUndoneCorrections.contains(undoneKey(mUi.txtDPostleitzahl->text(), before)))
        return {{}, {}, {found}};
    // An edit of its own rather than setText, which would forget the typed text.
    place->selectAll();
    place->insert(found);
    return {before, found, {}};
}

void PostalCheck::showMark(const Mark& mark) {
    if (!mark.places.isEmpty()) {
        markPair(mark.places);
        return;
    }
    if (mark.written.isEmpty() || mUi.txtDAdr[6]->text() != mark.written) return;
    mOrtMark.show(FieldMark::Kind::Information,
                  QStringLiteral("Ort berichtigt, getippt war \"%1\". Strg+Z stellt es wieder her.")
                      .arg(mark.typed.trimmed()));
    mCorrectedFrom = mark.typed;
}

void PostalCheck::markUnconfirmed(PostalCodeManagerExtension* x) {
    if (!x || mUi.txtDAdr[6]->text().trimmed().isEmpty()) return;
    const QStringList places = x->OrteDerPlz();
    if (!places.isEmpty()) markPair(places);
}

void PostalCheck::markPair(const QStringList& places) {
    QString named = places.mid(0, kPlacesNamed).join(QStringLiteral(", "));
    if (places.size() > kPlacesNamed)
        named += QStringLiteral(" und %1 weitere").arg(places.size() - kPlacesNamed);
    const QString text =
        QStringLiteral("Die Postleitzahl %1 gehört zu %2, nicht zu \"%3\". Prüfen mit F2.")
            .arg(mUi.txtDPostleitzahl->text().trimmed(), named, mUi.txtDAdr[6]->text().trimmed());
    mPlzMark.show(FieldMark::Kind::Warning, text);
    mOrtMark.show(FieldMark::Kind::Warning, text);
    mCorrectedFrom.clear();
}

void PostalCheck::postalTextChanged(bool place) {
    // Ctrl+Z right after a correction: the user wants the typed text.
    if (place && !mCorrectedFrom.isEmpty() && mUi.txtDAdr[6]->text() == mCorrectedFrom)
        mUndoneCorrections.insert(undoneKey(mUi.txtDPostleitzahl->text(), mCorrectedFrom));
    mCorrectedFrom.clear();
    mPlzMark.clear();
    mOrtMark.clear();
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
