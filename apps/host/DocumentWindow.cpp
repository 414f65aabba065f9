// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "DocumentWindow.h"
#include "AddressKeys.h"
#include "AddressPreview.h"
#include "DocumentGuard.h"
#include "EventLog.h"
#include "HostAppObject.h"
#include "PostalCodes.h"
#include "SearchDialog.h"
#include "ServicePane.h"
#include "TextChooser.h"
#include "control/BelegAdressen.h"
#include "platform/GuardedConnect.h"
#include "ui_DocumentWindow.h"
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDockWidget>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QVBoxLayout>

using belegadressen::connectGuarded;

using belegadressen::BelegAdressen;

namespace {

constexpr qint16 kAddresses = 3;
const QString kHomeCurrency = QStringLiteral("EUR");
// One hour, in hundredths.
constexpr qint16 kDefaultDuration = 100;

} // namespace

const QList<DocumentKind>& documentKinds() {
    static const QList<DocumentKind> kinds = {
        {10, QStringLiteral("Angebot")},          {20, QStringLiteral("Auftragsbestätigung")},
        {40, QStringLiteral("Lieferschein")},     {50, QStringLiteral("Rechnung")},
        {100, QStringLiteral("Gutschrift")},      {110, QStringLiteral("Kundendienstauftrag")},
        {120, QStringLiteral("Wartungsauftrag")}, {130, QStringLiteral("Kundendienstrechnung")},
    };
    return kinds;
}

template <typename F> void DocumentWindow::guarded(const QString& what, F&& step) {
    try {
        step();
    } catch (const belegadressen::Error& e) {
        log(QStringLiteral("[Fehler] %1: %2 (Nr. %3)")
                .arg(what, QString::fromUtf8(e.what()))
                .arg(e.number()));
        mDialogs->information(what, QString::fromUtf8(e.what()));
    } catch (const std::exception& e) {
        log(QStringLiteral("[Fehler] %1: %2").arg(what, QString::fromUtf8(e.what())));
        mDialogs->information(what, QString::fromUtf8(e.what()));
    }
}

void DocumentWindow::attempt(const QString& what, const std::function<void()>& step) {
    guarded(what, step);
}

DocumentWindow::DocumentWindow(Setup setup)
    : mSetup(std::move(setup)), mStore(mSetup.db), mProperties(mSetup.propertiesFile) {
    auto logLine = [this](const QString& line) { log(line); };
    mDialogs = std::make_shared<HostDialogRunner>(mSetup.interactive, logLine);
    mMessages = std::make_shared<HostMessageService>(mDialogs, mSetup.interactive, logLine);
    mApp = std::make_shared<HostAppObject>(mSetup.db, mSetup.connectString, mSetup.user);
    mApp->setMainForm(this);
    buildUi();
    mGuard = new DocumentGuard(*mControl, mAddresses, *mDialogs, this);
    mStore.ensureTable();
    startControl();
    mGuard->markSaved();
}

DocumentWindow::~DocumentWindow() = default;

void DocumentWindow::buildUi() {
    setWindowTitle(QStringLiteral("Beleg – Adressen"));
    setObjectName(QStringLiteral("frmBeleg"));

    auto* bar = addToolBar(QStringLiteral("Beleg"));
    bar->setObjectName(QStringLiteral("tbBeleg"));
    bar->setMovable(false);
    bar->addWidget(new QLabel(QStringLiteral(" Belegart: "), bar));
    mKind = new QComboBox(bar);
    mKind->setObjectName(QStringLiteral("cboBelegart"));
    for (const DocumentKind& kind : documentKinds())
        mKind->addItem(QStringLiteral("%1 %2").arg(kind.code).arg(kind.name), kind.code);
    mKind->setCurrentIndex(mKind->findData(qint16(50)));
    bar->addWidget(mKind);
    bar->addSeparator();
    bar->addAction(
           QStringLiteral("&Neu"), this,
           [this] {
               if (mGuard->mayReplace(QStringLiteral("Neu"), [this] { return saveDocument() > 0; }))
                   guarded(QStringLiteral("Neu"), [this] { newDocument(); });
           })
        ->setObjectName(QStringLiteral("actNeu"));
    bar->addAction(QStringLiteral("&Speichern"), this, [this] { saveDocument(); })
        ->setObjectName(QStringLiteral("actSpeichern"));
    bar->addAction(QStringLiteral("Ö&ffnen…"), this, [this] { chooseDocument(); })
        ->setObjectName(QStringLiteral("actOeffnen"));
    bar->addSeparator();
    mNumberLabel = new QLabel(bar);
    bar->addWidget(mNumberLabel);

    // The address tabs and the control come from DocumentWindow.ui.
    auto* central = new QWidget(this);
    Ui::DocumentCentral form;
    form.setupUi(central);
    mAddresses = form.tabAdressen;
    mAddresses->addTab(QStringLiteral("&1 Kunde"));
    mAddresses->addTab(QStringLiteral("&2 Lieferadresse / Einsatzort"));
    mAddresses->addTab(QStringLiteral("&3 Rechnungsadresse"));
    addAddressKeys(this, mAddresses);
    mControl = form.BelegAdressen1;
    setCentralWidget(central);

    auto* dock = new QDockWidget(QStringLiteral("Ereignisse"), this);
    dock->setObjectName(QStringLiteral("dockEreignisse"));
    auto* pane = new QWidget(dock);
    auto* paneLayout = new QVBoxLayout(pane);
    mLog = new QPlainTextEdit(pane);
    mLog->setObjectName(QStringLiteral("txtEreignisse"));
    mLog->setReadOnly(true);
    mLog->setMaximumBlockCount(5000);
    mLog->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    auto* clear = new QPushButton(QStringLiteral("Protokoll leeren"), pane);
    connectGuarded(clear, &QPushButton::clicked, mLog, &QPlainTextEdit::clear);
    paneLayout->addWidget(mLog, 1);
    paneLayout->addWidget(clear);
    pane->setMinimumWidth(440);
    dock->setWidget(pane);
    addDockWidget(Qt::RightDockWidgetArea, dock);
    addServicePane(*this);
    addAddressPreview(*this);
    resize(1400, 820);
    statusBar()->showMessage(
        QStringLiteral("%1 – Benutzer %2").arg(mSetup.description, mSetup.user));

    connectGuarded(mKind, &QComboBox::currentIndexChanged, this,
                   [this](int index) { setBelegart(qint16(mKind->itemData(index).toInt())); });
    connectGuarded(mAddresses, &QTabBar::currentChanged, this,
                   [this](int index) { switchAddress(index + 1); });
    showDocumentNumber();
}

void DocumentWindow::startControl() {
    BelegAdressen& c = *mControl;
    const int events = connectEventLog(c, [this](const QString& line) { log(line); });
    log(QStringLiteral("%1 Ereignisse verbunden").arg(events));
    // The search requests are answered after the control has finished its
    // button handler (it marks the search as started only on return).
    connectGuarded(&c, &BelegAdressen::btnKundeClick, this, &DocumentWindow::searchCustomer,
                   Qt::QueuedConnection);
    connectGuarded(&c, &BelegAdressen::btnAdresseClick, this, &DocumentWindow::searchAddress,
                   Qt::QueuedConnection);
    connectTextChooser(*this);

    for (const SearchTarget& target : {SearchTarget::customers(), SearchTarget::addresses()}) {
        const QStringList plan = searchPlan(target, mSetup.db);
        const bool scans = plan.filter(QStringLiteral("SCAN")).size() > 0;
        if (scans)
            log(QStringLiteral(
                    "[Hinweis] %1 ohne passenden Index, durchsucht die ganze Tabelle: %2")
                    .arg(target.title, plan.join(QStringLiteral("; "))));
    }

    // Messages and dialogs go through the host from the first step on.
    belegadressen::Services services;
    services.messages = mMessages;
    services.dialogs = mDialogs;
    c.setServices(services);

    guarded(QStringLiteral("Formulareinstellungen"), [&] {
        c.setDesignMode(false);
        if (mProperties.exists()) {
            mProperties.readInto(c);
            log(QStringLiteral("Formulareinstellungen gelesen: %1").arg(mProperties.path()));
        } else {
            // The design of this document window.
            c.InitProperties();
            c.setEnabled(true);
            c.setMitVersandanschrift(true);
            c.setMitRechnungsanschrift(true);
            c.setFuerBeleg(true);
            c.setMitKopftext(true);
            c.setMitFusstext(true);
            c.setMitVersandarten(true);
            c.setMitSachbearbeiter(true);
            c.setMitAuftragsrabatt(true);
            c.setMitRechnungPerPDF(true);
            c.setMitDebitorenkonto(true);
            c.setMitPostfach(true);
            c.setMitKundendienst(true);
            c.setMitWartung(true);
        }
    });

    guarded(QStringLiteral("Start"), [&] {
        // Run-time settings, in the order the control expects them.
        c.setAppObj(mApp);
        enablePostalCodes(c, mApp);
        c.AddLandeswaehrung(kHomeCurrency);
        c.AddBelegart(belegart());
        // The text-number rows show the number of the document's own kind.
        c.setMitKopftext(c.MitKopftext());
        c.setMitFusstext(c.MitFusstext());
        c.AddStandarddauer(kDefaultDuration);
        c.setMitKundenaktualisierung(true);
        c.setDuplikatWarnung(true);
        prepareAddresses();
    });
}

// Three addresses: the customer on two pages, shipping and invoice address
// on one page each (the second also carries the service order).
void DocumentWindow::prepareAddresses() {
    BelegAdressen& c = *mControl;
    c.setAnzAdresse(kAddresses);
    c.SetzeAnzSeiten(3, 1);
    c.SetzeAnzSeiten(2, 1);
    c.SetzeAnzSeiten(1, 2);
    c.setAktAdresse(1);
    syncAddressTabs();
}

void DocumentWindow::log(const QString& line) {
    const QString stamped =
        QDateTime::currentDateTime().toString(QStringLiteral("hh:mm:ss.zzz ")) + line;
    if (mLog) mLog->appendPlainText(stamped);
    if (mSetup.echo) mSetup.echo(line);
}

qint16 DocumentWindow::belegart() const { return qint16(mKind->currentData().toInt()); }

void DocumentWindow::setBelegart(qint16 code) {
    const int index = mKind->findData(code);
    if (index >= 0 && index != mKind->currentIndex()) {
        // The combo's signal comes back here.
        mKind->setCurrentIndex(index);
        return;
    }
    if (mGuard) mGuard->finishInput();
    guarded(QStringLiteral("Belegart"), [&] {
        BelegAdressen& c = *mControl;
        c.AddBelegart(code);
        log(QStringLiteral("Belegart %1").arg(code));
        // The text-number rows and the service part depend on the kind.
        c.setMitKopftext(c.MitKopftext());
        c.setMitFusstext(c.MitFusstext());
        if (c.AktAdresse() >= 1) c.setAktAdresse(c.AktAdresse());
    });
}

void DocumentWindow::switchAddress(int number) {
    guarded(QStringLiteral("Adresse wechseln"), [&] {
        if (mControl->AktAdresse() != number) mControl->setAktAdresse(qint16(number));
    });
    syncAddressTabs();
}

void DocumentWindow::syncAddressTabs() {
    const int index = mControl->AktAdresse() - 1;
    if (index >= 0 && index < mAddresses->count() && index != mAddresses->currentIndex()) {
        const QSignalBlocker block(mAddresses);
        mAddresses->setCurrentIndex(index);
    }
}

void DocumentWindow::newDocument() {
    prepareAddresses();
    mDocumentNumber = 0;
    mGuard->markSaved();
    showDocumentNumber();
    log(QStringLiteral("Neuer Beleg"));
}

int DocumentWindow::saveDocument() {
    int saved = 0;
    mGuard->finishInput();
    guarded(QStringLiteral("Speichern"), [&] {
        DocumentValues values = readFromControl(*mControl);
        values[0].insert(QStringLiteral("Belegart"), QString::number(belegart()));
        const int number = mStore.save(mDocumentNumber, values);
        mDocumentNumber = saved = number;
        mGuard->markSaved();
        int count = 0;
        for (const auto& address : values)
            count += int(address.size());
        log(QStringLiteral("Beleg %1 gespeichert (%2 Werte)").arg(number).arg(count));
    });
    syncAddressTabs();
    showDocumentNumber();
    return saved;
}

bool DocumentWindow::openDocument(int number) {
    bool opened = false;
    guarded(QStringLiteral("Öffnen"), [&] {
        const DocumentValues values = mStore.load(number);
        if (values.isEmpty()) {
            mDialogs->information(QStringLiteral("Öffnen"),
                                  QStringLiteral("Beleg %1 gibt es nicht.").arg(number));
            return;
        }
        // From here on the shown document is no longer the one under the
        // old number: a failure below must not let the next save overwrite it.
        mDocumentNumber = 0;
        const qint16 kind = qint16(values.value(0).value(QStringLiteral("Belegart")).toInt());
        {
            const QSignalBlocker block(mKind);
            const int index = mKind->findData(kind);
            if (index >= 0) mKind->setCurrentIndex(index);
        }
        mControl->AddBelegart(belegart());
        prepareAddresses();
        writeToControl(values, *mControl);
        mDocumentNumber = number;
        mGuard->markSaved();
        opened = true;
        log(QStringLiteral("Beleg %1 geöffnet").arg(number));
    });
    syncAddressTabs();
    showDocumentNumber();
    return opened;
}

void DocumentWindow::chooseDocument() {
    if (!mGuard->mayReplace(QStringLiteral("Öffnen"), [this] { return saveDocument() > 0; }))
        return;
    QList<DocumentStore::Summary> documents;
    guarded(QStringLiteral("Öffnen"), [&] { documents = mStore.list(); });
    if (documents.isEmpty()) {
        mDialogs->information(QStringLiteral("Öffnen"),
                              QStringLiteral("Noch keine Belege gespeichert."));
        return;
    }
    QStringList items;
    for (const auto& d : documents) {
        QString kind = QString::number(d.belegart);
        for (const DocumentKind& k : documentKinds())
            if (k.code == d.belegart) kind = k.name;
        items << QStringLiteral("%1 – %2 – %3").arg(d.number).arg(kind, d.name);
    }
    QInputDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("Beleg öffnen"));
    dialog.setLabelText(QStringLiteral("Beleg:"));
    dialog.setComboBoxItems(items);
    dialog.setComboBoxEditable(false);
    if (mDialogs->exec(dialog) != QDialog::Accepted) return;
    const qsizetype chosen = items.indexOf(dialog.textValue());
    if (chosen >= 0) openDocument(documents[chosen].number);
}

void DocumentWindow::showDocumentNumber() {
    mNumberLabel->setText(mDocumentNumber > 0
                              ? QStringLiteral(" Beleg Nr. %1 ").arg(mDocumentNumber)
                              : QStringLiteral(" Neuer Beleg "));
}

QString DocumentWindow::runSearch(SearchDialog& dialog) {
    // Start from what stands in the number field.
    if (auto* number = mControl->findChild<QLineEdit*>(QStringLiteral("txtDNummer")))
        if (!number->text().trimmed().isEmpty()) dialog.setSearchText(number->text().trimmed());
    return mDialogs->exec(dialog) == QDialog::Accepted ? dialog.chosenKey() : QString();
}

void DocumentWindow::searchCustomer() {
    SearchDialog dialog(SearchTarget::customers(), mSetup.db, this);
    const QString key = runSearch(dialog);
    if (key.isEmpty()) return;
    guarded(QStringLiteral("Kundensuche"), [&] {
        const qint32 result = mControl->fktDragNummer(key);
        log(QStringLiteral("fktDragNummer(\"%1\") = %2").arg(key).arg(result));
    });
}

void DocumentWindow::searchAddress() {
    SearchDialog dialog(SearchTarget::addresses(), mSetup.db, this);
    const QString key = runSearch(dialog);
    if (key.isEmpty()) return;
    guarded(QStringLiteral("Adressensuche"), [&] {
        const qint32 result = mControl->fktDragNummerAdresse(key);
        log(QStringLiteral("fktDragNummerAdresse(\"%1\") = %2").arg(key).arg(result));
    });
}

void DocumentWindow::writeFormProperties() {
    guarded(QStringLiteral("Formulareinstellungen"), [&] {
        mProperties.writeFrom(*mControl);
        log(QStringLiteral("Formulareinstellungen gespeichert: %1").arg(mProperties.path()));
    });
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
    if (!mGuard->mayReplace(QStringLiteral("Schließen"), [this] { return saveDocument() > 0; })) {
        event->ignore();
        return;
    }
    writeFormProperties();
    event->accept();
}
