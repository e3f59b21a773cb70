#pragma once

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <memory>

#include "platform/controls/errorhook.h"
#include "platform/tables/datasource.h"
#include "platform/tables/shortdate.h"
#include "platform/tables/table.h"
#include "platform/tables/tableerror.h"
#include "platform/tables/tablefile.h"

// A scratch working directory with two small table files:
// "Pessoas.db": Nome (text 10), Cidade (text 20), Nascimento (date, mask "!99/99/00;1;_");
// "Cidades.db": Cidade (text 20), Estado (text 2), with the index "icidade" on Cidade.
class ControlsFixture {
  public:
    ControlsFixture() {
        saved_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        tables::ShortDateFormat::setProgramFormat(tables::ShortDateFormat{});
        tables::createTableFile(dir_.filePath(QStringLiteral("Pessoas.db")),
                                QStringLiteral("Pessoas"), pessoasFields());
        tables::createTableFile(dir_.filePath(QStringLiteral("Cidades.db")),
                                QStringLiteral("Cidades"),
                                {{QStringLiteral("Cidade"), tables::FieldType::Text, 20, {}},
                                 {QStringLiteral("Estado"), tables::FieldType::Text, 2, {}}});
    }
    ~ControlsFixture() {
        tables::ShortDateFormat::setProgramFormat(std::nullopt);
        QDir::setCurrent(saved_);
    }

    static std::vector<tables::FieldDef> pessoasFields() {
        return {{QStringLiteral("Nome"), tables::FieldType::Text, 10, {}},
                {QStringLiteral("Cidade"), tables::FieldType::Text, 20, {}},
                {QStringLiteral("Nascimento"), tables::FieldType::Date, 0,
                 QStringLiteral("!99/99/00;1;_")}};
    }

    // "Pessoas" opened exclusively with persistent fields, holding one record per row
    // (name, city, birth date), on its first record.
    static std::unique_ptr<tables::Table> pessoas(
        std::initializer_list<std::array<const char*, 3>> rows) {
        auto table = std::make_unique<tables::Table>();
        table->SetTableName(QStringLiteral("Pessoas.db"));
        table->SetExclusive(true);
        for (const auto& def : pessoasFields()) table->AddField(def);
        table->Open();
        for (const auto& row : rows) {
            table->Append();
            table->FieldByName(QStringLiteral("nome")).SetAsString(QString::fromUtf8(row[0]));
            table->FieldByName(QStringLiteral("cidade")).SetAsString(QString::fromUtf8(row[1]));
            table->FieldByName(QStringLiteral("nascimento")).SetAsString(QString::fromUtf8(row[2]));
            table->Post();
        }
        table->First();
        return table;
    }

    // "Cidades" opened exclusively, its fields from the file, holding the cities in this order.
    static std::unique_ptr<tables::Table> cidades(const QStringList& names) {
        auto table = std::make_unique<tables::Table>();
        table->SetTableName(QStringLiteral("Cidades.db"));
        table->SetExclusive(true);
        table->Open();
        table->AddIndex(QStringLiteral("icidade"), QStringLiteral("cidade"),
                        tables::IndexOption::CaseInsensitive);
        for (const QString& name : names) {
            table->Append();
            table->FieldByName(QStringLiteral("cidade")).SetAsString(name);
            table->Post();
        }
        table->First();
        return table;
    }

  private:
    QTemporaryDir dir_;
    QString saved_;
};

// Collects what the controls report while it lives; a modal report also shows a message box
// for a moment, as the program's error report does.
class CapturedErrors {
  public:
    explicit CapturedErrors(bool modal = false) {
        previous_ = controls::setErrorHandler([this, modal](const std::exception& error) {
            const auto* tableError = dynamic_cast<const tables::TableError*>(&error);
            messages << (tableError ? tableError->message() : QString::fromUtf8(error.what()));
            if (!modal) return;
            QMessageBox box(QMessageBox::Critical, QStringLiteral("Sonorelo"), messages.back());
            QTimer::singleShot(50, &box, &QMessageBox::accept);
            box.exec();
        });
    }
    ~CapturedErrors() { controls::setErrorHandler(std::move(previous_)); }

    QStringList messages;

  private:
    controls::ErrorHandler previous_;
};

// A top-level window holding the controls under test, shown and active so that focus works.
class TestWindow : public QWidget {
  public:
    TestWindow() { resize(400, 300); }
    bool showActive() {
        show();
        QApplication::setActiveWindow(this);
        activateWindow();
        return QTest::qWaitForWindowActive(this);
    }
};
