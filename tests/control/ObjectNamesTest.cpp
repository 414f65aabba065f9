// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// docs/OBJECTNAMES.md lists the child controls a test automation finds by
// name, with the Qt class to drive them as and what assistive technology
// says. The table is made from the control itself; this test fails when the
// control and the table part ways (BA_UPDATE_DOCS=1 rewrites the table).
#include "control/BelegAdressen.h"
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <gtest/gtest.h>

using namespace belegadressen;

namespace {

const QString kFile = QStringLiteral(BA_SOURCE_DIR "/docs/OBJECTNAMES.md");
const QString kBegin = QStringLiteral("<!-- table made by tests/control/ObjectNamesTest.cpp -->\n");
const QString kEnd = QStringLiteral("<!-- end of table -->\n");

QString qtClass(const QWidget* w) {
    for (const char* base :
         {"QLineEdit", "QCheckBox", "QComboBox", "QAbstractButton", "QLabel", "QTextEdit"})
        if (w->inherits(base)) return QString::fromLatin1(base);
    return QStringLiteral("QWidget");
}

QString cell(QString text) { return text.replace('|', QStringLiteral("\\|")).replace('\n', ' '); }

QString table() {
    BelegAdressen control;
    control.setAnzAdresse(2);
    QString out = QStringLiteral("| objectName | drive as | accessible name | accessible "
                                 "description |\n|---|---|---|---|\n");
    for (const QWidget* w : control.findChildren<QWidget*>()) {
        const QString name = w->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) continue;
        // The parts of a master-data field repeat in each one: named below it.
        QString path = QStringLiteral("`%1`").arg(name);
        for (const QWidget* up = w->parentWidget(); up && up != &control; up = up->parentWidget())
            if (up->objectName().startsWith(QLatin1String("ocx")))
                path = QStringLiteral("`%1` › ").arg(up->objectName()) + path;
        out +=
            QStringLiteral("| %1 | %2 | %3 | %4 |\n")
                .arg(path, qtClass(w), cell(w->accessibleName()), cell(w->accessibleDescription()));
    }
    return out;
}

} // namespace

TEST(ObjectNames, TheDocumentedTableIsTheControls) {
    QFile file(kFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QString text = QString::fromUtf8(file.readAll());
    file.close();
    const qsizetype begin = text.indexOf(kBegin);
    const qsizetype end = text.indexOf(kEnd);
    ASSERT_TRUE(begin >= 0 && end > begin) << "markers missing in docs/OBJECTNAMES.md";
    const qsizetype from = begin + kBegin.size();
    const QString made = table();
    if (qEnvironmentVariableIsSet("BA_UPDATE_DOCS")) {
        text.replace(from, end - from, made);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate));
        file.write(text.toUtf8());
        return;
    }
    EXPECT_EQ(text.mid(from, end - from).toStdString(), made.toStdString())
        << "run the test with BA_UPDATE_DOCS=1 to rewrite the table";
}
