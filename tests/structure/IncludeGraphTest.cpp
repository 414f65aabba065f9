#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

// Rules of the source tree that the compiler alone cannot keep: the folders
// depend one way, every signal connection is guarded, and the map of the code
// names every file there is.

namespace {

const QString kRoot = QStringLiteral(BA_SOURCE_DIR "/src");

// Each folder may include only folders of a lower rank; the subsystems share
// a rank and never include each other.
const QHash<QString, int> kRank = {
    {"contracts", 0}, {"platform", 1}, {"control", 2}, {"data", 3},   {"commercial", 3},
    {"texts", 3},     {"service", 3},  {"windows", 3}, {"facade", 4}, {"scripting", 5},
};

struct SourceFile {
    QString relative; // path below src/
    QString folder;
    QStringList lines;
};

std::vector<SourceFile> sources() {
    std::vector<SourceFile> files;
    QDirIterator it(kRoot, {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) continue;
        SourceFile f;
        f.relative = path.mid(kRoot.size() + 1);
        f.folder = f.relative.section('/', 0, 0);
        f.lines = QString::fromUtf8(file.readAll()).split('\n');
        files.push_back(std::move(f));
    }
    return files;
}

} // namespace

TEST(IncludeGraph, FoldersIncludeOnlyLowerRanks) {
    static const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s+\"([^/\"]+)/"));
    const auto files = sources();
    ASSERT_GT(files.size(), 100u);
    for (const SourceFile& f : files) {
        ASSERT_TRUE(kRank.contains(f.folder))
            << "folder without a rank: " << f.folder.toStdString();
        for (const QString& line : f.lines) {
            const auto m = include.match(line);
            if (!m.hasMatch() || m.captured(1) == f.folder) continue;
            const QString to = m.captured(1);
            ASSERT_TRUE(kRank.contains(to))
                << f.relative.toStdString() << " includes " << to.toStdString();
            EXPECT_LT(kRank[to], kRank[f.folder])
                << f.relative.toStdString() << " includes " << to.toStdString()
                << (kRank[to] == kRank[f.folder] ? ", a sibling subsystem"
                                                 : ", which sits above it");
        }
    }
}

// A handler connected any other way could let a host's exception into Qt's
// event loop.
TEST(IncludeGraph, EverySignalGoesThroughTheGuardedConnection) {
    static const QRegularExpression bare(QStringLiteral("(^|[^\\w.>])(QObject::)?connect\\("));
    for (const SourceFile& f : sources()) {
        if (f.relative == "platform/GuardedConnect.h") continue;
        for (int i = 0; i < f.lines.size(); ++i) {
            const QString code = f.lines[i].section(QStringLiteral("//"), 0, 0);
            EXPECT_FALSE(bare.match(code).hasMatch())
                << f.relative.toStdString() << ":" << i + 1 << ": " << f.lines[i].toStdString();
        }
    }
}

// A document type code means something only through a named rule.
TEST(IncludeGraph, DocumentTypeCodesAreComparedOnlyInTheirRules) {
    static const QRegularExpression compared(QStringLiteral(
        "[bB]elegart\\s*(==|!=|<=|>=|<|>)\\s*\\d|\\d\\s*(==|!=)\\s*\\w*[bB]elegart"));
    for (const SourceFile& f : sources()) {
        if (f.relative == "control/DocumentKinds.h") continue;
        for (int i = 0; i < f.lines.size(); ++i)
            EXPECT_FALSE(compared.match(f.lines[i]).hasMatch())
                << f.relative.toStdString() << ":" << i + 1 << ": " << f.lines[i].toStdString();
    }
}

// The map of the code in docs/ARCHITECTURE.md names every source file by its
// base name, and names no file that is gone.
TEST(IncludeGraph, TheMapNamesEveryFile) {
    QFile map(QStringLiteral(BA_SOURCE_DIR "/docs/ARCHITECTURE.md"));
    ASSERT_TRUE(map.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(map.readAll());
    QSet<QString> bases;
    for (const SourceFile& f : sources()) {
        const QString base = f.relative.section('/', -1).section('.', 0, 0);
        bases.insert(base);
        EXPECT_TRUE(
            text.contains(QRegularExpression("\\b" + QRegularExpression::escape(base) + "\\b")))
            << f.relative.toStdString() << " is not on the map";
    }
    static const QRegularExpression path(QStringLiteral("`((?:[a-z]+/)+)(\\w+)(?:\\.(?:h|cpp))?`"));
    for (auto it = path.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        const QString dir = m.captured(1);
        if (!dir.startsWith("src/") && !kRank.contains(dir.section('/', 0, 0))) continue;
        const QString relative = (dir.startsWith("src/") ? dir.mid(4) : dir) + m.captured(2);
        EXPECT_TRUE(QFile::exists(kRoot + "/" + relative + ".h") ||
                    QFile::exists(kRoot + "/" + relative + ".cpp"))
            << "the map names " << m.captured(0).toStdString() << ", which does not exist";
    }
}
