#include "windows/frmAbout1.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <optional>

#include "resources/Pictures.h"
#include "windows/DesignLayout.h"
#include "workspace/Program.h"

namespace {
const QString kDescription = QStringLiteral(
    "Torvane Edit is a un-supported program for writting and editing cog, Multi player,Single player, and .DAT "
    "files,for Jedi Knight this is only a test version. Please report any bugs to: torvane.edit@example.com");
const QString kDisclaimer = QStringLiteral(
    "Warning: This is just a test program the author is not responsible for any damage caused by this software "
    "and the author is also not responsible for the actions of the user!!!!!");
}  // namespace

frmAbout1::frmAbout1(Program& program) : program_(program) {
  setObjectName(QStringLiteral("frmAbout1"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setWindowIcon(Pictures::programIcon());
  setGeometry(QRect(QPoint(twipsToPixels(2340), twipsToPixels(1935)), fromTwips(0, 0, 5730, 3705).size()));
  setFixedSize(fromTwips(0, 0, 5730, 3705).size());
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);
  setAutoFillBackground(true);

  // Created in tab order: the buttons first, OK before System Info.
  const QFont font = msSansSerif(8.25, true);
  cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setGeometry(fromTwips(4245, 2625, 1260, 345));
  cmdOK->setFont(font);
  cmdOK->setDefault(true);
  cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
  cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
  cmdSysInfo->setGeometry(fromTwips(120, 1560, 1245, 345));
  cmdSysInfo->setFont(font);
  cmdSysInfo->setVisible(false);
  setTabOrder(cmdOK, cmdSysInfo);

  lblTitle = makeLabel(this, QStringLiteral("lblTitle"), fromTwips(1440, 240, 3975, 495),
                       QStringLiteral("Application Title"), font, kDesignGreen);
  Label1 = makeLabel(this, QStringLiteral("Label1"), fromTwips(1440, 720, 3975, 255), QStringLiteral("Version"),
                     font, kDesignGreen);
  lblDescription = makeLabel(this, QStringLiteral("lblDescription"), fromTwips(1440, 1080, 3975, 1215),
                             kDescription, font, kDesignGreen);
  lblDisclaimer = makeLabel(this, QStringLiteral("lblDisclaimer"), fromTwips(240, 2520, 3870, 1065), kDisclaimer,
                            font, kDesignRed, Qt::black);

  picIcon = new QLabel(this);
  picIcon->setObjectName(QStringLiteral("picIcon"));
  picIcon->setGeometry(fromTwips(0, 240, 1200, 750));
  picIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  picIcon->setPixmap(Pictures::productPicture());

  connect(cmdOK, &QPushButton::clicked, this, &frmAbout1::cmdOK_Click);
  connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout1::cmdSysInfo_Click);
  cmdOK->setFocus();
  Form_Load();
}

void frmAbout1::Form_Load() {
  const AppInfo& app = program_.App();
  setWindowTitle(QStringLiteral("About ") + app.Title);
  Label1->setText(QStringLiteral("Version %1.%2.%3").arg(app.Major).arg(app.Minor).arg(app.Revision));
  lblTitle->setText(app.Title);
}

void frmAbout1::cmdOK_Click() { close(); }

void frmAbout1::cmdSysInfo_Click() { StartSysInfo(program_); }

void frmAbout1::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  // Line1(1) and Line1(0): a grey line over a white one, the etched separator.
  QPainter painter(this);
  const int right = twipsToPixels(5654);
  painter.fillRect(QRect(QPoint(twipsToPixels(90), twipsToPixels(2445)), QPoint(right, twipsToPixels(2445))),
                   QColor(128, 128, 128));
  painter.fillRect(QRect(QPoint(twipsToPixels(105), twipsToPixels(2460)), QPoint(right, twipsToPixels(2460) + 1)),
                   Qt::white);
}

void frmAbout1::keyPressEvent(QKeyEvent* event) {
  // OK is the cancel button as well: Esc presses it.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    cmdOK->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

void ShowAboutBox(Program& program) {
  frmAbout1 box(program);
  program.runtime().ShowModal(box);
}

namespace {
// A text of the ANSI code page (the one where a registry exists), NULs inside
// it kept: Windows' own conversion would stop at the first.
QString fromAnsiExactly(const QByteArray& bytes) {
  QString text;
  const QList<QByteArray> pieces = bytes.split('\0');
  for (qsizetype i = 0; i < pieces.size(); ++i) {
    if (i > 0) text += QChar(0);
    text += QString::fromLocal8Bit(pieces[i]);
  }
  return text;
}

// Where the system-information tool is registered, in the order tried.
const QString kSysInfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kSysInfoValue = QStringLiteral("PATH");
const QString kSysInfoLocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString kSysInfoLocationValue = QStringLiteral("MSINFO");
const QString kSysInfoProgram = QStringLiteral("\\MSINFO32.EXE");

using namespace RegistryCode;
constexpr quint32 kKeyAccess = READ_CONTROL | KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY |
                               KEY_ENUMERATE_SUB_KEYS | KEY_NOTIFY | KEY_CREATE_LINK;
constexpr quint32 kValueBufferSize = 1024;

// The path of the tool, or nothing when it cannot be found.
std::optional<QString> sysInfoPath(Program& program) {
  Registry& registry = program.platform.registry;
  QString path;
  if (GetKeyValue(registry, HKEY_LOCAL_MACHINE, kSysInfoKey, kSysInfoValue, path)) return path;
  if (!GetKeyValue(registry, HKEY_LOCAL_MACHINE, kSysInfoLocationKey, kSysInfoLocationValue, path))
    return std::nullopt;
  if (program.system().Dir(path + kSysInfoProgram).isEmpty()) return std::nullopt;
  return path + kSysInfoProgram;
}
}  // namespace

bool GetKeyValue(Registry& registry, quint32 KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                 QString& KeyVal) {
  Registry::Key hKey = 0;
  if (registry.OpenKey(KeyRoot, KeyName, kKeyAccess, hKey) != ERROR_SUCCESS) {
    KeyVal.clear();
    return false;
  }
  QByteArray tmpVal(kValueBufferSize, '\0');
  quint32 KeyValSize = kValueBufferSize;
  quint32 KeyValType = 0;
  if (registry.QueryValue(hKey, SubKeyRef, KeyValType, tmpVal, KeyValSize) != ERROR_SUCCESS) {
    KeyVal.clear();
    registry.CloseKey(hKey);
    return false;
  }
  if (KeyValSize == 0) {
    // Nothing to trim: the value cannot be taken, and the caller gives up.
    KeyVal.clear();
    registry.CloseKey(hKey);
    throw RegistryValueError("the registry value has no bytes");
  }
  // Never past the buffer, whatever size came back; a last NUL ends the text.
  qsizetype size = qMin<qsizetype>(KeyValSize, tmpVal.size());
  if (tmpVal.at(size - 1) == '\0') --size;
  const QByteArray trimmed = tmpVal.left(size);

  switch (KeyValType) {
    case REG_SZ:
      KeyVal = fromAnsiExactly(trimmed);
      break;
    case REG_DWORD: {
      // Most significant byte first, two digits each; the text is kept as built.
      for (qsizetype i = trimmed.size() - 1; i >= 0; --i)
        KeyVal += QStringLiteral("%1").arg(static_cast<uchar>(trimmed.at(i)), 2, 16, QLatin1Char('0')).toUpper();
      KeyVal = QStringLiteral("&h") + KeyVal;
      break;
    }
    default:
      break;  // other types leave the output as it was
  }
  registry.CloseKey(hKey);
  return true;
}

void StartSysInfo(Program& program) {
  try {
    const std::optional<QString> path = sysInfoPath(program);
    if (path && program.system().Shell(*path)) return;
  } catch (const RegistryValueError&) {
    // Falls through to the one message every failure ends in.
  }
  program.runtime().MsgBox(QStringLiteral("System Information Is Unavailable At This Time"), MsgBoxCode::OKOnly,
                           program.App().Title);
}
