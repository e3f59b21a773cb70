// The help viewer: finding the help file, showing its contents, its links and pictures, one
// viewer at a time, quitting, and the warning when the file is nowhere.
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "platform/help/helpviewer.h"
#include "resources/icons.h"

namespace {

const QString kHelpFile = QStringLiteral("sonor95.hlp");

QWidget* viewerOf(QWidget& owner) {
    return owner.findChild<QWidget*>(QStringLiteral("HelpViewer"));
}

QTextBrowser* browserOf(QWidget* viewer) {
    return viewer ? viewer->findChild<QTextBrowser*>(QStringLiteral("HelpBrowser")) : nullptr;
}

QPushButton* contentsButtonOf(QWidget* viewer) {
    const auto buttons = viewer->findChildren<QPushButton*>();
    for (QPushButton* button : buttons)
        if (button->text().remove(QLatin1Char('&')) == QStringLiteral("Conteúdo")) return button;
    return nullptr;
}

// The links (href) and the anchor names of a shown document, as the browser laid it out.
struct DocumentLinks {
    QStringList links;
    QSet<QString> anchors;
    QStringList images;
    // Where in the document each link starts, to click it.
    QHash<QString, int> linkPosition;
    // Where the contents list ends: at the first horizontal rule.
    int contentsEnd = -1;
};

DocumentLinks linksOf(const QTextDocument& document) {
    DocumentLinks found;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (found.contentsEnd < 0 &&
            block.blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth))
            found.contentsEnd = block.position();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            for (const QString& name : format.anchorNames()) found.anchors.insert(name);
            if (format.isAnchor() && !format.anchorHref().isEmpty()) {
                const QString href = format.anchorHref();
                if (!found.linkPosition.contains(href))
                    found.linkPosition.insert(href, fragment.position());
                found.links << href;
            }
            if (format.isImageFormat()) found.images << format.toImageFormat().name();
        }
    }
    return found;
}

// What a modal box showed, once it has been answered.
struct BoxSeen {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Answers, from the event loop, the next modal message box with its OK button.
void answerNextBox(BoxSeen* seen, int attemptsLeft = 200) {
    QTimer::singleShot(10, [seen, attemptsLeft] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (attemptsLeft > 0) answerNextBox(seen, attemptsLeft - 1);
            return;
        }
        seen->shown = true;
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        box->done(QMessageBox::Ok);
    });
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

}  // namespace

class TestHelpViewer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void foldersAreWorkingDirectoryThenProgramThenShare();
    void locateTakesFirstFolderHoldingTheFile();

    void contentsShownFromWorkingDirectory();
    void contentsLinksReachTheirSections();
    void picturesOfTheHelpAreInTheResources();
    void clickedLinkScrollsAndContentsButtonReturns();
    void secondCallReusesTheViewerAndGoesToContents();
    void viewerClosedByUserOpensAgain();
    void quitDestroysViewerAndIsHarmlessWithoutOne();
    void viewerGoesWithItsOwner();
    void missingHelpFileWarnsAndOpensNothing();

private:
    std::unique_ptr<QTemporaryDir> workDir_;
    QString previousDir_;
};

void TestHelpViewer::initTestCase() {
    QCoreApplication::setApplicationName(QStringLiteral("Sonorelo"));
    initIcons();
    QVERIFY2(QFile::exists(QStringLiteral(BUILT_HELP_FILE)), BUILT_HELP_FILE);
}

void TestHelpViewer::init() {
    previousDir_ = QDir::currentPath();
    workDir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(workDir_->isValid());
    QVERIFY(QDir::setCurrent(workDir_->path()));
}

void TestHelpViewer::cleanup() {
    help::quit();
    QDir::setCurrent(previousDir_);
    workDir_.reset();
}

void TestHelpViewer::foldersAreWorkingDirectoryThenProgramThenShare() {
    const QStringList folders = help::helpFolders();
    QCOMPARE(folders.size(), 3);
    QCOMPARE(QFileInfo(folders[0]).canonicalFilePath(),
             QFileInfo(workDir_->path()).canonicalFilePath());
    QCOMPARE(folders[1], QCoreApplication::applicationDirPath());
    QCOMPARE(folders[2],
             QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/sonorelo"));
}

void TestHelpViewer::locateTakesFirstFolderHoldingTheFile() {
    QDir work(workDir_->path());
    for (const char* name : {"first", "second", "third"}) QVERIFY(work.mkdir(name));
    const QStringList folders = {work.filePath("first"), work.filePath("second"),
                                 work.filePath("third")};

    QVERIFY(help::locateHelpFile(kHelpFile, folders).isEmpty());

    writeFile(work.filePath("third/sonor95.hlp"), "<p>third</p>");
    QCOMPARE(help::locateHelpFile(kHelpFile, folders), work.filePath("third/sonor95.hlp"));

    writeFile(work.filePath("second/sonor95.hlp"), "<p>second</p>");
    QCOMPARE(help::locateHelpFile(kHelpFile, folders), work.filePath("second/sonor95.hlp"));

    // Written in other letters, as a copy from another system may leave it.
    writeFile(work.filePath("first/SONOR95.HLP"), "<p>first</p>");
    QCOMPARE(help::locateHelpFile(kHelpFile, folders), work.filePath("first/SONOR95.HLP"));

    // A folder of that name is not a help file.
    QVERIFY(work.mkpath("fourth/sonor95.hlp"));
    QVERIFY(help::locateHelpFile(kHelpFile, {work.filePath("fourth")}).isEmpty());

    // An absolute name is looked for only where it points.
    QCOMPARE(help::locateHelpFile(work.filePath("second/sonor95.hlp"), {work.filePath("first")}),
             work.filePath("second/sonor95.hlp"));
    QVERIFY(help::locateHelpFile(work.filePath("none/sonor95.hlp"), folders).isEmpty());
    QVERIFY(help::locateHelpFile(QString(), folders).isEmpty());
}

void TestHelpViewer::contentsShownFromWorkingDirectory() {
    QVERIFY(QFile::copy(QStringLiteral(BUILT_HELP_FILE), kHelpFile));
    QWidget owner;
    owner.show();
    help::showContents(&owner, kHelpFile);

    QWidget* viewer = viewerOf(owner);
    QVERIFY(viewer);
    QVERIFY(viewer->isVisible());
    QVERIFY(viewer->isWindow());
    QCOMPARE(viewer->windowModality(), Qt::NonModal);
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Ajuda - Sonorelo"));
    QVERIFY(viewer->width() >= 500 && viewer->height() >= 360);
    QVERIFY(contentsButtonOf(viewer));

    QTextBrowser* browser = browserOf(viewer);
    QVERIFY(browser);
    QCOMPARE(QFileInfo(browser->source().toLocalFile()).canonicalFilePath(),
             QFileInfo(kHelpFile).canonicalFilePath());
    QVERIFY(browser->source().fragment().isEmpty());
    QCOMPARE(browser->verticalScrollBar()->value(), 0);
    QCOMPARE(browser->documentTitle(), QStringLiteral("Ajuda do Sonorelo"));

    // Read as UTF-8 HTML: the accents survive and no tag is shown as text.
    const QString text = browser->toPlainText();
    for (const char* words : {"Cadastra Artista", "Retorna CD à coleção",
                              "Exibe Relatório de Músicas", "Termina execução", "Manutenção",
                              "Reinicializar", "TODOS OS DADOS SERÃO PERDIDOS", "dd/mm/aa"})
        QVERIFY2(text.contains(QString::fromUtf8(words)), words);
    QVERIFY(!text.contains(QLatin1String("<p>")));
    QVERIFY(!text.contains(QLatin1String("Ã")));
}

void TestHelpViewer::contentsLinksReachTheirSections() {
    QVERIFY(QFile::copy(QStringLiteral(BUILT_HELP_FILE), kHelpFile));
    QWidget owner;
    help::showContents(&owner, kHelpFile);
    QTextBrowser* browser = browserOf(viewerOf(owner));
    QVERIFY(browser);
    const DocumentLinks found = linksOf(*browser->document());

    // One entry of the contents for every window of the program, in the list at the top.
    QVERIFY(found.contentsEnd > 0);
    const QStringList sections = {"principal",  "teclado",      "artista",    "cd",
                                  "musicas",    "retirada",     "retorno",    "pesquisa",
                                  "relatorios", "visualizacao", "manutencao", "reinicializar",
                                  "sobre"};
    for (const QString& section : sections) {
        const QString href = QLatin1Char('#') + section;
        QVERIFY2(found.linkPosition.contains(href), qPrintable(href));
        QVERIFY2(found.anchors.contains(section), qPrintable(section));
        QVERIFY2(found.linkPosition.value(href) < found.contentsEnd,
                 qPrintable(href + " is not in the contents list"));
    }
    QVERIFY(found.anchors.contains(QStringLiteral("conteudo")));

    // Every link inside the document lands on an anchor it has.
    QVERIFY(!found.links.isEmpty());
    for (const QString& href : found.links) {
        QVERIFY2(href.startsWith(QLatin1Char('#')), qPrintable(href + " leaves the help file"));
        QVERIFY2(found.anchors.contains(href.mid(1)), qPrintable(href + " has no anchor"));
    }
}

void TestHelpViewer::picturesOfTheHelpAreInTheResources() {
    QVERIFY(QFile::copy(QStringLiteral(BUILT_HELP_FILE), kHelpFile));
    QWidget owner;
    help::showContents(&owner, kHelpFile);
    QTextBrowser* browser = browserOf(viewerOf(owner));
    QVERIFY(browser);
    const DocumentLinks found = linksOf(*browser->document());

    // The tool-bar table shows the eleven pictures of the tool bar.
    QVERIFY(found.images.size() >= 11);
    for (const QString& image : found.images) {
        QVERIFY2(image.startsWith(QLatin1String("qrc:/icons/")), qPrintable(image));
        const QString resource = image.mid(3);
        QVERIFY2(QFile::exists(resource), qPrintable(resource));
        const QVariant loaded =
            browser->document()->resource(QTextDocument::ImageResource, QUrl(image));
        QVERIFY2(loaded.isValid(), qPrintable(image + " was not loaded by the browser"));
    }
}

void TestHelpViewer::clickedLinkScrollsAndContentsButtonReturns() {
    QVERIFY(QFile::copy(QStringLiteral(BUILT_HELP_FILE), kHelpFile));
    QWidget owner;
    owner.show();
    help::showContents(&owner, kHelpFile);
    QWidget* viewer = viewerOf(owner);
    QTextBrowser* browser = browserOf(viewer);
    QVERIFY(browser);
    QVERIFY(QTest::qWaitForWindowExposed(viewer));

    // Click the contents entry of the last window in the list, as the user does.
    const DocumentLinks found = linksOf(*browser->document());
    QTextCursor cursor(browser->document());
    cursor.setPosition(found.linkPosition.value(QStringLiteral("#sobre")) + 1);
    const QPoint onLink = browser->cursorRect(cursor).center();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, onLink);
    QTRY_COMPARE(browser->source().fragment(), QStringLiteral("sobre"));
    QVERIFY(browser->verticalScrollBar()->value() > 0);
    QVERIFY(browser->isBackwardAvailable());

    QPushButton* contents = contentsButtonOf(viewer);
    QVERIFY(contents);
    QTest::mouseClick(contents, Qt::LeftButton);
    QCOMPARE(browser->verticalScrollBar()->value(), 0);
    QVERIFY(browser->source().fragment().isEmpty());
    QVERIFY(browser->toPlainText().contains(QStringLiteral("Cadastra Artista")));
}

void TestHelpViewer::secondCallReusesTheViewerAndGoesToContents() {
    QVERIFY(QFile::copy(QStringLiteral(BUILT_HELP_FILE), kHelpFile));
    QWidget owner;
    owner.show();
    help::showContents(&owner, kHelpFile);
    QPointer<QWidget> first = viewerOf(owner);
    QVERIFY(first);
    QTextBrowser* browser = browserOf(first);
    QVERIFY(QTest::qWaitForWindowExposed(first));
    browser->setSource(browser->source().resolved(QUrl(QStringLiteral("#mensagens"))));
    QVERIFY(browser->verticalScrollBar()->value() > 0);

    help::showContents(&owner, kHelpFile);
    QVERIFY(first);
    QCOMPARE(viewerOf(owner), first.data());
    QCOMPARE(owner.findChildren<QWidget*>(QStringLiteral("HelpViewer")).size(), 1);
    QVERIFY(first->isVisible());
    QCOMPARE(browser->verticalScrollBar()->value(), 0);
    QVERIFY(browser->source().fragment().isEmpty());
}

void TestHelpViewer::viewerClosedByUserOpensAgain() {
    QVERIFY(QFile::copy(QStringLiteral(BUILT_HELP_FILE), kHelpFile));
    QWidget owner;
    owner.show();
    help::showContents(&owner, kHelpFile);
    QWidget* viewer = viewerOf(owner);
    QVERIFY(viewer);
    QVERIFY(viewer->close());
    QCoreApplication::processEvents();
    QVERIFY(!viewer->isVisible() || !viewerOf(owner));

    help::showContents(&owner, kHelpFile);
    QVERIFY(viewerOf(owner));
    QVERIFY(viewerOf(owner)->isVisible());
    QCOMPARE(owner.findChildren<QWidget*>(QStringLiteral("HelpViewer")).size(), 1);
}

void TestHelpViewer::quitDestroysViewerAndIsHarmlessWithoutOne() {
    help::quit();  // none was ever opened here

    QVERIFY(QFile::copy(QStringLiteral(BUILT_HELP_FILE), kHelpFile));
    QWidget owner;
    owner.show();
    help::showContents(&owner, kHelpFile);
    QPointer<QWidget> viewer = viewerOf(owner);
    QVERIFY(viewer);

    help::quit();
    QVERIFY(viewer.isNull());
    QVERIFY(!viewerOf(owner));
    help::quit();
    QVERIFY(owner.isVisible());

    // Help can be asked for again after quitting.
    help::showContents(&owner, kHelpFile);
    QVERIFY(viewerOf(owner));
}

void TestHelpViewer::viewerGoesWithItsOwner() {
    QVERIFY(QFile::copy(QStringLiteral(BUILT_HELP_FILE), kHelpFile));
    auto owner = std::make_unique<QWidget>();
    help::showContents(owner.get(), kHelpFile);
    QPointer<QWidget> viewer = viewerOf(*owner);
    QVERIFY(viewer);
    owner.reset();
    QVERIFY(viewer.isNull());
    help::quit();  // nothing left to close

    // A viewer for another owner replaces the first: there is still only one.
    QWidget first;
    QWidget second;
    help::showContents(&first, kHelpFile);
    help::showContents(&second, kHelpFile);
    QVERIFY(!viewerOf(first));
    QVERIFY(viewerOf(second));
    QCOMPARE(viewerOf(second)->parentWidget(), &second);
}

void TestHelpViewer::missingHelpFileWarnsAndOpensNothing() {
    QVERIFY(!QFile::exists(QDir(QCoreApplication::applicationDirPath()).filePath(kHelpFile)));
    QWidget owner;
    owner.show();
    BoxSeen seen;
    answerNextBox(&seen);
    help::showContents(&owner, kHelpFile);

    QVERIFY(seen.shown);
    QCOMPARE(seen.icon, QMessageBox::Warning);
    QCOMPARE(seen.title, QCoreApplication::applicationName());
    QVERIFY2(seen.text.contains(QStringLiteral("\"sonor95.hlp\" não foi encontrado")),
             qPrintable(seen.text));
    QVERIFY2(seen.text.contains(QDir::toNativeSeparators(QDir::currentPath())),
             qPrintable(seen.text));
    QVERIFY(seen.text.contains(QDir::toNativeSeparators(QCoreApplication::applicationDirPath())));
    QVERIFY(!viewerOf(owner));
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows)
        QVERIFY(window->objectName() != QStringLiteral("HelpViewer") || !window->isVisible());
}

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
