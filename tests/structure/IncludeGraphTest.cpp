#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

// src/ folders depend one way (platform on contracts, core on both, subsystems
// on the core); only the facade's wiring knows every subsystem.

namespace {

const QString kWiring = QStringLiteral("control/Collaborators.h");
const QSet<QString> kSubsystems = {"data", "commercial", "texts", "service", "windows"};

struct Edge {
    QString from, to, file;
};

std::vector<Edge> folderEdges() {
    std::vector<Edge> edges;
    const QString root = QStringLiteral(BA_SOURCE_DIR "/src");
    static const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s+\"([^/\"]+)/"));
    QDirIterator it(root, {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = path.mid(root.size() + 1);
        const QString folder = relative.section('/', 0, 0);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) continue;
        for (const QByteArray& line : file.readAll().split('\n')) {
            const auto m = include.match(QString::fromUtf8(line));
            if (m.hasMatch() && m.captured(1) != folder)
                edges.push_back({folder, m.captured(1), relative});
        }
    }
    return edges;
}

bool reaches(const QMap<QString, QSet<QString>>& graph, const QString& from, const QString& to,
             QSet<QString>& seen) {
    if (from == to) return true;
    if (seen.contains(from)) return false;
    seen.insert(from);
    for (const QString& next : graph.value(from))
        if (reaches(graph, next, to, seen)) return true;
    return false;
}

} // namespace

TEST(IncludeGraph, FoldersFormNoCycleOutsideTheWiring) {
    QMap<QString, QSet<QString>> graph;
    const auto edges = folderEdges();
    ASSERT_FALSE(edges.empty());
    for (const Edge& e : edges)
        if (e.file != kWiring) graph[e.from].insert(e.to);
    for (const Edge& e : edges) {
        if (e.file == kWiring) continue;
        QSet<QString> seen;
        EXPECT_FALSE(reaches(graph, e.to, e.from, seen))
            << e.file.toStdString() << " includes " << e.to.toStdString()
            << ", which leads back to " << e.from.toStdString();
    }
}

TEST(IncludeGraph, CoreAndSubsystemsMeetOnlyThroughTheWiring) {
    for (const Edge& e : folderEdges()) {
        if (e.file == kWiring) continue;
        const bool fromCore = e.from == "control" || e.from == "platform" || e.from == "contracts";
        if (fromCore) {
            EXPECT_FALSE(kSubsystems.contains(e.to))
                << e.file.toStdString() << " reaches the subsystem " << e.to.toStdString();
        } else if (kSubsystems.contains(e.from)) {
            EXPECT_FALSE(kSubsystems.contains(e.to))
                << e.file.toStdString() << " reaches its sibling " << e.to.toStdString();
        }
    }
}
