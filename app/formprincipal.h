#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <QWidget>

namespace common {
class ChildForm;
}

// The main frame: a multiple-document window with its tool bar and menu. Every function opens
// as a child window inside it; the frame arranges them, opens the help, checks at start-up that
// the indexes are present, and ends the program.
class TFormPrincipal : public QMainWindow {
    Q_OBJECT
public:
    enum class TileMode { Horizontal, Vertical };

    explicit TFormPrincipal(QWidget* parent = nullptr);

    QMdiArea* mdiArea() const { return area_; }

    // The command table.
    void Artista1Click();
    void CD1Click();
    void Retirada1Click();
    void Retorno1Click();
    void Pesquisa1Click();
    void CD2Click();
    void Retirada2Click();
    void Msica1Click();
    void Janela1Click();
    void LadoaLado1Click();
    void LadoaLadoVertical1Click();
    void Organizarcones1Click();
    void Manuteno1Click();
    void Reinicializar1Click();
    void Sobre1Click();
    void Termina1Click();
    void Ajuda1Click();

    QWidget* Panel1;
    QToolButton* BitBtn1;
    QToolButton* BitBtn2;
    QToolButton* BitBtn3;
    QToolButton* BitBtn4;
    QToolButton* BitBtn10;
    QToolButton* BitBtn7;
    QToolButton* BitBtn8;
    QToolButton* BitBtn9;
    QToolButton* BitBtn6;
    QToolButton* BitBtn11;
    QToolButton* BitBtn5;

    QMenuBar* MainMenu1;
    QMenu* Cadastro1;
    QAction* Artista1;
    QAction* CD1;
    QAction* N1;
    QAction* Retirada1;
    QAction* Retorno1;
    QAction* N2;
    QAction* Pesquisa1;
    QMenu* Relatrios1;
    QAction* CD2;
    QAction* Retirada2;
    QAction* Msica1;
    QMenu* Janelas1;
    QAction* Janela1;
    QAction* LadoaLado1;
    QAction* LadoaLadoVertical1;
    QAction* Organizarcones1;
    QMenu* Opers1;
    QAction* Manuteno1;
    QAction* Reinicializar1;
    QAction* Sobre1;
    QAction* Termina1;
    QAction* Ajuda1;

    TileMode tileMode() const { return tileMode_; }

protected:
    void FormShow();
    void FormClose();
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createToolBar();
    void createMenu();
    void connectCommands();
    QToolButton* addButton(const char* name, const char* icon, const QString& hint);
    QAction* addItem(QMenu* menu, const char* name, const QString& caption);
    void tile();
    void destroyChildren();

    QMdiArea* area_;
    TileMode tileMode_ = TileMode::Horizontal;
    bool shown_ = false;
};

extern TFormPrincipal* FormPrincipal;
