// The main frame: its tool bar, menu, child windows, the "Janelas" commands, help and the end.
#include <QFile>
#include <QLabel>

#include "about/sobreform.h"
#include "appfixture.h"
#include "common/childform.h"
#include "common/errorreport.h"

class Frame : public QObject {
    Q_OBJECT
private slots:
    void toolBarButtons();
    void menuItems();
    void aboutOpensOnceAndReenables();
    void tileWithTwoChildren();
    void terminaPostsNothingPending();
    void helpShowsAndQuits();
};

void Frame::toolBarButtons() {
    CollectionFolder folder;
    RunningProgram program;
    QWidget* panel = FormPrincipal->findChild<QWidget*>(QStringLiteral("Panel1"));
    QVERIFY(panel);
    QCOMPARE(panel->height(), 44);
    const QList<QPair<QString, QString>> expected = {
        {"BitBtn1", "Cadastra Artista"}, {"BitBtn2", "Cadastra CDs"}, {"BitBtn3", "Retira CD"},
        {"BitBtn4", "Retorna CD à coleção"}, {"BitBtn10", "Pesquisa"},
        {"BitBtn7", "Exibe Relatório de CDs"}, {"BitBtn8", "Exibe Relatório de Retiradas"},
        {"BitBtn9", "Exibe Relatório de Músicas"}, {"BitBtn6", "Ajuda"}, {"BitBtn11", "Sobre..."},
        {"BitBtn5", "Termina execução"}};
    QList<QPair<QString, QString>> found;
    int lastX = -1;
    for (QAbstractButton* button : panel->findChildren<QAbstractButton*>()) {
        found << qMakePair(button->objectName(), button->toolTip());
        QVERIFY(button->text().isEmpty());
        QVERIFY(!button->icon().isNull());
        QVERIFY(button->isEnabled());
        QVERIFY2(button->x() > lastX, qPrintable(button->objectName()));  // left to right
        lastX = button->x();
    }
    QCOMPARE(found, expected);
    // Their tab order is their order on the panel.
    for (int i = 0; i + 1 < found.size(); ++i)
        QCOMPARE(panel->findChild<QWidget*>(found[i].first)->nextInFocusChain()->objectName(), found[i + 1].first);
}

void Frame::menuItems() {
    CollectionFolder folder;
    RunningProgram program;
    const QStringList expected = {
        "Cadastro1 &Cadastro: Artista1 &Artista, CD1 &CD, N1 -, Retirada1 &Retirada, "
        "Retorno1 R&etorno, N2 -, Pesquisa1 &Pesquisa",
        "Relatrios1 &Relatórios: CD2 &CD, Retirada2 &Retirada, Msica1 &Música",
        "Janelas1 &Janelas: Janela1 &Cascata, LadoaLado1 &Lado a Lado Horizontal, "
        "LadoaLadoVertical1 L&ado a Lado Vertical, Organizarcones1 &Organizar Ícones",
        "Opers1 &Opções: Manuteno1 &Manutenção, Reinicializar1 &Reinicializar, Sobre1 &Sobre, "
        "Termina1 &Termina",
        "Ajuda1 &Ajuda"};
    QStringList found;
    for (QAction* top : FormPrincipal->MainMenu1->actions()) {
        QString line = top->objectName() + ' ' + top->text();
        QStringList items;
        if (top->menu()) {
            for (QAction* item : top->menu()->actions()) {
                items << item->objectName() + ' ' + (item->isSeparator() ? QStringLiteral("-") : item->text());
                QVERIFY(item->shortcut().isEmpty());
                QVERIFY(item->isEnabled());
            }
            line += ": " + items.join(", ");
        }
        found << line;
    }
    QCOMPARE(found, expected);
}

void Frame::aboutOpensOnceAndReenables() {
    CollectionFolder folder;
    RunningProgram program;
    QVERIFY(waitUntil([] { return RunningProgram::children().isEmpty(); }));  // first-start rebuild
    QTest::mouseClick(FormPrincipal->BitBtn11, Qt::LeftButton);
    auto* about = RunningProgram::child<TSobreForm>();
    QVERIFY(about);
    QCOMPARE(about->objectName(), QStringLiteral("SobreForm"));
    QCOMPARE(about->size(), QSize(298, 191));
    QCOMPARE(about->subWindow()->windowTitle(), QStringLiteral("Sobre"));
    QCOMPARE(about->findChild<QLabel*>(QStringLiteral("ProductName"))->text(), QStringLiteral("Sonorelo 95"));
    QCOMPARE(about->findChild<QLabel*>(QStringLiteral("Version"))->text(), QStringLiteral("Versão 2.1"));
    QVERIFY(!FormPrincipal->Sobre1->isEnabled());
    QVERIFY(!FormPrincipal->BitBtn11->isEnabled());
    about->subWindow()->showMinimized();
    QVERIFY(!FormPrincipal->BitBtn11->isEnabled());
    about->subWindow()->showNormal();
    QPointer<TSobreForm> first = about;
    about->subWindow()->close();
    QVERIFY(waitUntil([&] { return first.isNull(); }));
    QVERIFY(FormPrincipal->Sobre1->isEnabled());
    QVERIFY(FormPrincipal->BitBtn11->isEnabled());
    FormPrincipal->Sobre1->trigger();
    QVERIFY(RunningProgram::child<TSobreForm>());
}

void Frame::tileWithTwoChildren() {
    CollectionFolder folder;
    RunningProgram program;
    QVERIFY(waitUntil([] { return RunningProgram::children().isEmpty(); }));
    FormPrincipal->Sobre1->trigger();
    auto* other = new common::ChildForm;
    common::openChild(FormPrincipal->mdiArea(), other, QSize(200, 100), true);
    const QList<QMdiSubWindow*> windows = RunningProgram::children();
    QCOMPARE(windows.size(), 2);
    const QRect client = FormPrincipal->mdiArea()->viewport()->rect();

    FormPrincipal->LadoaLado1->trigger();
    QCOMPARE(windows[0]->width(), client.width());
    QCOMPARE(windows[1]->width(), client.width());
    QVERIFY(windows[0]->geometry().bottom() < windows[1]->geometry().top());
    QCOMPARE(windows[0]->x(), windows[1]->x());

    FormPrincipal->LadoaLadoVertical1->trigger();
    QCOMPARE(windows[0]->height(), client.height());
    QCOMPARE(windows[1]->height(), client.height());
    QVERIFY(windows[0]->geometry().right() < windows[1]->geometry().left());
    QCOMPARE(windows[0]->y(), windows[1]->y());

    FormPrincipal->Janela1->trigger();
    QVERIFY(windows[1]->x() > windows[0]->x() && windows[1]->y() > windows[0]->y());
    windows[0]->showMinimized();
    windows[1]->showMinimized();
    FormPrincipal->Organizarcones1->trigger();
    QCOMPARE(windows[0]->geometry().bottom(), client.bottom());
    QVERIFY(windows[1]->x() >= windows[0]->geometry().right());
}

void Frame::terminaPostsNothingPending() {
    CollectionFolder folder;
    {
        RunningProgram program;
        QVERIFY(waitUntil([] { return RunningProgram::children().isEmpty(); }));
        FormPrincipal->Sobre1->trigger();
        addRecord(DataModule1->Artista, {{"artista", "Guardado"}});
        DataModule1->Artista->Append();
        DataModule1->ArtistaArtista->SetAsString(QStringLiteral("Pendente"));
        QTest::mouseClick(FormPrincipal->BitBtn5, Qt::LeftButton);
        QVERIFY(RunningProgram::children().isEmpty());
        QVERIFY(!FormPrincipal->isVisible());
        QVERIFY(!FormPrincipal->Sobre1->isEnabled());  // destroyed without its close steps
    }
    RunningProgram program;
    QCOMPARE(DataModule1->Artista->RecordCount(), 1);
    QCOMPARE(DataModule1->ArtistaArtista->AsString(), QStringLiteral("Guardado"));
}

void Frame::helpShowsAndQuits() {
    CollectionFolder folder;
    QFile::copy(QStringLiteral(HELP_FILE), QStringLiteral("sonor95.hlp"));
    RunningProgram program;
    QTest::mouseClick(FormPrincipal->BitBtn6, Qt::LeftButton);
    QWidget* viewer = nullptr;
    QVERIFY(waitUntil([&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("HelpViewer") && w->isVisible()) viewer = w;
        return viewer != nullptr;
    }));
    QPointer<QWidget> watched = viewer;
    FormPrincipal->Termina1->trigger();
    QVERIFY(waitUntil([&] { return watched.isNull() || !watched->isVisible(); }));
}

int main(int argc, char** argv) {
    common::Application app(argc, argv);
    Frame test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_frame.moc"
