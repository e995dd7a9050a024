#include "windows/Toolbar.h"

#include "workspace/Program.h"

Toolbar::Toolbar(Program& program, QWidget* parent) : QWidget(parent), program_(program) {
  setFixedHeight(615 / 15);
}

QSize Toolbar::sizeHint() const { return QSize(7110 / 15, 615 / 15); }

void ShowEditButtons(Program&) {}
void HideEditButtons(Program&) {}
void ToggleToolbar(Program&, QWidget*) {}
