// The program's own file dialogs list every file their filter takes.
#include "QStringPrinter.h"
#include "TestFolder.h"

#include "platform/QtUiServices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QListView>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace {

// Runs a dialog of the real services and returns the names it lists in the
// folder it opens in, once its listing has come in; the dialog is cancelled.
QStringList namesListed(const std::function<std::optional<QString>(platform::QtUiServices&)>& open, int expected)
{
    QStringList names;
    QElapsedTimer waited;
    waited.start();
    QTimer look;
    look.setInterval(10);
    QObject::connect(&look, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            if (!dialog || !dialog->isVisible())
                continue;
            const auto* view = dialog->findChild<QListView*>(QStringLiteral("listView"));
            if (!view)
                continue;
            const QAbstractItemModel* model = view->model();
            // The folder is read in the background: wait for its names.
            if (model->rowCount(view->rootIndex()) < expected && waited.elapsed() < 5000)
                continue;
            for (int r = 0; r < model->rowCount(view->rootIndex()); ++r)
                names << model->index(r, 0, view->rootIndex()).data().toString();
            dialog->reject();
        }
    });
    look.start();
    platform::QtUiServices services;
    EXPECT_EQ(open(services), std::nullopt) << "cancelled";
    names.sort();
    return names;
}

} // namespace

TEST(FileDialog, ListsEveryFileItsFilterTakesInAnyLetterCaseAndWithALeadingDot)
{
    TestFolder dir;
    for (const char* name : {"site.txt", "LOUD.TXT", ".txt", ".hidden site.txt", "Main St. Station.txt", "other.dat"})
        dir.write(QStringLiteral("SaveSiteInfo/") + name, "x\r\n");
    platform::FileDialogRequest request;
    request.title = QStringLiteral("Open");
    request.initDir = dir.file("SaveSiteInfo");
    request.filter = QStringLiteral("TDR Files(*.txt)");
    const QStringList expected = {".hidden site.txt", ".txt", "LOUD.TXT", "Main St. Station.txt", "site.txt"};
    request.mustExist = true;
    EXPECT_EQ(namesListed([&](platform::QtUiServices& s) { return s.openFileName(request); }, 5), expected);
    request.mustExist = false;
    request.title = QStringLiteral("New");
    EXPECT_EQ(namesListed([&](platform::QtUiServices& s) { return s.openFileName(request); }, 5), expected);
    request.title = QStringLiteral("Save As");
    EXPECT_EQ(namesListed([&](platform::QtUiServices& s) { return s.saveFileName(request); }, 5), expected);
}
