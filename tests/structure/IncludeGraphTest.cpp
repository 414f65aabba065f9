// SPDX-FileCopyrightText: 2026 The BelegAdressen developers
// SPDX-License-Identifier: MIT

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>
#include <map>

// Rules of the source tree that the compiler alone cannot keep: the folders
// depend one way, every signal connection and event filter is guarded, and
// the map of the code names every file there is and only what exists.

namespace {

const QString kSource = QStringLiteral(BA_SOURCE_DIR);
const QString kRoot = kSource + "/src";

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

// The files of a tree below the source root, relative to the tree.
std::vector<SourceFile> tree(const QString& top, const QStringList& patterns = {"*.h", "*.cpp"}) {
    std::vector<SourceFile> files;
    const QString root = kSource + "/" + top;
    QDirIterator it(root, patterns, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) continue;
        SourceFile f;
        f.relative = path.mid(root.size() + 1);
        f.folder = f.relative.section('/', 0, 0);
        f.lines = QString::fromUtf8(file.readAll()).split('\n');
        files.push_back(std::move(f));
    }
    return files;
}

std::vector<SourceFile> sources() { return tree("src"); }
// The sample host, the tour and the sample writer, with the host's tests.
std::vector<SourceFile> appSources() { return tree("apps"); }

// Each line of `files` without its line comment, as "file:line: text" on a match.
QStringList matches(const std::vector<SourceFile>& files, const QRegularExpression& re,
                    const QString& prefix, const QSet<QString>& allowed = {}) {
    QStringList found;
    for (const SourceFile& f : files) {
        if (allowed.contains(f.relative)) continue;
        for (int i = 0; i < f.lines.size(); ++i)
            if (re.match(f.lines[i].section(QStringLiteral("//"), 0, 0)).hasMatch())
                found << QStringLiteral("%1%2:%3: %4")
                             .arg(prefix, f.relative)
                             .arg(i + 1)
                             .arg(f.lines[i].trimmed());
    }
    return found;
}

QString text(const QString& relative) {
    QFile file(kSource + "/" + relative);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
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
// event loop; the sample host shows hosts the same rule.
TEST(IncludeGraph, EverySignalGoesThroughTheGuardedConnection) {
    static const QRegularExpression bare(QStringLiteral("(^|[^\\w.>])(QObject::)?connect\\("));
    const QStringList found = matches(sources(), bare, "src/", {"platform/GuardedConnect.h"}) +
                              matches(appSources(), bare, "apps/");
    EXPECT_TRUE(found.isEmpty()) << found.join('\n').toStdString();
}

// An event filter's handler reaches the same host code as a slot: every one
// goes through the one guarded kind, platform/EventHook.
TEST(IncludeGraph, EveryEventFilterIsTheGuardedHook) {
    static const QRegularExpression filter(
        QStringLiteral("\\b(eventFilter|installEventFilter|removeEventFilter)\\s*\\("));
    const QStringList found =
        matches(sources(), filter, "src/", {"platform/EventHook.h", "platform/EventHook.cpp"}) +
        matches(appSources(), filter, "apps/") + matches(tree("designer"), filter, "designer/");
    EXPECT_TRUE(found.isEmpty()) << found.join('\n').toStdString();
}

// A document type code means something only through a named rule.
TEST(IncludeGraph, DocumentTypeCodesAreComparedOnlyInTheirRules) {
    static const QRegularExpression compared(QStringLiteral(
        "[bB]elegart\\s*(==|!=|<=|>=|<|>)\\s*\\d|\\d\\s*(==|!=)\\s*\\w*[bB]elegart"));
    const QStringList found = matches(sources(), compared, "src/", {"control/DocumentKinds.h"});
    EXPECT_TRUE(found.isEmpty()) << found.join('\n').toStdString();
}

// The map of the code in docs/ARCHITECTURE.md names every source file of the
// library and the programs by its base name, and names no file that is gone.
TEST(IncludeGraph, TheMapNamesEveryFile) {
    const QString map = text("docs/ARCHITECTURE.md");
    ASSERT_FALSE(map.isEmpty());
    auto named = [&](const QString& base) {
        return map.contains(QRegularExpression("\\b" + QRegularExpression::escape(base) + "\\b"));
    };
    for (const SourceFile& f : sources())
        EXPECT_TRUE(named(f.relative.section('/', -1).section('.', 0, 0)))
            << "src/" << f.relative.toStdString() << " is not on the map";
    for (const SourceFile& f : appSources()) {
        const QString base = f.relative.section('/', -1).section('.', 0, 0);
        if (f.relative.contains("/tests/") || base == "main") continue;
        // The tour is one class, Tour, over a file per part of its run.
        EXPECT_TRUE(named(f.relative.startsWith("tour/Tour") ? QStringLiteral("Tour") : base))
            << "apps/" << f.relative.toStdString() << " is not on the map";
    }
    static const QRegularExpression path(QStringLiteral("`((?:[a-z]+/)+)(\\w+(?:\\.\\w+)?)?`"));
    static const QStringList trees = {"src",      "apps", "db",      "tests", "bench",
                                      "designer", "docs", "scripts", "cmake"};
    for (auto it = path.globalMatch(map); it.hasNext();) {
        const auto m = it.next();
        QString relative = m.captured(1) + m.captured(2);
        const QString top = relative.section('/', 0, 0);
        if (kRank.contains(top))
            relative = "src/" + relative;
        else if (!trees.contains(top))
            continue;
        const QString file = kSource + "/" + relative;
        EXPECT_TRUE(QFileInfo::exists(file) || QFile::exists(file + ".h") ||
                    QFile::exists(file + ".cpp"))
            << "the map names " << m.captured(0).toStdString() << ", which does not exist";
    }
}

// Names in code spans of the map (`name`, `name()`, `Class::member`) are names
// of the code, the schema or the build: a renamed function or index fails here.
TEST(IncludeGraph, TheMapNamesOnlyWhatTheCodeHas) {
    QSet<QString> words;
    static const QRegularExpression word(QStringLiteral("\\w+"));
    for (const char* top : {"src", "apps", "db", "bench", "designer", "cmake", "tests"})
        for (const SourceFile& f :
             tree(top, {"*.h", "*.cpp", "*.sql", "*.txt", "*.cmake", "*.ui"})) {
            words.insert(f.relative.section('/', -1).section('.', 0, 0));
            for (auto it = word.globalMatch(f.lines.join('\n')); it.hasNext();)
                words.insert(it.next().captured(0));
        }
    const QString map = text("docs/ARCHITECTURE.md");
    static const QRegularExpression span(
        QStringLiteral("`((?:[A-Za-z_]\\w*::)*[A-Za-z_]\\w*)(?:\\(\\))?`"));
    QStringList unknown;
    for (auto it = span.globalMatch(map); it.hasNext();)
        for (const QString& name : it.next().captured(1).split(QStringLiteral("::")))
            if (!words.contains(name)) unknown << name;
    EXPECT_TRUE(unknown.isEmpty()) << unknown.join(' ').toStdString();
}

// The map's counts and rule lists follow the code they describe.
TEST(IncludeGraph, TheMapsCountsAndRulesAreTheCodes) {
    const QString map = text("docs/ARCHITECTURE.md");
    // The events: one list, control/Events.h.
    static const QRegularExpression event(QStringLiteral("^\\s*(EVENT|NEVER)\\(\\w+,"),
                                          QRegularExpression::MultilineOption);
    const QString events = text("src/control/Events.h");
    int count = 0;
    for (auto it = event.globalMatch(events); it.hasNext(); it.next())
        ++count;
    EXPECT_EQ(count, 37);
    EXPECT_TRUE(map.contains(QStringLiteral("the %1 events").arg(count)));
    EXPECT_TRUE(events.contains(QStringLiteral("The %1 events").arg(count)));
    EXPECT_TRUE(text("docs/HOSTING.md").contains(QStringLiteral("%1 events").arg(count)));
    // Every document-kind rule and every subsystem port is on the map.
    static const QRegularExpression rule(QStringLiteral("constexpr \\w+ (\\w+)\\("));
    static const QRegularExpression port(QStringLiteral("^(?:class|struct) (\\w+Port)\\b"),
                                         QRegularExpression::MultilineOption);
    for (const auto& [file, re] : {std::pair{"src/control/DocumentKinds.h", &rule},
                                   std::pair{"src/control/SubsystemPorts.h", &port}}) {
        int n = 0;
        for (auto it = re->globalMatch(text(file)); it.hasNext(); ++n) {
            const QString name = it.next().captured(1);
            EXPECT_TRUE(map.contains("`" + name + "`")) << name.toStdString() << " of " << file;
        }
        EXPECT_GT(n, 0) << file;
    }
    // The script bridge's watchdog is the library's only thread.
    static const QRegularExpression thread(
        QStringLiteral("\\b(QThread|std::j?thread|QtConcurrent|std::async)\\b"));
    const QStringList threads = matches(
        sources(), thread, "src/", {"scripting/ScriptWatchdog.h", "scripting/ScriptWatchdog.cpp"});
    EXPECT_TRUE(threads.isEmpty()) << threads.join('\n').toStdString();
    // What the map calls widget-free includes no widget.
    static const QRegularExpression free(QStringLiteral("`(\\w+)` \\((?:[\\w-]+, )?widget-free"));
    static const QRegularExpression widget(QStringLiteral(
        "#include\\s*[<\"](QWidget|QApplication|QLineEdit|QLabel|QDialog|QComboBox|"
        "QAbstractButton|QToolButton|QPushButton|QFrame|QTableWidget|QTreeWidget|QMessageBox|"
        "QtWidgets/\\w+|control/BelegAdressen\\.h|control/Ui\\.h|control/Widgets\\.h)[>\"]"));
    std::map<QString, QString> bases;
    for (const auto& files : {sources(), appSources()})
        for (const SourceFile& f : files)
            bases[f.relative.section('/', -1).section('.', 0, 0)] += f.lines.join('\n');
    for (auto it = free.globalMatch(map); it.hasNext();) {
        const QString name = it.next().captured(1);
        ASSERT_TRUE(bases.count(name)) << name.toStdString();
        EXPECT_FALSE(widget.match(bases[name]).hasMatch())
            << name.toStdString() << " is called widget-free on the map";
    }
}
