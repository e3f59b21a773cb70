// The pictures of the resource file: each one is there, parses, and draws inside its square.
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QtTest>

#include "resources/icons.h"

class TestHelpIcons : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void resourceFileHoldsEveryDrawing();
    void iconLoadsAtToolBarSize_data();
    void iconLoadsAtToolBarSize();
};

void TestHelpIcons::initTestCase() { initIcons(); }

// A drawing added to the folder but not to icons.qrc (or the other way round) is a picture the
// program cannot find.
void TestHelpIcons::resourceFileHoldsEveryDrawing() {
    const QStringList drawn = QDir(QStringLiteral(ICON_FOLDER))
                                  .entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
    const QStringList inResources =
        QDir(QStringLiteral(":/icons")).entryList(QDir::Files, QDir::Name);
    QVERIFY(!drawn.isEmpty());
    QCOMPARE(inResources, drawn);
}

void TestHelpIcons::iconLoadsAtToolBarSize_data() {
    QTest::addColumn<QString>("name");
    const char* names[] = {"artista",
                           "cd",
                           "retira",
                           "retorna",
                           "pesquisa",
                           "relatorio_cds",
                           "relatorio_retiradas",
                           "relatorio_musicas",
                           "ajuda",
                           "sobre",
                           "termina",
                           "inserir",
                           "editar",
                           "apagar",
                           "gravar",
                           "cancela",
                           "ok",
                           "imprime",
                           "pagina",
                           "pagina_moldura",
                           "sonorelo"};
    for (const char* name : names) QTest::newRow(name) << QString::fromLatin1(name);
}

void TestHelpIcons::iconLoadsAtToolBarSize() {
    QFETCH(QString, name);
    const QString path = QStringLiteral(":/icons/%1.svg").arg(name);
    QVERIFY2(QFile::exists(path), qPrintable(path));

    // Through the icon engine, as buttons use it.
    const QIcon icon(path);
    QVERIFY(!icon.isNull());
    const QPixmap fromIcon = icon.pixmap(QSize(32, 32));
    QVERIFY(!fromIcon.isNull());
    QCOMPARE(fromIcon.size(), QSize(32, 32));
    QVERIFY(!icon.pixmap(QSize(32, 32), QIcon::Disabled).isNull());

    // Through the image reader: the drawing's own size is the tool-bar size.
    const QPixmap direct(path);
    QVERIFY(!direct.isNull());
    QCOMPARE(direct.size(), QSize(32, 32));

    // The drawing covers a fair part of its square and is not cut off at its edges.
    QSvgRenderer renderer(path);
    QVERIFY(renderer.isValid());
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, 32, 32));
    painter.end();
    int covered = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            if (alpha > 128) ++covered;
            const bool edge = x == 0 || y == 0 || x == 31 || y == 31;
            if (edge && alpha == 255)
                QFAIL(qPrintable(QStringLiteral("drawn up to the edge at %1,%2").arg(x).arg(y)));
        }
    QVERIFY2(covered > 32 * 32 / 10, qPrintable(QString::number(covered)));
    QVERIFY2(covered < 32 * 32 * 9 / 10, qPrintable(QString::number(covered)));
}

QTEST_MAIN(TestHelpIcons)
#include "tst_helpicons.moc"
