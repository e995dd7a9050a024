// Files dropped on a shown frame, through Qt's drag-and-drop events as the
// desktop delivers them to the frame's window: the client area, the toolbar,
// a document window and its text box open the files; dragged text still goes
// into the text box it is dropped on.
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QtTest>

#include "FakeLaunchPlatform.h"
#include "TestEnv.h"
#include "launch/FileDrops.h"
#include "launch/Launcher.h"
#include "windows/Toolbar.h"

namespace {
// Enter, move and drop at one point of the frame's window; whether the drop
// was taken.
bool dropOn(QWidget* frame, const QPoint& at, QMimeData* data) {
  QWindow* window = frame->windowHandle();
  const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
  QDragEnterEvent enter(at, actions, data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window, &enter);
  QDragMoveEvent move(at, actions, data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window, &move);
  if (!move.isAccepted()) {
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(window, &leave);
    return false;
  }
  QDropEvent drop(QPointF(at), actions, data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window, &drop);
  return drop.isAccepted();
}

QPoint centreOf(QWidget* widget, QWidget* frame) {
  return widget->mapTo(frame, widget->rect().center());
}

QMimeData* filesData(const QStringList& files) {
  auto* data = new QMimeData;
  QList<QUrl> urls;
  for (const QString& f : files) urls.append(QUrl::fromLocalFile(f));
  data->setUrls(urls);
  data->setText(files.join(QLatin1Char('\n')));  // file managers offer the names as text too
  return data;
}

QStringList captions(TestEnv& env) {
  QStringList shown;
  for (frmNotePad* window : env.documents()) shown.append(window->Caption());
  return shown;
}
}  // namespace

class FileDropsTest : public QObject {
  Q_OBJECT
 private slots:
  void filesOpenInTheirOrder_data();
  void filesOpenInTheirOrder();
  void textDroppedIntoADocumentIsInserted();
  void nothingButLocalFilesIsOpened();
  void droppedFilesNamed();
};

void FileDropsTest::filesOpenInTheirOrder_data() {
  QTest::addColumn<QString>("where");
  QTest::newRow("client area") << QStringLiteral("client");
  QTest::newRow("toolbar") << QStringLiteral("toolbar");
  QTest::newRow("document window's title bar") << QStringLiteral("title");
  QTest::newRow("document's text") << QStringLiteral("text");
}

void FileDropsTest::filesOpenInTheirOrder() {
  QFETCH(QString, where);
  TestEnv env;
  FakeInstanceChannel channel;
  FakeDesktopWindows desktop;
  Launcher launcher(*env.program, channel, desktop, HandOverResult{});
  QVERIFY(QTest::qWaitForWindowExposed(env.frame.get()));
  frmNotePad* first = env.doc(1);
  auto* sub = qobject_cast<QMdiSubWindow*>(first->parentWidget());
  // Room around the document window, for the client area's own part.
  sub->setGeometry(10, 10, 200, 120);
  QCoreApplication::processEvents();
  QPoint at;
  if (where == QLatin1String("client")) {
    QMdiArea* area = env.frame->mdiArea();
    at = area->viewport()->mapTo(env.frame.get(), QPoint(area->viewport()->width() - 5, area->viewport()->height() - 5));
  } else if (where == QLatin1String("toolbar")) {
    at = env.frame->picToolbar->mapTo(env.frame.get(), QPoint(env.frame->picToolbar->width() - 40, 5));
  } else if (where == QLatin1String("title")) {
    at = sub->mapTo(env.frame.get(), QPoint(sub->width() / 2, 8));
  } else {
    at = centreOf(first->Text1->viewport(), env.frame.get());
  }
  const QString b = env.writeFile(QStringLiteral("b file.cog"), "bee\r\n");
  const QString a = env.writeFile(QStringLiteral("a&a.cog"), "ay");
  std::unique_ptr<QMimeData> data(filesData({b, a}));
  QVERIFY(dropOn(env.frame.get(), at, data.get()));
  QTRY_COMPARE(env.documents().size(), 3);
  QCOMPARE(captions(env), (QStringList{QStringLiteral("Untitled:1"), env.realSystem.UCase(b), env.realSystem.UCase(a)}));
  QCOMPARE(env.doc(2)->Text1->Text(), QByteArray("bee\r\n"));
  QCOMPARE(env.frame->ActiveForm(), env.doc(3));
  QCOMPARE(first->Text1->Text(), QByteArray());  // no name went in as text
}

void FileDropsTest::textDroppedIntoADocumentIsInserted() {
  TestEnv env;
  FakeInstanceChannel channel;
  FakeDesktopWindows desktop;
  Launcher launcher(*env.program, channel, desktop, HandOverResult{});
  QVERIFY(QTest::qWaitForWindowExposed(env.frame.get()));
  frmNotePad* first = env.doc(1);
  auto* data = new QMimeData;
  data->setText(QStringLiteral("dropped text"));
  std::unique_ptr<QMimeData> owner(data);
  QVERIFY(dropOn(env.frame.get(), centreOf(first->Text1->viewport(), env.frame.get()), data));
  QCoreApplication::processEvents();
  QCOMPARE(first->Text1->Text(), QByteArray("dropped text"));
  QCOMPARE(env.documents().size(), 1);
  // Over the client area text is nobody's: nothing happens.
  QMdiArea* area = env.frame->mdiArea();
  qobject_cast<QMdiSubWindow*>(first->parentWidget())->setGeometry(10, 10, 100, 80);
  const QPoint corner = area->viewport()->mapTo(env.frame.get(), QPoint(area->viewport()->width() - 5, area->viewport()->height() - 5));
  QVERIFY(!dropOn(env.frame.get(), corner, data));
  QTest::qWait(20);
  QCOMPARE(env.documents().size(), 1);
}

void FileDropsTest::nothingButLocalFilesIsOpened() {
  TestEnv env;
  FakeInstanceChannel channel;
  FakeDesktopWindows desktop;
  Launcher launcher(*env.program, channel, desktop, HandOverResult{});
  QVERIFY(QTest::qWaitForWindowExposed(env.frame.get()));
  const QString a = env.writeFile(QStringLiteral("a.cog"), "a");
  auto* data = new QMimeData;
  std::unique_ptr<QMimeData> owner(data);
  data->setUrls({QUrl::fromLocalFile(a), QUrl(QStringLiteral("https://example.org/b.cog"))});
  QMdiArea* area = env.frame->mdiArea();
  qobject_cast<QMdiSubWindow*>(env.doc(1)->parentWidget())->setGeometry(10, 10, 100, 80);
  const QPoint corner = area->viewport()->mapTo(env.frame.get(), QPoint(area->viewport()->width() - 5, area->viewport()->height() - 5));
  QVERIFY(!dropOn(env.frame.get(), corner, data));
  QTest::qWait(20);
  QCOMPARE(env.documents().size(), 1);
  QVERIFY(env.runtime.messages.isEmpty());
}

void FileDropsTest::droppedFilesNamed() {
  QMimeData none;
  QCOMPARE(DroppedFiles(&none), QStringList());
  QMimeData text;
  text.setText(QStringLiteral("/etc/passwd"));
  QCOMPARE(DroppedFiles(&text), QStringList());
  std::unique_ptr<QMimeData> files(filesData({QStringLiteral("/x/b c.cog"), QStringLiteral("/x/a.cog")}));
  // In the system's notation, as the open dialog gives names.
  QCOMPARE(DroppedFiles(files.get()), (QStringList{QDir::toNativeSeparators(QStringLiteral("/x/b c.cog")),
                                                   QDir::toNativeSeparators(QStringLiteral("/x/a.cog"))}));
}

QTEST_MAIN(FileDropsTest)
#include "tst_filedrops.moc"
