#include "formprincipal.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "about/sobreform.h"
#include "common/childform.h"
#include "common/dialogs.h"
#include "common/errorreport.h"
#include "data/barraform2.h"
#include "data/catalogue.h"
#include "data/datamodule.h"
#include "data/indexaform.h"
#include "platform/help/helpviewer.h"
#include "program.h"
#include "windowarrangement.h"

TFormPrincipal* FormPrincipal = nullptr;

namespace {
constexpr int kPanelHeight = 44;
constexpr int kButtonSize = 40;
}  // namespace

TFormPrincipal::TFormPrincipal(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("FormPrincipal"));
    setWindowTitle(QStringLiteral("Sonorelo"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/sonorelo.svg")));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    setAttribute(Qt::WA_AlwaysShowToolTips);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Panel1 = new QWidget(central);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(kPanelHeight);
    layout->addWidget(Panel1);
    area_ = new QMdiArea(central);
    area_->setObjectName(QStringLiteral("ClientArea"));
    layout->addWidget(area_);
    setCentralWidget(central);

    createToolBar();
    createMenu();
    connectCommands();

    // Restored, the frame is 590 × 414, centred on the screen.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, QSize(590, 414), screen));
}

QToolButton* TFormPrincipal::addButton(const char* name, const char* icon, const QString& hint) {
    auto* button = new QToolButton(Panel1);
    button->setObjectName(QLatin1String(name));
    button->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))));
    button->setIconSize(QSize(28, 28));
    button->setFixedSize(kButtonSize, kButtonSize);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setFocusPolicy(Qt::TabFocus);
    button->setAutoRaise(false);
    Panel1->layout()->addWidget(button);
    return button;
}

void TFormPrincipal::createToolBar() {
    auto* row = new QHBoxLayout(Panel1);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(1);
    // Left to right, which is also their tab order.
    BitBtn1 = addButton("BitBtn1", "artista", QStringLiteral("Cadastra Artista"));
    BitBtn2 = addButton("BitBtn2", "cd", QStringLiteral("Cadastra CDs"));
    BitBtn3 = addButton("BitBtn3", "retira", QStringLiteral("Retira CD"));
    BitBtn4 = addButton("BitBtn4", "retorna", QStringLiteral("Retorna CD à coleção"));
    BitBtn10 = addButton("BitBtn10", "pesquisa", QStringLiteral("Pesquisa"));
    BitBtn7 = addButton("BitBtn7", "relatorio_cds", QStringLiteral("Exibe Relatório de CDs"));
    BitBtn8 = addButton("BitBtn8", "relatorio_retiradas", QStringLiteral("Exibe Relatório de Retiradas"));
    BitBtn9 = addButton("BitBtn9", "relatorio_musicas", QStringLiteral("Exibe Relatório de Músicas"));
    BitBtn6 = addButton("BitBtn6", "ajuda", QStringLiteral("Ajuda"));
    BitBtn11 = addButton("BitBtn11", "sobre", QStringLiteral("Sobre..."));
    BitBtn5 = addButton("BitBtn5", "termina", QStringLiteral("Termina execução"));
    row->addStretch();
}

QAction* TFormPrincipal::addItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* item = caption == QLatin1String("-") ? menu->addSeparator() : menu->addAction(caption);
    item->setObjectName(QLatin1String(name));
    return item;
}

void TFormPrincipal::createMenu() {
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    const auto addMenu = [this](const char* name, const QString& caption) {
        QMenu* menu = MainMenu1->addMenu(caption);
        menu->setObjectName(QLatin1String(name));
        menu->menuAction()->setObjectName(QLatin1String(name));
        return menu;
    };
    Cadastro1 = addMenu("Cadastro1", QStringLiteral("&Cadastro"));
    Artista1 = addItem(Cadastro1, "Artista1", QStringLiteral("&Artista"));
    CD1 = addItem(Cadastro1, "CD1", QStringLiteral("&CD"));
    N1 = addItem(Cadastro1, "N1", QStringLiteral("-"));
    Retirada1 = addItem(Cadastro1, "Retirada1", QStringLiteral("&Retirada"));
    Retorno1 = addItem(Cadastro1, "Retorno1", QStringLiteral("R&etorno"));
    N2 = addItem(Cadastro1, "N2", QStringLiteral("-"));
    Pesquisa1 = addItem(Cadastro1, "Pesquisa1", QStringLiteral("&Pesquisa"));

    Relatrios1 = addMenu("Relatrios1", QStringLiteral("&Relatórios"));
    CD2 = addItem(Relatrios1, "CD2", QStringLiteral("&CD"));
    Retirada2 = addItem(Relatrios1, "Retirada2", QStringLiteral("&Retirada"));
    Msica1 = addItem(Relatrios1, "Msica1", QStringLiteral("&Música"));

    Janelas1 = addMenu("Janelas1", QStringLiteral("&Janelas"));
    Janela1 = addItem(Janelas1, "Janela1", QStringLiteral("&Cascata"));
    LadoaLado1 = addItem(Janelas1, "LadoaLado1", QStringLiteral("&Lado a Lado Horizontal"));
    LadoaLadoVertical1 = addItem(Janelas1, "LadoaLadoVertical1", QStringLiteral("L&ado a Lado Vertical"));
    Organizarcones1 = addItem(Janelas1, "Organizarcones1", QStringLiteral("&Organizar Ícones"));

    Opers1 = addMenu("Opers1", QStringLiteral("&Opções"));
    Manuteno1 = addItem(Opers1, "Manuteno1", QStringLiteral("&Manutenção"));
    Reinicializar1 = addItem(Opers1, "Reinicializar1", QStringLiteral("&Reinicializar"));
    Sobre1 = addItem(Opers1, "Sobre1", QStringLiteral("&Sobre"));
    Termina1 = addItem(Opers1, "Termina1", QStringLiteral("&Termina"));

    // "&Ajuda" is a command itself, not a menu.
    Ajuda1 = MainMenu1->addAction(QStringLiteral("&Ajuda"));
    Ajuda1->setObjectName(QStringLiteral("Ajuda1"));
}

void TFormPrincipal::connectCommands() {
    using common::guarded;
    const auto both = [this](QAction* item, QToolButton* button, void (TFormPrincipal::*handler)()) {
        if (item) connect(item, &QAction::triggered, this, guarded([this, handler](bool) { (this->*handler)(); }));
        if (button) connect(button, &QToolButton::clicked, this, guarded([this, handler](bool) { (this->*handler)(); }));
    };
    both(Artista1, BitBtn1, &TFormPrincipal::Artista1Click);
    both(CD1, BitBtn2, &TFormPrincipal::CD1Click);
    both(Retirada1, BitBtn3, &TFormPrincipal::Retirada1Click);
    both(Retorno1, BitBtn4, &TFormPrincipal::Retorno1Click);
    both(Pesquisa1, BitBtn10, &TFormPrincipal::Pesquisa1Click);
    both(CD2, BitBtn7, &TFormPrincipal::CD2Click);
    both(Retirada2, BitBtn8, &TFormPrincipal::Retirada2Click);
    both(Msica1, BitBtn9, &TFormPrincipal::Msica1Click);
    both(Janela1, nullptr, &TFormPrincipal::Janela1Click);
    both(LadoaLado1, nullptr, &TFormPrincipal::LadoaLado1Click);
    both(LadoaLadoVertical1, nullptr, &TFormPrincipal::LadoaLadoVertical1Click);
    both(Organizarcones1, nullptr, &TFormPrincipal::Organizarcones1Click);
    both(Manuteno1, nullptr, &TFormPrincipal::Manuteno1Click);
    both(Reinicializar1, nullptr, &TFormPrincipal::Reinicializar1Click);
    both(Sobre1, BitBtn11, &TFormPrincipal::Sobre1Click);
    both(Termina1, BitBtn5, &TFormPrincipal::Termina1Click);
    both(Ajuda1, BitBtn6, &TFormPrincipal::Ajuda1Click);
}

// The registers, the loans, the search and the listings open their windows once those exist;
// until then their commands are in place and open nothing.
void TFormPrincipal::Artista1Click() {}
void TFormPrincipal::CD1Click() {}
void TFormPrincipal::Retirada1Click() {}
void TFormPrincipal::Retorno1Click() {}
void TFormPrincipal::Pesquisa1Click() {}
void TFormPrincipal::CD2Click() {}
void TFormPrincipal::Retirada2Click() {}
void TFormPrincipal::Msica1Click() {}

void TFormPrincipal::Janela1Click() { arrangement::cascade(area_); }

void TFormPrincipal::LadoaLado1Click() {
    tileMode_ = TileMode::Horizontal;
    tile();
}

void TFormPrincipal::LadoaLadoVertical1Click() {
    tileMode_ = TileMode::Vertical;
    tile();
}

void TFormPrincipal::tile() { arrangement::tile(area_, tileMode_ == TileMode::Horizontal); }

void TFormPrincipal::Organizarcones1Click() { arrangement::arrangeIcons(area_); }

void TFormPrincipal::Manuteno1Click() {
    Manuteno1->setEnabled(false);
    auto* form = new Tindexaform;
    form->setCommand(nullptr, Manuteno1);
    common::openChild(area_, form, QSize(Tindexaform::kWidth, Tindexaform::kHeight), false);
}

void TFormPrincipal::Reinicializar1Click() {
    if (!Confirma(QStringLiteral(
            "Esta rotina apaga todos os registros. TODOS OS DADOS SERÃO PERDIDOS. Confirma?")))
        return;
    Reinicializar1->setEnabled(false);
    auto* form = new Tbarraform2;
    form->setCommand(nullptr, Reinicializar1);
    common::openChild(area_, form, QSize(Tbarraform2::kWidth, Tbarraform2::kHeight), false);
}

void TFormPrincipal::Sobre1Click() {
    auto* form = new TSobreForm;
    form->setCommand(BitBtn11, Sobre1);
    common::openChild(area_, form, QSize(TSobreForm::kWidth, TSobreForm::kHeight), true);
    Sobre1->setEnabled(false);
    BitBtn11->setEnabled(false);
}

void TFormPrincipal::destroyChildren() {
    // Destroyed without their close steps: nothing is enabled or settled.
    for (QMdiSubWindow* window : area_->subWindowList()) delete window;
}

void TFormPrincipal::Termina1Click() {
    destroyChildren();
    close();
    help::quit();
}

void TFormPrincipal::Ajuda1Click() { help::showContents(this, Program::helpFile()); }

void TFormPrincipal::FormShow() {
    // The start-up index check: the first index of the catalogue found missing opens the
    // rebuild, which adds all fourteen. A table that could not be opened has been reported
    // already and is left out.
    for (const catalogue::IndexEntry& index : catalogue::indexEntries()) {
        tables::Table* table = DataModule1 ? DataModule1->table(index.table) : nullptr;
        if (!table || !table->Active() || table->IndexPresent(index.name)) continue;
        auto* form = new Tindexaform;
        form->setCommand(nullptr, Manuteno1);
        common::openChild(area_, form, QSize(Tindexaform::kWidth, Tindexaform::kHeight), false);
        return;
    }
}

void TFormPrincipal::FormClose() { help::quit(); }

void TFormPrincipal::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    common::runGuarded([this] { FormShow(); });
}

void TFormPrincipal::closeEvent(QCloseEvent* event) {
    common::runGuarded([this] { FormClose(); });
    event->accept();
}
