#include "dialogs.h"

#include <QMessageBox>

#include "errorreport.h"

bool Confirma(const QString& text) {
    // Application-wide: no parent, so every window is blocked while it is open.
    QMessageBox box(QMessageBox::Warning, QStringLiteral("ATENÇÃO"), text,
                    QMessageBox::Ok | QMessageBox::Cancel);
    box.setObjectName(QStringLiteral("Confirma"));
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

void Mensagem(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, common::applicationTitle(), text, QMessageBox::Ok);
    box.setObjectName(QStringLiteral("Mensagem"));
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}
