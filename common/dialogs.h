#pragma once

#include <QString>

// The question asked before anything destructive: true only when the user presses OK.
bool Confirma(const QString& text);

// The plain message with which a window reports a refused operation.
void Mensagem(const QString& text);
