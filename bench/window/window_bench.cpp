// Opens the main window over a synthetic data folder and prints how long one step took, in
// milliseconds, so that window_benchmark.sh can compare fresh processes:
//   start WORK MAPS ROWS [PNG]   from the program's main to the window shown, with MAPS maps
//                                in the catalogue and ROWS rows in the rotation; PNG, when given,
//                                receives a picture of the Maps tab afterwards
//   add WORK ROWS ADDS           the mean time of one double-click add to a rotation of ROWS rows
//   filter WORK MAPS mean|worst  the mean or the slowest keystroke in the Maps tab's filter field,
//                                typing and erasing queries over MAPS maps, each keystroke
//                                timed until the tab has painted the narrowed tree
// Everything is written below WORK, which must be an empty folder.
#include "app/FortwrightApp.h"
#include "app/FrmMain.h"
#include "app/MapsPage.h"
#include "maps/MapListFile.h"
#include "maps/Pk3Archive.h"
#include "profile/AppState.h"
#include "profile/ListFiles.h"
#include "support/files/WholeFileBatch.h"
#include "support/platform/Prompter.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QIcon>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <numeric>

using namespace fw;

namespace {

constexpr int kMapsPerArchive = 10;

// Any box or dialog means the synthetic folders are not what the start-up expects.
class RefusingPrompter : public Prompter {
public:
    Answer show(const MessageBox& box) override
    {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(box.text));
        failed = true;
        return box.defaultAnswer;
    }
    QString chooseFile(const FileDialogRequest& request) override
    {
        std::fprintf(stderr, "unexpected dialog: %s\n", qPrintable(request.title));
        failed = true;
        return QString();
    }
    bool failed = false;
};

MapEntry syntheticMap(int index)
{
    const bool objective = index % 2 != 0;
    const QString name = QStringLiteral("c%1m%2")
                             .arg(index / kMapsPerArchive, 5, 10, QLatin1Char('0'))
                             .arg(index % kMapsPerArchive);
    return { QStringLiteral("custom%1.pk3").arg(index / kMapsPerArchive, 5, 10, QLatin1Char('0')), name, name,
        index % 3 == 0 ? QString() : QStringLiteral("Long name of ") + name,
        objective ? kObjectiveGameTypes : kDeathmatchGameTypes };
}

struct Session {
    SessionFolders folders;
    QString game;
};

Session makeFolders(const QString& work, int maps, int rows)
{
    Session session { { work + QStringLiteral("/data"), work + QStringLiteral("/data/registry.json") },
        work + QStringLiteral("/game/") };
    QDir().mkpath(session.folders.dataDir);
    QDir().mkpath(session.game + QStringLiteral("Main"));
    writeFileWhole(session.game + QStringLiteral("MOHAA_server.exe"), "#!/bin/sh\n");
    AppState state(session.folders.settingsStore);
    state.setGameFolder(session.game);
    state.setFirstTime(true);

    QByteArray list;
    for (int i = 0; i < maps; ++i)
        list += syntheticMap(i).line().toLatin1() + "\r\n";
    writeFileWhole(session.folders.dataDir + QLatin1Char('/') + kMapListFileName, list);
    QList<RotationRow> rotation;
    for (int i = 0; i < rows; ++i) {
        const MapEntry map = syntheticMap(i % std::max(maps, 1));
        rotation.append({ map.mapName, map.gameTypes, map.longName });
    }
    ListFiles::writeRotation(session.folders.dataDir + QLatin1Char('/') + kRotationListFile, rotation);
    return session;
}

// The window counts as shown once its surface is exposed and the events its showing posted
// (layouts, the first paint) are handled.
void waitUntilShown(QWidget* window)
{
    while (!window->windowHandle() || !window->windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    QApplication::processEvents();
}

// The map nodes of the tree in tree order.
QList<QTreeWidgetItem*> mapNodes(QTreeWidget* tree)
{
    QList<QTreeWidgetItem*> nodes;
    tree->expandAll();
    QTreeWidgetItem* root = tree->topLevelItem(0);
    for (int a = 0; root && a < root->childCount(); ++a)
        for (int m = 0; m < root->child(a)->childCount(); ++m)
            nodes.append(root->child(a)->child(m));
    return nodes;
}

// Types each query into the filter field a character at a time and erases it again; the time of
// every keystroke in milliseconds.
QList<double> typeQueries(QLineEdit* filter, const QStringList& queries)
{
    QList<double> times;
    QElapsedTimer timer;
    auto keystroke = [&](auto&& change) {
        timer.restart();
        change();
        QApplication::processEvents();
        times.append(timer.nsecsElapsed() / 1e6);
    };
    for (const QString& query : queries) {
        for (QChar c : query)
            keystroke([&] { filter->insert(QString(c)); });
        while (!filter->text().isEmpty())
            keystroke([&] { filter->backspace(); });
    }
    return times;
}

int usage()
{
    std::fprintf(stderr,
        "usage: fortwright-window-bench start WORK MAPS ROWS [PNG [TAB]]\n"
        "       fortwright-window-bench add WORK ROWS ADDS\n"
        "       fortwright-window-bench filter WORK MAPS mean|worst\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 5)
        return usage();
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const bool adding = mode == QLatin1String("add");
    const bool filtering = mode == QLatin1String("filter");
    if (!adding && !filtering && mode != QLatin1String("start"))
        return usage();
    // The add case opens over enough maps to pick each added map from a different node.
    const int adds = adding ? atoi(argv[4]) : 0;
    const int maps = adding ? std::max(adds, 100) : atoi(argv[3]);
    const int rows = adding ? atoi(argv[3]) : filtering ? 0 : atoi(argv[4]);
    const Session session = makeFolders(QString::fromLocal8Bit(argv[2]), maps, rows);

    // The start-up is timed as the program's own main runs it, its application object included.
    QElapsedTimer timer;
    timer.start();
    Pk3Archive::cacheLocalTimeZone();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fortwright"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/fortwright.svg")));
    QApplication::setQuitOnLastWindowClosed(false);
    RefusingPrompter prompter;
    FortwrightApp program(session.folders, session.game, &prompter);
    if (!program.Main() || prompter.failed)
        return 1;
    FrmMain* window = program.window();
    waitUntilShown(window);
    double elapsed = timer.nsecsElapsed() / 1e6;

    MapsPage* page = window->mapsPage();
    window->tabs()->setCurrentWidget(page);
    QApplication::processEvents();
    if (filtering) {
        // A map chosen first, so that every keystroke also looks for it again.
        const QList<QTreeWidgetItem*> nodes = mapNodes(page->tree());
        page->tree()->collapseAll();
        page->tree()->topLevelItem(0)->setExpanded(true);
        page->tree()->setCurrentItem(nodes.value(nodes.size() / 2));
        QApplication::processEvents();
        // Every map, a tenth, a hundredth, a few, one; long names (two maps in three); none.
        const QList<double> times = typeQueries(page->filterField(),
            { QStringLiteral("c00123m4"), QStringLiteral("long"), QStringLiteral("xyz") });
        elapsed = QLatin1String(argv[4]) == QLatin1String("worst")
            ? *std::ranges::max_element(times)
            : std::accumulate(times.begin(), times.end(), 0.0) / times.size();
    } else if (adding) {
        const QList<QTreeWidgetItem*> nodes = mapNodes(page->tree());
        timer.restart();
        for (int i = 0; i < adds; ++i) {
            // The signals a mouse double-click sends: the click fills the labels, then the add.
            emit page->tree()->itemClicked(nodes[i], 0);
            emit page->tree()->itemDoubleClicked(nodes[i], 0);
            QApplication::processEvents();
        }
        elapsed = timer.nsecsElapsed() / 1e6 / adds;
        if (page->rotationGrid()->rowCount() != rows + adds) {
            std::fprintf(stderr, "the rotation shows %d rows, not %d\n", page->rotationGrid()->rowCount(),
                rows + adds);
            return 1;
        }
    } else if (argc > 5) {
        // An open archive and a selected row show every icon the tab draws.
        if (QTreeWidgetItem* archive = page->tree()->topLevelItem(0)->child(0)) {
            archive->setExpanded(true);
            page->tree()->setCurrentItem(archive->child(archive->childCount() - 1));
        }
        window->model().edit(ProfileModel::Part::Rotation,
            [rows](ServerProfile& profile) { profile.rotation.markerTag = QString::number(rows - 2); });
        page->rotationGrid()->setCurrentCell(rows - 1, 0);
        if (argc > 6) // another tab to look at
            window->tabs()->setCurrentIndex(atoi(argv[6]));
        QApplication::processEvents();
        if (!window->grab().save(QString::fromLocal8Bit(argv[5])))
            return 1;
    }
    std::printf("%.3f\n", elapsed);
    return 0;
}
