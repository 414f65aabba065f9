// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#pragma once
#include <QSqlDatabase>
#include <QtGlobal>

// The service customers every sample database has, whatever its size:
// S-0001 without a site, S-0002 with one site without equipment, S-0003 with
// one site and one equipment, S-0004 with several sites, S-0005 with 500
// sites. Answers the site and equipment rows written. Throws
// std::runtime_error on a database error.
struct ServiceSampleCounts {
    qint64 sites = 0;
    qint64 equipment = 0;
};
ServiceSampleCounts writeServiceSamples(QSqlDatabase db);
