#include "helpviewer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>

#include "helpwindow.h"

namespace help {

namespace {

// The one viewer of the program; null once it has been destroyed, also with its owner.
QPointer<HelpWindow> viewer;

QString boxCaption() {
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? QStringLiteral("Sonorelo") : name;
}

QString notFoundText(const QString& name, const QStringList& folders) {
    QStringList places;
    if (QFileInfo(name).isAbsolute())
        places << QDir::toNativeSeparators(QFileInfo(name).absolutePath());
    else
        for (const QString& folder : folders) places << QDir::toNativeSeparators(folder);
    return QStringLiteral("O arquivo de ajuda \"%1\" não foi encontrado.\n\nProcurado em:\n%2")
        .arg(name, places.join(QLatin1Char('\n')));
}

// The file named `fileName` in `dir`, found without regard to letter case; empty when none.
QString findIgnoringCase(const QDir& dir, const QString& fileName) {
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString& entry : entries)
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0) return dir.absoluteFilePath(entry);
    return {};
}

}  // namespace

QStringList helpFolders() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {QDir::currentPath(), programFolder,
            QDir::cleanPath(programFolder + QStringLiteral("/../share/sonorelo"))};
}

QString locateHelpFile(const QString& name, const QStringList& folders) {
    if (name.isEmpty()) return {};
    const QFileInfo given(name);
    const QStringList where = given.isAbsolute() ? QStringList{QString()} : folders;
    for (const QString& folder : where) {
        const QFileInfo exact(given.isAbsolute() ? name : QDir(folder).filePath(name));
        if (exact.isFile()) return exact.absoluteFilePath();
        const QString other = findIgnoringCase(exact.absoluteDir(), exact.fileName());
        if (!other.isEmpty()) return other;
    }
    return {};
}

void showContents(QWidget* owner, const QString& helpFile) {
    const QStringList folders = helpFolders();
    const QString path = locateHelpFile(helpFile, folders);
    if (path.isEmpty()) {
        QMessageBox::warning(owner, boxCaption(), notFoundText(helpFile, folders));
        return;
    }
    QFile readable(path);
    if (!readable.open(QIODevice::ReadOnly)) {
        QMessageBox::warning(owner, boxCaption(),
                             QStringLiteral("O arquivo de ajuda \"%1\" não pôde ser lido:\n%2")
                                 .arg(QDir::toNativeSeparators(path), readable.errorString()));
        return;
    }
    readable.close();

    if (viewer && viewer->parentWidget() != owner) delete viewer.data();
    if (!viewer) viewer = new HelpWindow(owner);
    viewer->openFile(path);
    if (viewer->isMinimized()) viewer->showNormal();
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

void quit() {
    if (!viewer) return;
    viewer->close();
    delete viewer.data();
}

}  // namespace help
