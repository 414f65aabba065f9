// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/StandortAuskunft.h"
#include "contracts/Connection.h"
#include "platform/GermanButtons.h"
#include "platform/GuardedConnect.h"
#include "platform/SqlText.h"
#include "platform/StandortListe2.h"
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace belegadressen {

void StandortAuskunft::showStandortAuskunft() {
    mUebernehmen = false;
    mStandort = mAnlage = 0;
    QDialog dialog(mApp ? mApp->MainForm() : nullptr);
    dialog.setObjectName(QStringLiteral("FRMStandortAuskunft"));
    dialog.setWindowTitle(QStringLiteral("Standortauskunft Kunde %1").arg(mKundennummer));
    dialog.resize(720, 420);
    auto* layout = new QVBoxLayout(&dialog);
    auto* liste = new StandortListe2(&dialog);
    layout->addWidget(liste, 1);
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* take =
        buttons->addButton(QStringLiteral("&Übernehmen"), QDialogButtonBox::AcceptRole);
    take->setObjectName(QStringLiteral("btnUebernehmen"));
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("btnAbbrechen"));
    take->setAutoDefault(false);
    cancel->setAutoDefault(false);
    layout->addWidget(buttons);

    auto choose = [&] {
        qint32 standort = 0, anlage = 0;
        if (!liste->aktuelleAuswahl(standort, anlage)) return;
        mStandort = standort;
        mAnlage = anlage;
        mUebernehmen = true;
        dialog.accept();
    };
    connectGuarded(liste, &SiteList::Uebernommen, &dialog, choose);
    connectGuarded(take, &QPushButton::clicked, &dialog, choose);
    connectGuarded(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);

    liste->setAppObj(mApp);
    liste->setConnectString(mApp ? mApp->ConnectStringDB() : QString());
    liste->setKundennummer(mKundennummer);
    liste->Laden();
    liste->suchfeld()->setFocus();
    mDialogs->exec(dialog);
}

void StandortAuskunft::dispose() { mApp.reset(); }

void StandortAuskunft::ShowAuskunftKommunikationsdaten(qint16, const QString& customerNumber, bool,
                                                       bool) {
    QDialog dialog(mApp ? mApp->MainForm() : nullptr);
    dialog.setObjectName(QStringLiteral("FRMKommunikation"));
    dialog.setWindowTitle(QStringLiteral("Kommunikation Kunde %1").arg(customerNumber));
    auto* form = new QFormLayout(&dialog);
    auto connection = mApp ? mApp->ConnectionDB() : nullptr;
    std::shared_ptr<Recordset> rs;
    if (connection)
        rs = connection->Execute("Select Telefon, Telefax, EMail, Hompage from Kundenstamm "
                                 "where Kundennummer = " +
                                 quoted(customerNumber));
    const struct {
        const char* column;
        const char* label;
        const char* name;
    } rows[] = {{"Telefon", "Telefon:", "txtTelefon"},
                {"Telefax", "Telefax:", "txtTelefax"},
                {"EMail", "E-Mail:", "txtEMail"},
                {"Hompage", "Internet:", "txtHompage"}};
    for (const auto& row : rows) {
        auto* field = new QLineEdit(&dialog);
        field->setObjectName(QString::fromUtf8(row.name));
        field->setReadOnly(true);
        if (rs && !rs->Eof()) {
            const QVariant v = rs->Value(QString::fromUtf8(row.column));
            field->setText(v.isNull() ? QString() : v.toString());
        }
        form->addRow(QString::fromUtf8(row.label), field);
    }
    if (rs) rs->Close();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    germanStandardButtons(*buttons);
    connectGuarded(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    mDialogs->exec(dialog);
}

} // namespace belegadressen
