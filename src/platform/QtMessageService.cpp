// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/QtMessageService.h"
#include <QMessageBox>

namespace belegadressen {

namespace {

bool isWholeNumber(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

// Kinds follow the usual bit values of message boxes: 16 stop, 32 question,
// 48 warning, 64 information; anything else is a plain notice.
QMessageBox::Icon iconFor(qint16 kind) {
    switch (kind & 0x70) {
    case 16:
        return QMessageBox::Critical;
    case 32:
        return QMessageBox::Question;
    case 48:
        return QMessageBox::Warning;
    default:
        return QMessageBox::Information;
    }
}

} // namespace

QtMessageService::QtMessageService(std::shared_ptr<DialogRunner> dialogs,
                                   std::shared_ptr<ResourceLibrary> resources)
    : mDialogs(std::move(dialogs)), mResources(std::move(resources)) {}

QString QtMessageService::messageText(const QVariant& textOrNumber) const {
    if (isWholeNumber(textOrNumber)) {
        const int number = textOrNumber.toInt();
        const QString text = mResources ? mResources->Text(number) : QString();
        return text.isEmpty() ? QStringLiteral("Meldung %1").arg(number) : text;
    }
    return textOrNumber.toString();
}

void QtMessageService::Meldung(const QVariant& textOrNumber, qint16 kind, const QString& title,
                               qint32 /*number*/) {
    QMessageBox box(iconFor(kind), title, messageText(textOrNumber), QMessageBox::Ok);
    // Names and numbers from the database are shown as they are: a customer
    // "<b>Müller</b>" keeps its brackets.
    box.setTextFormat(Qt::PlainText);
    mDialogs->exec(box);
}

void QtMessageService::Fehlermeldung(const QString& module, const QString& procedure, qint32 number,
                                     const QString& text, bool /*flag*/) {
    // Number 0 is a plain notice; any other number is an error to report.
    QString body = QStringLiteral("Prozedur: %1\n").arg(procedure);
    if (number != 0) body += QStringLiteral("Fehler %1\n").arg(number);
    body += text;
    QMessageBox box(number != 0 ? QMessageBox::Warning : QMessageBox::Information, module, body,
                    QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    mDialogs->exec(box);
}

} // namespace belegadressen
