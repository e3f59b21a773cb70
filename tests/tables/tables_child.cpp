// A second process for the tests: holds a table file open, or posts records until killed.
//   tables_child hold DIR FILE   opens FILE exclusively, prints "ready", then obeys stdin lines:
//                                "post" appends a record and prints "posted COUNT"; "quit" ends.
//   tables_child post DIR FILE   posts records "r0", "r1", … one per user action, and prints
//                                each number once the event loop has waited after its Post.
#include <QCoreApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>
#include <iostream>
#include <string>

#include "platform/tables/commitscheduler.h"
#include "platform/tables/table.h"
#include "platform/tables/tableerror.h"

namespace {

void say(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

void appendOne(tables::Table& table, const QString& name) {
    table.Append();
    table.Fields().front()->SetAsString(name);
    table.Post();
}

int hold(tables::Table& table) {
    say("ready");
    std::string line;
    while (std::getline(std::cin, line)) {
        if (line == "post") {
            appendOne(table, QStringLiteral("from holder"));
            tables::commitAll();
            say("posted " + std::to_string(table.RecordCount()));
        } else if (line == "quit") {
            break;
        }
    }
    return 0;
}

int post(tables::Table& table) {
    int next = 0;
    std::function<void()> action = [&] {
        appendOne(table, QStringLiteral("r%1").arg(next));
        const int posted = next++;
        // Reported once the loop has waited for input, which is when the action is committed.
        QTimer::singleShot(1, [&, posted] {
            say(std::to_string(posted));
            action();
        });
    };
    QTimer::singleShot(0, action);
    return QCoreApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 4) return 2;
    const std::string mode = argv[1];
    QDir::setCurrent(QString::fromLocal8Bit(argv[2]));
    tables::Table table;
    table.SetTableName(QString::fromLocal8Bit(argv[3]));
    table.SetExclusive(true);
    try {
        table.Open();
        if (mode == "hold") return hold(table);
        if (mode == "post") return post(table);
    } catch (const tables::TableError& error) {
        say("error: " + error.message().toStdString());
        return 1;
    }
    return 2;
}
