// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include "platform/SettingsWindowPositions.h"
#include <QCoreApplication>
#include <QSettings>
#include <QWidget>
#include <memory>

namespace belegadressen {

namespace {

std::unique_ptr<QSettings> open(const QString& iniFile) {
    if (!iniFile.isEmpty()) return std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
    return std::make_unique<QSettings>(QCoreApplication::organizationName(),
                                       QCoreApplication::applicationName());
}

QString entry(const QString& key) { return QStringLiteral("Fensterpositionen/") + key; }

} // namespace

void SettingsWindowPositions::Restore(const QString& key, QWidget& window) {
    const QByteArray geometry = open(mIniFile)->value(entry(key)).toByteArray();
    if (!geometry.isEmpty()) window.restoreGeometry(geometry);
}

void SettingsWindowPositions::Save(const QString& key, const QWidget& window) {
    auto settings = open(mIniFile);
    settings->setValue(entry(key), window.saveGeometry());
    settings->sync();
}

} // namespace belegadressen
