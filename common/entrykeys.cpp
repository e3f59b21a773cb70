#include "entrykeys.h"

#include <QDate>
#include <QLineEdit>
#include <QWidget>

#include "dialogs.h"
#include "platform/tables/shortdate.h"

namespace common {

namespace {
constexpr char kFormProperty[] = "sonoreloForm";
}

QWidget* formOf(QWidget* control) {
    for (QWidget* w = control; w; w = w->parentWidget())
        if (w->property(kFormProperty).toBool() || w->isWindow()) return w;
    return nullptr;
}

QWidget* nextTabStop(QWidget* form, QWidget* from) {
    if (!form || !from) return nullptr;
    for (QWidget* w = from->nextInFocusChain(); w && w != from; w = w->nextInFocusChain()) {
        if (w == form || !form->isAncestorOf(w)) continue;
        if ((w->focusPolicy() & Qt::TabFocus) != Qt::TabFocus) continue;
        if (!w->isVisible() || !w->isEnabled()) continue;
        // A focus proxy's owner stands for it in the chain.
        if (w->focusProxy()) continue;
        return w;
    }
    return nullptr;
}

void enterToNext(QWidget* sender, QChar& key) {
    if (key != QLatin1Char('\r')) return;
    if (QWidget* next = nextTabStop(formOf(sender), sender)) next->setFocus(Qt::TabFocusReason);
    key = QChar();
}

QString maskedDateText(const QLineEdit* edit) {
    QString text = edit->displayText();
    if (!edit->inputMask().isEmpty()) text.replace(QLatin1Char('_'), QLatin1Char(' '));
    return text;
}

void dateEnter(QLineEdit* sender, QChar& key) {
    if (key != QLatin1Char('\r')) return;
    const auto date = tables::convertShortDate(
        maskedDateText(sender), tables::ShortDateFormat::program(), QDate::currentDate());
    if (date) {
        enterToNext(sender, key);
        return;
    }
    Mensagem(QStringLiteral("Data Inválida"));
    sender->setFocus(Qt::OtherFocusReason);
}

}  // namespace common
