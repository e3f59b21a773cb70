#include "program.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "common/errorreport.h"
#include "data/datamodule.h"
#include "formprincipal.h"
#include "platform/controls/errorhook.h"
#include "platform/help/helpviewer.h"
#include "platform/tables/commitscheduler.h"
#include "platform/tables/tableerror.h"
#include "resources/icons.h"

namespace Program {

namespace {
QString& helpFileName() {
    static QString name;
    return name;
}

void installOnce() {
    static bool done = false;
    if (done) return;
    done = true;
    initIcons();
    // The forms name the classic sans-serif screen font; this machine's nearest is Liberation.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    // The standard buttons (OK, Cancelar) in Portuguese.
    auto* translator = new QTranslator(qApp);
    if (translator->load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    controls::setErrorHandler([](const std::exception& error) { common::showError(error); });
    tables::commitscheduler::setErrorHandler(
        [](const tables::TableError& error) { common::showError(error); });
}
}  // namespace

const QString& helpFile() { return helpFileName(); }

void initialize() {
    QCoreApplication::setApplicationName(QStringLiteral("Sonorelo"));
    helpFileName() = QStringLiteral("sonor95.hlp");
    installOnce();

    FormPrincipal = new TFormPrincipal;
    DataModule1 = new TDataModule1;
    common::runGuarded([] { DataModule1->DataModuleCreate(); });
}

void showMainForm() { FormPrincipal->showMaximized(); }

int run() { return QApplication::exec(); }

void shutdown() {
    help::quit();
    delete FormPrincipal;
    FormPrincipal = nullptr;
    delete DataModule1;
    DataModule1 = nullptr;
}

}  // namespace Program
