// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QPushButton;
class QTextEdit;

namespace belegadressen {

class Connection;
class DialogRunner;
class WindowPositionService;

// The screen's mouse pointer: the application's override cursor, if any.
class ScreenPointer {
public:
    void remember();
    void setNormal() const;
    void restore() const;

private:
    std::optional<Qt::CursorShape> mShape;
};

// The customer info window: a customer's info text (mode "0") or internal
// remark (any other mode) in a rich-text box, written back with "Zurück".
// Constructing it is loading it, destroying it terminates it; the opener
// calls unload() before.
class FrmInfo : public QDialog {
public:
    explicit FrmInfo(WindowPositionService& positions, QWidget* parent = nullptr);
    ~FrmInfo() override;

    void SetzeConnectionDb(std::shared_ptr<Connection> od);
    void SetzeWerte(const QString& pKdnr, const QString& pInputtext);
    // The mode also names the window after the button that opens it.
    void setMode(const QString& mode);

    QString mode() const { return mMode; }
    QString kundennummer() const { return mKundennummer; }
    QString text() const { return mText; }
    bool changed() const { return mChanged; }
    // False while the box shows only the beginning of a text too large for it,
    // or only the text of one holding pictures or objects.
    bool complete() const { return mComplete; }

    // How the window asks the user and tells them what went wrong; without
    // them a text that cannot be written is kept without a word.
    void setUserDialogs(DialogRunner* dialogs, std::function<void(const QString&)> tell);

    // Saves the window's position and lets go of the connection.
    void unload();

    QTextEdit* txtText = nullptr;
    QPushButton* btnOk = nullptr;
    QLabel* Ringbuch = nullptr;

    static constexpr const char* kPositionKey = "Korvani";
    // The background of the box for the customer info; the remark keeps the
    // window's design colour.
    static constexpr unsigned kInfoBackground = 16777215;

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void activated();
    void btnOkClick();
    QString updateStatement() const;
    QString column() const;
    // Writes the box back unless someone else changed the stored text since
    // (then the user chooses) or the write fails; false keeps the window open.
    bool writeBack();
    void takeOverStored(const QString& stored);
    void showStored(const QString& stored);

    WindowPositionService& mPositions;
    DialogRunner* mDialogs = nullptr;
    std::function<void(const QString&)> mTell;
    std::shared_ptr<Connection> mConnection;
    QString mKundennummer, mText, mMode;
    bool mChanged = false;
    bool mComplete = true; // the box shows the whole stored text
    // The first showing counts as the first activation, also where the
    // window system does not activate the window (or does so a moment later).
    bool mShown = false, mFirstActivationDone = false;
    ScreenPointer mPointer;
};

} // namespace belegadressen
