#pragma once

#include <QFrame>
#include <QLabel>

#include "common/childform.h"

// The About window: the product's name, its version and the credits.
class TSobreForm : public common::ChildForm {
    Q_OBJECT
public:
    static constexpr int kWidth = 298;
    static constexpr int kHeight = 191;

    explicit TSobreForm(QWidget* parent = nullptr);

protected:
    void FormClose() override;

private:
    QFrame* Panel1;
    QLabel* Image1;
    QLabel* ProductName;
    QLabel* Version;
};
