#pragma once

#include <QWidget>
#include <functional>

#include "fieldbinding.h"

class QToolButton;

namespace controls {

// A data navigator with the buttons first, prior, next and last (named "First", "Prior", "Next"
// and "Last"), moving the table of its data source. First and Prior are disabled at the
// beginning of the table, Next and Last at its end, all four while it is closed or empty.
class DBNavigator : public QWidget, public tables::DataLink {
    Q_OBJECT
  public:
    explicit DBNavigator(QWidget* parent = nullptr);

    void setDataSource(tables::DataSource* source);
    tables::DataSource* DataSource() const { return binding_.dataSource(); }

    void dataSetChanged() override { updateButtons(); }
    void stateChanged() override { updateButtons(); }

  private:
    enum class Arrow { First, Prior, Next, Last };

    QToolButton* addButton(Arrow arrow, const QString& name, const QString& toolTip,
                           std::function<void(tables::Table&)> move);
    void updateButtons();

    FieldBinding binding_{this};
    QToolButton* first_;
    QToolButton* prior_;
    QToolButton* next_;
    QToolButton* last_;
};

}  // namespace controls
