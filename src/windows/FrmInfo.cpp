// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "windows/FrmInfo.h"
#include "contracts/Connection.h"
#include "contracts/WindowPositionService.h"
#include "control/ErrorStyles.h"
#include "control/Twips.h"
#include "control/Values.h"
#include "platform/ConflictQuestion.h"
#include "platform/GuardedConnect.h"
#include "platform/SqlText.h"
#include "platform/WriteTransaction.h"
#include "windows/FieldRecall.h"
#include "windows/InfoWindowLayout.h"
#include "windows/RemarkText.h"
#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace belegadressen {

namespace {

// The window's design colour behind the internal remark: a note's pale yellow.
const QColor kRemarkBackground(255, 255, 225);

QColor fromColourValue(unsigned bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

// A ring binder, drawn rather than shipped as a file.
QPixmap ringBinder(int size) {
    QPixmap pix(size, size);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    p.setPen(QPen(QColor(60, 60, 90), s / 32));
    p.setBrush(QColor(70, 110, 190));
    p.drawRoundedRect(QRectF(s * 0.18, s * 0.06, s * 0.72, s * 0.88), s / 16, s / 16);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(s * 0.34, s * 0.16, s * 0.48, s * 0.68));
    p.setPen(QPen(QColor(150, 150, 160), s / 20));
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 3; ++k) {
        const qreal y = s * (0.22 + 0.24 * k);
        p.drawArc(QRectF(s * 0.08, y, s * 0.22, s * 0.14), 0, 180 * 16);
    }
    return pix;
}

} // namespace

void ScreenPointer::remember() {
    const QCursor* c = QGuiApplication::overrideCursor();
    mShape = c ? std::optional<Qt::CursorShape>(c->shape()) : std::nullopt;
}

void ScreenPointer::setNormal() const {
    if (QGuiApplication::overrideCursor()) QGuiApplication::changeOverrideCursor(Qt::ArrowCursor);
}

void ScreenPointer::restore() const {
    if (mShape && QGuiApplication::overrideCursor()) QGuiApplication::changeOverrideCursor(*mShape);
}

FrmInfo::FrmInfo(WindowPositionService& positions, QWidget* parent)
    : QDialog(parent), mPositions(positions) {
    setObjectName(QStringLiteral("frmInfo"));
    setModal(true);
    resize(twipsToPixels(this, 6000), twipsToPixels(this, 4500));

    Ringbuch = new QLabel(this);
    Ringbuch->setObjectName(QStringLiteral("Ringbuch"));
    Ringbuch->setAccessibleName(QStringLiteral("Ringbuch"));
    const int picture = twipsToPixels(this, 480);
    Ringbuch->setPixmap(ringBinder(picture));
    Ringbuch->setGeometry(0, 0, picture, picture);

    txtText = new QTextEdit(this);
    txtText->setObjectName(QStringLiteral("txtText"));
    txtText->setAccessibleName(QStringLiteral("Text"));
    txtText->setAcceptRichText(true);
    txtText->setGeometry(0, picture, width(), height() - picture);
    QPalette palette = txtText->palette();
    palette.setColor(QPalette::Base, kRemarkBackground);
    txtText->setPalette(palette);

    btnOk = new QPushButton(QStringLiteral("Zurück"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setAutoDefault(false);
    btnOk->resize(twipsToPixels(this, 1215), twipsToPixels(this, 375));

    // Only the user's edits change the text: the window's own loading of the
    // box at activation blocks the box's signals, so that opening and closing
    // the window without typing writes nothing back.
    connectGuarded(txtText, &QTextEdit::textChanged, this, [this] { mChanged = true; });
    connectGuarded(btnOk, &QPushButton::clicked, this, [this] { btnOkClick(); });
    installRecallKeys(
        this, [this] { return focusWidget(); }, RecallScope::TextFieldsAndLists);

    skipOnError([&] { mPositions.Restore(QString::fromLatin1(kPositionKey), *this); });
    mChanged = false;
    mPointer.remember();
}

FrmInfo::~FrmInfo() { mPointer.restore(); }

void FrmInfo::setMode(const QString& mode) {
    mMode = mode;
    setWindowTitle(mMode == QLatin1String("0") ? QStringLiteral("Kundeninfo")
                                               : QStringLiteral("Kundennotizen"));
    // The box holds the text the title names.
    txtText->setAccessibleName(windowTitle());
}

void FrmInfo::setUserDialogs(DialogRunner* dialogs, std::function<void(const QString&)> tell) {
    mDialogs = dialogs;
    mTell = std::move(tell);
}

void FrmInfo::SetzeConnectionDb(std::shared_ptr<Connection> od) { mConnection = std::move(od); }

void FrmInfo::SetzeWerte(const QString& pKdnr, const QString& pInputtext) {
    mKundennummer = pKdnr;
    mText = pInputtext;
}

void FrmInfo::unload() {
    skipOnError([&] { mPositions.Save(QString::fromLatin1(kPositionKey), *this); });
    mConnection.reset();
}

bool FrmInfo::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        if (mFirstActivationDone)
            guarded([&] { activated(); });
        else
            mFirstActivationDone = mShown;
    }
    return QDialog::event(e);
}

void FrmInfo::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (mShown) return;
    mShown = true;
    guarded([&] { activated(); });
}

// Each activation loads the stored text afresh, unless the user has edited it:
// coming back to the window must not throw the edits away.
void FrmInfo::activated() {
    mPointer.remember();
    mPointer.setNormal();
    if (mMode == QLatin1String("0")) {
        QPalette palette = txtText->palette();
        palette.setColor(QPalette::Base, fromColourValue(kInfoBackground));
        txtText->setPalette(palette);
    }
    if (mChanged) return;
    const QSignalBlocker quiet(txtText);
    showStored(mText);
}

// A text too large to show whole is shown from its beginning, one with
// pictures or objects without them; either read-only and never written back:
// the shown text would replace the stored one and lose the rest.
void FrmInfo::showStored(const QString& stored) {
    const RemarkShown shown = showRemark(*txtText->document(), stored);
    mComplete = shown == RemarkShown::Whole;
    txtText->setReadOnly(!mComplete);
    if (mComplete) return;
    QTextCursor cursor(txtText->document());
    QTextCharFormat note;
    note.setFontItalic(true);
    cursor.insertText(
        shown == RemarkShown::Beginning
            ? QStringLiteral("Dieser Text ist mit %1 Zeichen zu groß für dieses Fenster. "
                             "Gezeigt wird sein Anfang, schreibgeschützt; gespeichert "
                             "bleibt er unverändert.\n\n")
                  .arg(QLocale(QLocale::German).toString(stored.size()))
            : QStringLiteral("Dieser Text enthält Bilder oder eingebettete Objekte, die dieses "
                             "Fenster nicht zeigen kann. Gezeigt wird nur sein Text, "
                             "schreibgeschützt; gespeichert bleibt er unverändert.\n\n"),
        note);
}

QString FrmInfo::column() const {
    return mMode == QLatin1String("0") ? QStringLiteral("Kundeninfo")
                                       : QStringLiteral("Internebemerkung");
}

QString FrmInfo::updateStatement() const {
    return QStringLiteral("update Kundenstamm SET ") + column() + QStringLiteral(" = '") +
           doubledQuotes(txtText->toPlainText()) + QStringLiteral("'") +
           QStringLiteral(" where Kundennummer = '") + doubledQuotes(mKundennummer) +
           QStringLiteral("'");
}

// The stored text goes on top, the user's own below it: nothing typed is lost,
// and the user sees both before writing again.
void FrmInfo::takeOverStored(const QString& stored) {
    const QString mine = txtText->toPlainText();
    showStored(stored);
    txtText->append(QString());
    txtText->append(mine);
    mText = stored;
    mChanged = true;
}

// Compares and writes in one transaction no other writer can slip into;
// the user is asked outside it, and a change that arrives while they decide
// asks again. A stored text that is already the user's own (a save whose
// answer was lost) is no conflict.
bool FrmInfo::writeBack() {
    if (!mConnection) return true;
    const QString what = QStringLiteral("„") + windowTitle() + QStringLiteral("“");
    try {
        QString expected = mText;
        for (;;) {
            WriteTransaction tx(*mConnection);
            auto rs = mConnection->Execute(tx.lockRows(
                QStringLiteral("select ") + column() +
                QStringLiteral(" from Kundenstamm where Kundennummer = ") + quoted(mKundennummer)));
            if (!rs || rs->Eof()) {
                tx.rollback();
                if (mTell)
                    mTell(QStringLiteral("Der Kunde %1 ist nicht mehr im Kundenstamm vorhanden; "
                                         "der Text %2 wurde nicht gespeichert. Das Fenster "
                                         "bleibt offen, damit Sie den Text kopieren können.")
                              .arg(mKundennummer.trimmed(), what));
                return !mTell;
            }
            const QString stored = textOf(rs->Value(column()));
            rs->Close();
            const QString mine = txtText->toPlainText();
            if (stored == expected || stored == mine || !mDialogs) {
                if (stored != mine) mConnection->Execute(updateStatement());
                try {
                    tx.commit();
                } catch (...) {
                    // The answer to COMMIT was lost: the stored text tells.
                    auto back = mConnection->Execute(
                        QStringLiteral("select ") + column() +
                        QStringLiteral(" from Kundenstamm where Kundennummer = ") +
                        quoted(mKundennummer));
                    if (!back || back->Eof() || textOf(back->Value(column())) != mine) throw;
                }
                return true;
            }
            // Nothing stays locked while the user decides.
            tx.rollback();
            const QString question =
                QStringLiteral(
                    "Der Text %1 des Kunden %2 wurde inzwischen von einem anderen Benutzer "
                    "geändert.\n\nÜberschreiben: Ihr Text ersetzt den des anderen Benutzers.\n"
                    "Übernehmen: Der Text des anderen Benutzers wird oben eingefügt, Ihr Text "
                    "bleibt darunter stehen; prüfen Sie ihn und klicken Sie erneut auf "
                    "„Zurück“.\nAbbrechen: Es wird nichts gespeichert; das Fenster bleibt offen.")
                    .arg(what, mKundennummer.trimmed());
            // A stored text too large for the box cannot be shown above the user's.
            QTextDocument probe;
            switch (askConflict(*mDialogs, this, question, setRemark(probe, stored))) {
            case ConflictChoice::Cancel:
                return false;
            case ConflictChoice::TakeOver:
                takeOverStored(stored);
                return false;
            case ConflictChoice::Overwrite:
                expected = stored;
                break;
            }
        }
    } catch (...) {
        if (!mTell) return true;
        const QString why = errorText(std::current_exception());
        skipOnError([&] {
            mTell(QStringLiteral(
                      "Der Text %1 konnte nicht gespeichert werden: %2\nDas Fenster bleibt "
                      "offen und Ihr Text ist noch da. Versuchen Sie es später erneut "
                      "oder kopieren Sie den Text, bevor Sie das Fenster schließen.")
                      .arg(what, why));
        });
        return false;
    }
}

// A text that could not be written keeps the window open: a lost note cannot
// be typed again from memory.
void FrmInfo::btnOkClick() {
    if (mChanged && mComplete && !writeBack()) return;
    mPointer.restore();
    accept();
}

void FrmInfo::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    guarded([&] {
        const InfoWindowPlaces p =
            placeInfoWindow(contentsRect().size(), Ringbuch->size(), txtText->geometry(),
                            btnOk->geometry(), twipsToPixels(this, 60), twipsToPixels(this, 120));
        txtText->setGeometry(p.text);
        btnOk->setGeometry(p.button);
    });
}

} // namespace belegadressen
