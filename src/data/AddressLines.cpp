#include "data/AddressLines.h"
#include "contracts/PostalCodeManager.h"
#include "control/Collaborators.h"
#include "control/Context.h"
#include "control/ErrorStyles.h"
#include "control/Widgets.h"
#include <QScopeGuard>

namespace belegadressen {

void AddressLines::connectSignals() {
    Ui& u = c.ui;
    for (int i = 0; i < 7; ++i) {
        QLineEdit* line = u.txtDAdr[i];
        QObject::connect(line, &QLineEdit::textChanged, line,
                         [this, i] { guarded([&] { lineChanged(i); }); });
        onLeave(line, u.root, [this, i] {
            if (i == 6) skipOnError([&] { placeValidate(); });
            lineLeft(i);
        });
    }
    for (QLineEdit* ref : u.txtDKD_Nr)
        QObject::connect(ref, &QLineEdit::textChanged, ref, [this] {
            if (c.st.mAenderungMelden) c.ev.raiseChange();
        });
    QObject::connect(u.btnErwAdresse, &QPushButton::clicked, u.btnErwAdresse,
                     [this] { guarded([&] { btnErwAdresseClick(); }); });
}

void AddressLines::lineChanged(int index) {
    if (!c.st.mAenderungMelden) return;
    if (!c.parts.addresses.PruefeAdressnummer()) {
        ChangeGate gate(c.st);
        skipOnError([&] { c.ui.txtDAdr[index]->clear(); });
        return;
    }
    c.ev.raiseChange();
}

void AddressLines::placeValidate() {
    ControlState& st = c.st;
    Ui& u = c.ui;
    QLineEdit* place = u.txtDAdr[6];
    QLineEdit* street = u.txtDAdr[5];
    if (!st.mAenderungMelden || !st.MitPostleitzahl || place->text().isEmpty() ||
        place->text() == st.current().Ort)
        return;
    PostalCodeManager* plz = st.mPlzManager.get();
    if (!plz) return;
    if (!st.MitPostleitzahlOnline) {
        plz->Suche_Plz(u.txtDPostleitzahl->text(), place->text(), street->text());
        if (plz->Geprueft()) {
            place->setText(plz->Ort());
            street->setText(plz->Strasse());
            u.txtDPostleitzahl->setText(plz->Plz());
        }
        st.mAenderungMelden = true;
        return;
    }
    if (st.mOrtGeprueft) {
        st.mOrtGeprueft = false;
        return;
    }
    // Gate and the manager's confirmation come back whatever the search
    // throws: a lost connection must not silence later edits.
    const ChangeGate gate(st);
    {
        plz->setOkMeldungUnterdrucken(true);
        const auto confirmAgain = qScopeGuard([plz] { plz->setOkMeldungUnterdrucken(false); });
        plz->Suche_Plz(u.txtDPostleitzahl->text(), place->text(), street->text(), false);
    }
    if (plz->Geprueft()) {
        const QString ort = plz->Ort().trimmed();
        if (!ort.isEmpty()) {
            st.mOrtGeprueft = true;
            if (ort != place->text().trimmed()) place->setText(plz->Ort());
        }
        if (!plz->Strasse().trimmed().isEmpty())
            street->setText((plz->Strasse() + " " + plz->Hausnummer()).trimmed());
        const QString code = plz->Plz().trimmed();
        if (!code.isEmpty() && code != u.txtDPostleitzahl->text())
            u.txtDPostleitzahl->setText(plz->Plz());
    }
    st.mAenderungMelden = true;
}

void AddressLines::lineLeft(int index) {
    ControlState& st = c.st;
    if (index == 4) skipOnError([&] { btnErwAdresseClick(); });
    st.mOrtGeprueft = false;
    if (index == 6 && !st.MitPostfach && st.mAnzSeiten == 1 && st.mBelegart != 110 &&
        st.mBelegart != 120) {
        skipOnError([&] { focusIfShown(c.ui.txtDNummer); });
        if (st.mSeiteVomBenutzer) c.ev.raiseBtnSeite2Click();
    }
}

void AddressLines::btnErwAdresseClick() {
    Ui& u = c.ui;
    if (u.btnErwAdresse->text().startsWith(QLatin1String("Er"))) {
        u.panerwadr[0]->show();
        u.btnErwAdresse->setText(QStringLiteral("Std. Ad&resse"));
        u.txtDAdr[3]->setFocus(Qt::OtherFocusReason);
        return;
    }
    u.panerwadr[0]->hide();
    u.btnErwAdresse->setText(QStringLiteral("Er&w. Adresse"));
    if (shown(u.txtDAdr[5]))
        u.txtDAdr[5]->setFocus(Qt::OtherFocusReason);
    else
        u.txtDAdr[6]->setFocus(Qt::OtherFocusReason);
}

} // namespace belegadressen
