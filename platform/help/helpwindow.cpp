#include "helpwindow.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace help {

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Ajuda - Sonorelo"));

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(createButtonRow());
    layout->addWidget(browser_, 1);
    resize(640, 480);

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

QWidget* HelpWindow::createButtonRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* contents = new QPushButton(QStringLiteral("Conteúdo"), row);
    contents->setObjectName(QStringLiteral("HelpContents"));
    contents->setToolTip(QStringLiteral("Volta à lista de assuntos"));
    connect(contents, &QPushButton::clicked, this, &HelpWindow::goToContents);

    auto* back = new QPushButton(QStringLiteral("Voltar"), row);
    back->setObjectName(QStringLiteral("HelpBack"));
    back->setToolTip(QStringLiteral("Volta ao assunto visto antes"));
    back->setEnabled(false);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);

    auto* forward = new QPushButton(QStringLiteral("Avançar"), row);
    forward->setObjectName(QStringLiteral("HelpForward"));
    forward->setToolTip(QStringLiteral("Avança ao assunto visto depois"));
    forward->setEnabled(false);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);

    auto* close = new QPushButton(QStringLiteral("Fechar"), row);
    close->setObjectName(QStringLiteral("HelpClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    layout->addWidget(contents);
    layout->addWidget(back);
    layout->addWidget(forward);
    layout->addStretch(1);
    layout->addWidget(close);
    return row;
}

void HelpWindow::openFile(const QString& path) {
    const QUrl file = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    if (file != home_) {
        home_ = file;
        // The help file's name does not say HTML; the document is read as HTML all the same.
        browser_->setSource(home_, QTextDocument::HtmlResource);
        browser_->clearHistory();
    }
    goToContents();
}

void HelpWindow::goToContents() {
    browser_->setSource(home_, QTextDocument::HtmlResource);
    browser_->horizontalScrollBar()->setValue(0);
    browser_->verticalScrollBar()->setValue(0);
}

}  // namespace help
