// System services that the other tests take for granted.
#include <QtTest>

#include "platform/QtSystemServices.h"

class SystemServicesTest : public QObject {
  Q_OBJECT
 private slots:
  void dateTimeTextIsShortDateAndLongTime_data();
  void dateTimeTextIsShortDateAndLongTime();
  void upperCaseKeepsTheLength();
};

void SystemServicesTest::dateTimeTextIsShortDateAndLongTime_data() {
  QTest::addColumn<QString>("locale");
  QTest::addColumn<QString>("expected");
  QTest::newRow("en_US") << "en_US" << "12/10/26 3:04:05 PM";
  QTest::newRow("de_DE") << "de_DE" << "10.12.26 15:04:05";
  QTest::newRow("en_GB") << "en_GB" << "10/12/2026 15:04:05";
}

void SystemServicesTest::dateTimeTextIsShortDateAndLongTime() {
  QFETCH(QString, locale);
  QFETCH(QString, expected);
  QLocale::setDefault(QLocale(locale));
  QtSystemServices system;
  QCOMPARE(system.DateTimeText(QDateTime(QDate(2026, 12, 10), QTime(15, 4, 5))), expected);
  QLocale::setDefault(QLocale::c());
}

void SystemServicesTest::upperCaseKeepsTheLength() {
  QtSystemServices system;
  const QString text = QStringLiteral("/home/u/stra\u00DFe.cog");
  QCOMPARE(system.UCase(text), QStringLiteral("/HOME/U/STRA\u00DFE.COG"));
}

QTEST_MAIN(SystemServicesTest)
#include "tst_systemservices.moc"
