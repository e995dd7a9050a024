// The installed MIME package, read the way file managers read it: by name and
// content, through the desktop's shared MIME database (the test points
// XDG_DATA_DIRS at the scratch install prefix and the system's own types).
#include <QMimeDatabase>
#include <QMimeType>
#include <QtTest>

class tst_installed_mimetypes : public QObject {
  Q_OBJECT
 private slots:
  void typeOfFile_data();
  void typeOfFile();
  void gameTypesAreText_data();
  void gameTypesAreText();
};

void tst_installed_mimetypes::typeOfFile_data() {
  QTest::addColumn<QString>("fileName");
  QTest::addColumn<QByteArray>("content");
  QTest::addColumn<QString>("expected");
  const QByteArray script("# JK COG script\r\nsymbols\r\nmessage startup\r\nend\r\n");
  QTest::newRow("cog script") << "door.cog" << script << "text/x-jedi-knight-cog";
  // Captions and the recent-file list carry names in upper case.
  QTest::newRow("upper-case name") << "C:/JK/DOOR.COG" << script << "text/x-jedi-knight-cog";
  QTest::newRow("data file") << "items.dat" << QByteArray("bin 0 item flags=0x0\n") << "text/x-jedi-knight-data";
  QTest::newRow("multi-player file") << "team.mpc" << QByteArray("name Kyle\r\n") << "text/x-jedi-knight-multiplayer";
  QTest::newRow("single-player file") << "kyle.plr" << QByteArray("version 1\r\n") << "text/x-jedi-knight-player";
  QTest::newRow("plain text") << "readme.txt" << QByteArray("hello\n") << "text/plain";
  // Same extension, other format: the signature keeps Musepack audio audio.
  QTest::newRow("musepack audio") << "song.mpc" << QByteArray("MPCK\x00\x01\x02\xff\xfe", 9) << "audio/x-musepack";
}

void tst_installed_mimetypes::typeOfFile() {
  QFETCH(QString, fileName);
  QFETCH(QByteArray, content);
  QFETCH(QString, expected);
  QCOMPARE(QMimeDatabase().mimeTypeForFileNameAndData(fileName, content).name(), expected);
}

void tst_installed_mimetypes::gameTypesAreText_data() {
  QTest::addColumn<QString>("type");
  QTest::addColumn<QString>("comment");
  QTest::newRow("cog") << "text/x-jedi-knight-cog" << "Jedi Knight COG script";
  QTest::newRow("dat") << "text/x-jedi-knight-data" << "Jedi Knight data file";
  QTest::newRow("mpc") << "text/x-jedi-knight-multiplayer" << "Jedi Knight multi-player file";
  QTest::newRow("plr") << "text/x-jedi-knight-player" << "Jedi Knight single-player file";
}

// Text editors other than this one offer to open them too.
void tst_installed_mimetypes::gameTypesAreText() {
  QFETCH(QString, type);
  QFETCH(QString, comment);
  const QMimeType mime = QMimeDatabase().mimeTypeForName(type);
  QVERIFY2(mime.isValid(), qPrintable(type + " is not in the installed database"));
  QVERIFY(mime.inherits(QStringLiteral("text/plain")));
  QCOMPARE(mime.comment(), comment);
}

QTEST_GUILESS_MAIN(tst_installed_mimetypes)
#include "tst_installed_mimetypes.moc"
