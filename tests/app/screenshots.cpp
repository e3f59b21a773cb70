// Takes the screenshots of the README: the main frame with the index rebuild of a first start,
// the frame, and the About window. Run it under Xvfb through scripts/screenshots.sh.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <cstdio>

#include "app/formprincipal.h"
#include "app/program.h"
#include "common/errorreport.h"
#include "data/indexaform.h"
#include "support/collectionfolder.h"

namespace {
void save(QWidget* widget, const QString& path) {
    const QPixmap shot = widget->grab();
    if (!shot.save(path)) std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    std::printf("%s\n", qPrintable(path));
}
}  // namespace

int main(int argc, char** argv) {
    common::Application app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: sonorelo-screenshots OUTDIR HELPFILE\n");
        return 2;
    }
    const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QString helpFile = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
    QDir().mkpath(out);
    CollectionFolder folder;
    QFile::copy(helpFile, QStringLiteral("sonor95.hlp"));

    Program::initialize();
    Program::showMainForm();
    if (!QTest::qWaitForWindowExposed(FormPrincipal)) std::fprintf(stderr, "the frame was not shown\n");
    // A first start: the rebuild window is open, its bar still empty.
    save(FormPrincipal, out + QStringLiteral("/frame-first-start.png"));
    QPointer<Tindexaform> rebuild = FormPrincipal->mdiArea()->findChild<Tindexaform*>();
    while (rebuild) QTest::qWait(20);
    QTest::qWait(100);
    save(FormPrincipal, out + QStringLiteral("/frame.png"));

    FormPrincipal->Sobre1->trigger();
    QTest::qWait(200);
    save(FormPrincipal, out + QStringLiteral("/about.png"));

    Program::shutdown();
    return 0;
}
