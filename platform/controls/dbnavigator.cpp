#include "dbnavigator.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

#include "errorhook.h"
#include "platform/tables/table.h"

namespace controls {

namespace {

// A triangle pointing left or right, with a bar in front of it for first and last.
QIcon arrowIcon(bool pointsLeft, bool withBar, const QColor& color) {
    constexpr int size = 16;
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    const qreal tip = pointsLeft ? 4 : 12;
    const qreal base = pointsLeft ? 11 : 5;
    QPainterPath triangle;
    triangle.moveTo(tip, 8);
    triangle.lineTo(base, 3);
    triangle.lineTo(base, 13);
    triangle.closeSubpath();
    painter.drawPath(triangle);
    if (withBar) painter.drawRect(QRectF(pointsLeft ? 2 : 12, 3, 2, 10));
    painter.end();
    return QIcon(pixmap);
}

}  // namespace

DBNavigator::DBNavigator(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    first_ = addButton(Arrow::First, QStringLiteral("First"), QStringLiteral("Primeiro"),
                       [](tables::Table& table) { table.First(); });
    prior_ = addButton(Arrow::Prior, QStringLiteral("Prior"), QStringLiteral("Anterior"),
                       [](tables::Table& table) { table.Prior(); });
    next_ = addButton(Arrow::Next, QStringLiteral("Next"), QStringLiteral("Próximo"),
                      [](tables::Table& table) { table.Next(); });
    last_ = addButton(Arrow::Last, QStringLiteral("Last"), QStringLiteral("Último"),
                      [](tables::Table& table) { table.Last(); });
    updateButtons();
}

QToolButton* DBNavigator::addButton(Arrow arrow, const QString& name, const QString& toolTip,
                                    std::function<void(tables::Table&)> move) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setToolTip(toolTip);
    button->setAutoRaise(false);
    const bool pointsLeft = arrow == Arrow::First || arrow == Arrow::Prior;
    const bool withBar = arrow == Arrow::First || arrow == Arrow::Last;
    button->setIcon(arrowIcon(pointsLeft, withBar, palette().color(QPalette::ButtonText)));
    layout()->addWidget(button);
    connect(button, &QToolButton::clicked, this, [this, move = std::move(move)] {
        if (tables::Table* table = binding_.openTable()) runReporting([&] { move(*table); });
        // Stepping past either end changes Bof or Eof without telling the source.
        updateButtons();
    });
    return button;
}

void DBNavigator::setDataSource(tables::DataSource* source) {
    binding_.setDataSource(source);
    updateButtons();
}

void DBNavigator::updateButtons() {
    tables::Table* table = binding_.openTable();
    bool empty = true;
    if (table) runReporting([&] { empty = table->IsEmpty(); });
    const bool canGoBack = table && !empty && !table->Bof();
    const bool canGoOn = table && !empty && !table->Eof();
    first_->setEnabled(canGoBack);
    prior_->setEnabled(canGoBack);
    next_->setEnabled(canGoOn);
    last_->setEnabled(canGoOn);
}

}  // namespace controls
