#include "sobreform.h"

#include <QIcon>

TSobreForm::TSobreForm(QWidget* parent) : common::ChildForm(parent) {
    setObjectName(QStringLiteral("SobreForm"));
    setWindowTitle(QStringLiteral("Sobre"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(8, 8, 281, 161);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(2);

    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(8, 0, 57, 65);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(QIcon(QStringLiteral(":/icons/sonorelo.svg")).pixmap(32, 32));

    QFont bold = font;
    bold.setBold(true);
    ProductName = new QLabel(QStringLiteral("Sonorelo 95"), Panel1);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    ProductName->setFont(bold);
    ProductName->move(100, 16);
    Version = new QLabel(QStringLiteral("Versão 2.1"), Panel1);
    Version->setObjectName(QStringLiteral("Version"));
    Version->setFont(bold);
    Version->move(100, 32);

    const QStringList credits = {
        QStringLiteral("Controle de CDs e empréstimos"),
        QStringLiteral("Feito com Qt, SQLite e ICU"),
        QStringLiteral("Equipe Sonorelo"),
        QStringLiteral("Software livre para colecionadores"),
    };
    const int tops[] = {80, 104, 120, 136};
    for (int i = 0; i < 4; ++i) {
        auto* credit = new QLabel(credits[i], Panel1);
        credit->setObjectName(QStringLiteral("Credit%1").arg(i + 1));
        credit->setAlignment(Qt::AlignHCenter);
        credit->setGeometry(0, tops[i], Panel1->width(), 16);
    }
}

void TSobreForm::FormClose() {
    if (commandItem()) commandItem()->setEnabled(true);
    if (commandButton()) commandButton()->setEnabled(true);
}
