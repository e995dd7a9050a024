#pragma once
// The about box, and the start of the system-information tool behind its
// System Info button (created hidden).
#include <QDialog>
#include <stdexcept>

#include "platform/Registry.h"

class Program;
class QLabel;
class QPushButton;

class frmAbout1 : public QDialog {
  Q_OBJECT
 public:
  explicit frmAbout1(Program& program);

  QLabel* picIcon = nullptr;
  QLabel* lblTitle = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* lblDescription = nullptr;
  QLabel* lblDisclaimer = nullptr;
  QPushButton* cmdSysInfo = nullptr;
  QPushButton* cmdOK = nullptr;

  // Handlers.
  void Form_Load();
  void cmdOK_Click();
  void cmdSysInfo_Click();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Program& program_;
};

// Creates a fresh about box, shows it modally and releases it.
void ShowAboutBox(Program& program);

// A registry value handed back in a form that cannot be read: no bytes at all.
class RegistryValueError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads value SubKeyRef of key KeyName under KeyRoot. True when the key
// opened and the value was read: KeyVal then holds a text value (without its
// terminating NUL), "&h" and the hexadecimal digits of a 32-bit number, or is
// left as it was for any other type. False, with KeyVal empty, otherwise.
// Throws RegistryValueError, with the key closed and KeyVal empty, for a value
// of size 0.
bool GetKeyValue(Registry& registry, quint32 KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                 QString& KeyVal);

// Finds the system-information tool through the registry and starts it, or
// tells the user that it is unavailable.
void StartSysInfo(Program& program);
