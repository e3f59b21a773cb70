#pragma once

#include <QString>

// Program start, in the order the main block gives.
namespace Program {
// Title, help file, then the forms in their order: the main frame, the data module (which
// opens the tables), the report forms and the preview window.
void initialize();
// Shows the main frame maximised, which runs its start-up check.
void showMainForm();
// The event loop, until the main frame closes.
int run();
// Destroys every form as the end of the program does: child windows without their close
// steps, tables closed, pending changes lost.
void shutdown();

const QString& helpFile();
}  // namespace Program
