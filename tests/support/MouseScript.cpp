#include "MouseScript.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace {
Qt::MouseButtons parseButtons(const QString& letters) {
  Qt::MouseButtons buttons;
  if (letters.contains(QLatin1Char('L'))) buttons |= Qt::LeftButton;
  if (letters.contains(QLatin1Char('R'))) buttons |= Qt::RightButton;
  if (letters.contains(QLatin1Char('M'))) buttons |= Qt::MiddleButton;
  return buttons;
}
}  // namespace

void runMouseScript(QWidget* widget, const QString& script, const std::function<void(int step)>& after) {
  Qt::MouseButtons held;
  const QStringList steps = script.split(QLatin1Char(';'), Qt::SkipEmptyParts);
  for (int i = 0; i < steps.size(); ++i) {
    const QStringList words = steps[i].simplified().split(QLatin1Char(' '));
    if (words.size() != 4) qFatal("bad mouse script step: %s", qPrintable(steps[i]));
    const QPointF at(words[2].toDouble() / 15.0, words[3].toDouble() / 15.0);
    const Qt::MouseButtons buttons = parseButtons(words[1]);
    QEvent::Type type = QEvent::MouseMove;
    Qt::MouseButton button = Qt::NoButton;
    if (words[0] == QLatin1String("down")) {
      type = QEvent::MouseButtonPress;
      button = Qt::MouseButton(int(buttons));
      held |= button;
    } else if (words[0] == QLatin1String("up")) {
      type = QEvent::MouseButtonRelease;
      button = Qt::MouseButton(int(buttons));
      held &= ~buttons;
    } else if (words[0] == QLatin1String("move")) {
      held = buttons;
    } else {
      qFatal("bad mouse script step: %s", qPrintable(steps[i]));
    }
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
    after(i);
  }
}
