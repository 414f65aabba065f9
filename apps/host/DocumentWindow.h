// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include "DocumentStore.h"
#include "FormProperties.h"
#include "HostDatabase.h"
#include "HostServices.h"
#include <QMainWindow>
#include <QSqlDatabase>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QTabBar;
class DocumentGuard;
class HostAppObject;
class SearchDialog;

namespace belegadressen {
class BelegAdressen;
}

// The document kinds this host writes, with their codes.
struct DocumentKind {
    qint16 code;
    QString name;
};
const QList<DocumentKind>& documentKinds();

// A document window of the host: document kind, the address block with its
// three addresses, save and open, and a log of every event of the control.
class DocumentWindow final : public QMainWindow {
    Q_OBJECT
public:
    struct Setup {
        QSqlDatabase db;
        QString connectString;
        QString description;
        QString user;
        QString propertiesFile;
        bool interactive = true;
        // Every log line is also handed here (the tour prints them).
        LogLine echo;

        // A window on `opened` for `user`, the form's settings kept in `propertiesFile`.
        static Setup on(const OpenedDatabase& opened, QString user, QString propertiesFile) {
            Setup s;
            s.db = opened.db;
            s.connectString = opened.connectString;
            s.description = opened.description;
            s.user = std::move(user);
            s.propertiesFile = std::move(propertiesFile);
            return s;
        }
    };

    explicit DocumentWindow(Setup setup);
    ~DocumentWindow() override;

    belegadressen::BelegAdressen& control() { return *mControl; }
    HostDialogRunner& dialogs() { return *mDialogs; }
    QSqlDatabase database() const { return mSetup.db; }
    DocumentStore& store() { return mStore; }
    DocumentGuard& guard() { return *mGuard; }

    void log(const QString& line);
    // The document kind; sets it on the control and lays the control out again.
    void setBelegart(qint16 code);
    qint16 belegart() const;
    void switchAddress(int number);
    // Empty addresses for a new document of the current kind.
    void newDocument();
    // Stores the document; answers its number (0 when it failed).
    int saveDocument();
    bool openDocument(int number);
    int documentNumber() const { return mDocumentNumber; }
    void writeFormProperties();
    // Runs a slot's step that talks to the control as hosts should: a
    // belegadressen::Error (or any other failure) is logged and shown.
    void attempt(const QString& what, const std::function<void()>& step);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildUi();
    void startControl();
    void prepareAddresses();
    void searchCustomer();
    void searchAddress();
    QString runSearch(SearchDialog& dialog);
    void chooseDocument();
    void syncAddressTabs();
    void showDocumentNumber();
    // Runs a step that talks to the control; an error is logged and shown,
    // never passed into the event loop.
    template <typename F> void guarded(const QString& what, F&& step);

    Setup mSetup;
    std::shared_ptr<HostAppObject> mApp;
    std::shared_ptr<HostDialogRunner> mDialogs;
    std::shared_ptr<HostMessageService> mMessages;
    DocumentStore mStore;
    FormProperties mProperties;
    belegadressen::BelegAdressen* mControl = nullptr;
    QComboBox* mKind = nullptr;
    QTabBar* mAddresses = nullptr;
    QPlainTextEdit* mLog = nullptr;
    QLabel* mNumberLabel = nullptr;
    int mDocumentNumber = 0;
    DocumentGuard* mGuard = nullptr;
};
