// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

// Opening a large remark in the info window's rich-text box against reading
// it alone (the RTF reader, the baseline), in the same run. Remark/open_* is
// the box filled and laid out as the window shows it; Remark/read_* the
// reader on the same text. Goal: every remark up to 10 MB opens within a
// fraction of a second, a small multiple of reading it.
#include "windows/RemarkText.h"
#include "windows/RtfReader.h"
#include <QApplication>
#include <QTextEdit>
#include <benchmark/benchmark.h>

namespace ba = belegadressen;

namespace {

QString oneLine(qsizetype bytes) {
    return QStringLiteral("{\\rtf1\\ansi ") + QString(bytes, QLatin1Char('a')) + QLatin1Char('}');
}

QString manyRuns(int runs) {
    QString rtf = QStringLiteral("{\\rtf1\\ansi ");
    for (int i = 0; i < runs; ++i)
        rtf += i % 2 ? QStringLiteral("\\b0 ab ") : QStringLiteral("\\b cd ");
    return rtf + QLatin1Char('}');
}

// Ten megabytes of ordinary paragraphs.
QString tenMegabytes() {
    const QString line =
        QStringLiteral("Lieferung nur nach Anmeldung, Tor 3, \\b Rampe links\\b0 .\\par ");
    return QStringLiteral("{\\rtf1\\ansi ") + line.repeated(10 * 1024 * 1024 / line.size()) +
           QLatin1Char('}');
}

const QString& remark(int which) {
    static const QString texts[] = {oneLine(1024 * 1024), manyRuns(100000), tenMegabytes()};
    return texts[which];
}

void BM_Open(benchmark::State& state) {
    const QString& stored = remark(static_cast<int>(state.range(0)));
    QTextEdit box;
    box.resize(400, 300);
    box.show();
    bool whole = true;
    for (auto _ : state) {
        whole = ba::setRemark(*box.document(), stored);
        box.repaint();
        QApplication::processEvents();
    }
    state.counters["whole"] = whole ? 1 : 0;
    state.SetBytesProcessed(state.iterations() * stored.size());
}

void BM_Read(benchmark::State& state) {
    const QString& stored = remark(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ba::readRtf(stored).runs.size());
    state.SetBytesProcessed(state.iterations() * stored.size());
}

} // namespace

BENCHMARK(BM_Open)->Name("Remark/open")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Read)->Name("Remark/read")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
