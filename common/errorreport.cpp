#include "errorreport.h"

#include <QMessageBox>

#include "platform/tables/tableerror.h"

namespace common {

QString applicationTitle() { return QCoreApplication::applicationName(); }

QString errorText(const std::exception& error) {
    if (const auto* tableError = dynamic_cast<const tables::TableError*>(&error))
        return tableError->message() + QLatin1Char('.');
    return QString::fromUtf8(error.what()) + QLatin1Char('.');
}

void showError(const std::exception& error) {
    QMessageBox box(QMessageBox::Critical, applicationTitle(), errorText(error), QMessageBox::Ok);
    box.setObjectName(QStringLiteral("ErrorReport"));
    box.exec();
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        showError(error);
        return false;
    }
}

}  // namespace common
